// vardek-cli bad-dates [--disc TEXT] [--format tsv|csv|json] CATALOG
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/console_reporter.h"
#include "cli/every_core.h"
#include "cli/filter_options.h"
#include "cli/format_option.h"
#include "cli/progress.h"
#include "cli/rows.h"
#include "maintenance/bad_dates.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "bad-dates", "[--disc TEXT] [--format tsv|csv|json] CATALOG",
    "Prints every file of the catalog whose date is not a calendar date from 1980\n"
    "to 2050 (\"00/00/00\" and missing dates included), one row a line: file name,\n"
    "date, folder and disc description, separated by tabs.\n"
    "\n"
    "  --disc TEXT      only discs whose description contains TEXT (A-Z either case)\n"
    "  --format FORMAT  tsv (the default), csv (RFC 4180: a header row, fields\n"
    "                   quoted where needed, CR LF line ends) or json (one object\n"
    "                   a line: name, date, iso (null: these dates cannot be read),\n"
    "                   folder, disc, catalog; UTF-8)\n"
    "\nExit status: 0 rows printed; 1 no bad dates; 2 usage error, or a catalog that\n"
    "cannot be opened or whose damage ended the scan early.\n"};

// The bad dates of a catalog cut at title lines, on every core, a list for
// each part in `found`. False, with nothing reported and `found` empty,
// where the parts do not make the scan of the whole (damage that the scan
// reports, a part that ends inside a folder, a full list): the whole is
// then read in one walk.
bool FindBadDatesInParts(const std::string& catalog, bool newFormat, std::string_view disc, FoundRows& found) {
  CatalogReader whole;
  if (!whole.Map(catalog.c_str(), kLineLimit)) return false;
  struct Part {
    CatalogPart part;
    std::unique_ptr<ResultList> list = std::make_unique<ResultList>();
    NoticingReporter reports;
    WalkOutcome outcome = WalkOutcome::OpenFailed;
  };
  std::vector<Part> parts(Cores());
  OnEveryCore(parts.size(), [&](std::size_t i) {
    Part& part = parts[i];
    part.part = {&whole, static_cast<int>(i), static_cast<int>(parts.size())};
    if (part.list->Reset()) part.outcome = FindBadDatesInPart(part.part, newFormat, *part.list, part.reports, disc).outcome;
  });
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const Part& part = parts[i];
    if (part.outcome != WalkOutcome::Complete || part.reports.Noticed()) return false;
    if (i + 1 < parts.size() && part.part.endDepth != 0) return false;
  }
  for (Part& part : parts) found.Add(std::move(part.list), catalog);
  return true;
}

}  // namespace

int RunBadDates(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {kDiscOption, kFormatOption}, kHelp, 1, 1, line, status)) return status;
  RowFormat format = RowFormat::Tsv;
  if (!ReadFormatOption(line, kHelp, format)) return kExitFailure;
  FindFilter filter;
  ReadDiscOption(line, filter);
  ConsoleReporter reporter;
  const std::string& catalog = line.operands[0];
  const bool newFormat = InspectCatalog(catalog) == CatalogState::NewFormat;
  FoundRows found;
  if (Cores() > 1 && FindBadDatesInParts(catalog, newFormat, filter.disc, found)) {
    PrintFoundRows(found, format);
    reporter.Status(kStatusResultPart, (FormatCount(found.Count()) + " files found").c_str());
    WalkTally walk;
    walk.Add(WalkOutcome::Complete);
    return walk.ExitStatus(found.Count(), reporter);
  }
  ResultList list;
  if (!list.Reset()) {
    reporter.ErrorBox(kNotEnoughMemory, kProductName);
    return kExitFailure;
  }
  CatalogReader reader;
  const BadDateResult result = FindBadDates(reader, catalog.c_str(), newFormat, list, reporter,
                                            PercentProgress(reader, "Reading " + catalog), filter.disc);
  ProgressLine::Instance().Clear();
  WalkTally walk;
  walk.Add(result.outcome);
  if (walk.AnyOpenFailed()) return kExitFailure;
  RowCatalogs rowCatalogs;
  rowCatalogs.Begin(0, catalog);
  PrintRows(list, nullptr, {format, &rowCatalogs});
  reporter.Status(kStatusResultPart, (FormatCount(list.Count()) + " files found").c_str());
  return walk.ExitStatus(list.Count(), reporter);
}

}  // namespace vardek::cli
