#include "cli/rows.h"

#include <cstdint>
#include <memory>
#include <string>

#include "browse/collect.h"
#include "cli/cli.h"
#include "cli/progress.h"
#include "cli/record_writer.h"

namespace vardek::cli {

namespace {

// The date as YYYY-MM-DD by the catalog's century rule; empty when it cannot be read.
std::string IsoDateOfText(std::string_view dateText) {
  std::uint32_t number = 0;
  return FileDateNumber(dateText, number) ? IsoDate(number) : std::string();
}

// A pool text by its offset, measured again only when the next row has
// another one: the rows of one folder and one disc follow each other.
class PoolText {
 public:
  std::string_view Of(std::uint32_t offset, const char* text) {
    if (!made_ || offset != offset_) {
      text_ = text;
      offset_ = offset;
      made_ = true;
    }
    return text_;
  }

 private:
  bool made_ = false;
  std::uint32_t offset_ = 0;
  std::string_view text_;
};

// Rows as records of name, date, folder, disc and (json only) the ISO date
// and the catalog.
class RowPrinter {
 public:
  explicit RowPrinter(RowFormat format)
      : out_(format, {{"name"}, {"date"}, {"iso", true}, {"folder"}, {"disc"}, {"catalog", true}}),
        json_(format == RowFormat::Json) {}

  void Print(const ResultList& list, int index, const std::string* catalog) {
    const ResultRow& row = list.Row(index);
    const RowDate date = list.Date(row);
    // Only json shows these two: the other formats need not work them out.
    const std::string iso = json_ ? IsoDateOfText(date.text) : std::string();
    const Field catalogField = json_ && catalog != nullptr ? NativeField(*catalog, true) : NullField();
    out_.Write({CatalogField(list.Name(row)), CatalogField(date.text), iso.empty() ? NullField() : CatalogField(iso),
                CatalogField(folder_.Of(row.folderOffset, list.Folder(row)), true),
                CatalogField(title_.Of(row.titleOffset, list.Title(row)), true), catalogField});
  }

  // The pool offsets of another list mean other texts.
  void NextList() {
    folder_ = {};
    title_ = {};
  }

 private:
  RecordWriter out_;
  bool json_;
  PoolText folder_;
  PoolText title_;
};

}  // namespace

void PrintRows(const ResultList& list, const std::vector<int>* order, const RowOutput& output) {
  RowPrinter printer(output.format);
  const int count = order != nullptr ? static_cast<int>(order->size()) : list.Count();
  for (int i = 0; i < count; ++i) {
    const int index = order != nullptr ? (*order)[static_cast<std::size_t>(i)] : i;
    printer.Print(list, index, output.catalogs != nullptr ? &output.catalogs->Of(index) : nullptr);
  }
}

void PrintFoundRows(const FoundRows& found, RowFormat format) {
  RowPrinter printer(format);
  for (std::size_t i = 0; i < found.Size(); ++i) {
    printer.NextList();
    const ResultList& list = found.List(i);
    for (int row = 0; row < list.Count(); ++row) printer.Print(list, row, &found.Catalog(i));
  }
}

void WalkTally::Add(WalkOutcome outcome) {
  openFailed_ = openFailed_ || outcome == WalkOutcome::OpenFailed;
  endedEarly_ = endedEarly_ || outcome != WalkOutcome::Complete;
  listFull_ = listFull_ || outcome == WalkOutcome::ListFull;
}

int WalkTally::ExitStatus(int rows, Reporter& reporter) const {
  // The walk itself says nothing when the list is full (the desktop shows
  // the rows it has); a script must learn that some are missing.
  if (listFull_) reporter.ErrorBox(kNotEnoughMemory, kProductName);
  if (endedEarly_) return kExitFailure;
  return rows > 0 ? kExitSuccess : kExitFinding;
}

std::function<void()> PercentProgress(const CatalogReader& reader, std::string label) {
  // No hook at all when nothing would be shown: the walks then skip the call.
  if (!ProgressLine::Instance().Enabled()) return {};
  auto last = std::make_shared<int>(-1);
  return [&reader, label = std::move(label), last] {
    const int percent = reader.PercentRead();
    if (percent == *last) return;
    *last = percent;
    ProgressLine::Instance().Show(label + ": " + std::to_string(percent) + "%");
  };
}

}  // namespace vardek::cli
