#include "cli/catalog_access.h"

#include <algorithm>

#include "catalog/catalog_folder.h"
#include "catalog/catalog_format.h"
#include "catalog/catalog_reader.h"
#include "catalog/catalog_titles.h"
#include "catalog/text_routines.h"
#include "cli/cli.h"
#include "platform/files.h"
#include "platform/path.h"
#include "platform/text_encoding.h"

namespace vardek::cli {

std::vector<std::string> EveryCatalogBeside(const std::vector<std::string>& catalogs) {
  std::vector<std::string> folders;
  std::vector<std::string> found;
  for (const std::string& catalog : catalogs) {
    const std::string folder(platform::FolderOf(catalog));
    if (std::find(folders.begin(), folders.end(), folder) != folders.end()) continue;
    folders.push_back(folder);
    ListCatalogs(folder, [&](const char* name) {
      found.push_back(folder + name);
      return true;
    });
  }
  return found;
}

CatalogState InspectCatalog(const std::string& path) {
  switch (platform::KindOfPath(path.c_str())) {
    case platform::PathKind::Missing:
      return CatalogState::Missing;
    case platform::PathKind::Other:
      return CatalogState::Unreadable;  // a folder, a pipe, a broken link: never opened
    case platform::PathKind::File:
      break;
  }
  // The format is told by the first bytes alone: the rest is not read.
  platform::PieceReader file;
  std::uint64_t size = 0;
  char head[3] = {};
  if (!file.Open(path.c_str(), size) || size > platform::kLargestWholeFile) return CatalogState::Unreadable;
  if (size == 0) return CatalogState::Empty;
  const long long got = file.Read(head, sizeof head);
  if (got <= 0) return CatalogState::Unreadable;
  return IsNewFormat(head, static_cast<std::size_t>(got)) ? CatalogState::NewFormat : CatalogState::OldFormat;
}

bool DescriptionOperand(const std::string& operand, std::string& description, ConsoleReporter& reporter,
                        int maxLength) {
  description = platform::ToCatalogText(operand);
  if (description.empty()) {
    reporter.ErrorBox(kDescriptionRequired, kProductName);
    return false;
  }
  if (description.size() > static_cast<std::size_t>(maxLength)) {
    const std::string text = "The disk description is " + FormatCount(static_cast<long long>(description.size())) +
                             " characters long; at most " + std::to_string(maxLength) + " are allowed.";
    reporter.ErrorBox(text.c_str(), kProductName);
    return false;
  }
  return true;
}

bool ReportTitleCount(const std::string& path, ConsoleReporter& reporter) {
  CatalogReader reader;
  CatalogTitleScan scan;
  if (!ReadCatalogTitles(reader, path.c_str(), reporter, [](const char*) {}, scan)) return false;
  reporter.Status(kStatusResultPart, (FormatCount(scan.titleCount) + " titles in catalog").c_str());
  return true;
}

int ReportChangeFailure(ChangeOutcome outcome, const std::string& catalog, ConsoleReporter& reporter) {
  if (outcome == ChangeOutcome::TempNotWritten) {
    reporter.ErrorBox("Error saving to temp file", TempPathFor(catalog).c_str());
  }
  return kExitFailure;
}

}  // namespace vardek::cli
