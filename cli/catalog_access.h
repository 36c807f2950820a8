#pragma once
// What several commands do with a catalog before and after the core works on it.
#include <string>
#include <vector>

#include "catalog/catalog_files.h"
#include "catalog/catalog_format.h"
#include "cli/console_reporter.h"

namespace vardek::cli {

// Every catalog (*.cat) of each operand's folder, each folder once, in
// listing order: what --all searches.
std::vector<std::string> EveryCatalogBeside(const std::vector<std::string>& catalogs);

enum class CatalogState { Missing, Empty, NewFormat, OldFormat, Unreadable };

// Exists? Readable? Which format? (An empty file has no format yet: the
// first scan gives it one.)
CatalogState InspectCatalog(const std::string& path);

// The refusal of the commands that change a catalog.
inline constexpr const char* kNewFormatRequired = "Data must be in the new format for changes to be made";
inline constexpr const char* kDescriptionRequired = "You must supply a disk description.";

// The description operand as catalog text. An empty one or one longer than
// `maxLength` (the scan's 79 characters unless said) is refused with a message (false).
bool DescriptionOperand(const std::string& operand, std::string& description, ConsoleReporter& reporter,
                        int maxLength = kMaxDescriptionLength);

// Reads the titles again, as the desktop program does after a change, and
// reports their count (" titles in catalog"); false when it cannot be read.
bool ReportTitleCount(const std::string& path, ConsoleReporter& reporter);


// A change that ended without replacing or removing the catalog. The core
// drops a temp file it could not write without a word (the desktop does too);
// the command line says so. Always the failure exit status.
int ReportChangeFailure(ChangeOutcome outcome, const std::string& catalog, ConsoleReporter& reporter);

}  // namespace vardek::cli
