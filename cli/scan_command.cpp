// vardek-cli scan CATALOG DESCRIPTION FOLDER|IMAGE
#include <string>

#include "catalog/catalog_files.h"
#include "catalog/catalog_format.h"
#include "catalog/text_routines.h"
#include "cli/arguments.h"
#include "cli/catalog_access.h"
#include "cli/console_reporter.h"
#include "cli/disc_image.h"
#include "cli/progress.h"
#include "platform/directory.h"
#include "platform/files.h"
#include "platform/path.h"
#include "scan/title_writer.h"

namespace vardek::cli {

namespace {

const CommandHelp kHelp = {
    "scan", "CATALOG DESCRIPTION FOLDER|IMAGE",
    "Walks FOLDER (a mounted disc's root, or any folder) as the Scan command does:\n"
    "every file (\"*.*\"), folders down to 15 levels (as deep as every reader of\n"
    "a catalog goes), system folders skipped. The new disc title, described by\n"
    "DESCRIPTION (at most 79 characters, no line break), goes first in CATALOG.\n"
    "\".cat\" is forced onto the catalog's name; a missing catalog is created.\n"
    "The catalog is changed only through its temp file (\".$$$\").\n"
    "\nIMAGE, a file (an ISO 9660 disc image, \".iso\"), is read without mounting\n"
    "it, as the disc would be scanned in a drive: Joliet names where the image\n"
    "has them, else Rock Ridge names, else the plain ISO 9660 names; each\n"
    "folder's entries in the order the image records them. An image with only\n"
    "UDF, one cut short or damaged, or a file that is no image is refused: mount\n"
    "the image and scan its folder. The Windows vardek-cli.exe leaves images to\n"
    "Windows: mount the image (Explorer's Mount) and scan its drive.\n"
    "\nExit status: 0 title added; 1 no files found, nothing saved; 2 usage error,\n"
    "refused description, folder path too long, old-format catalog, refused\n"
    "image, or a file that cannot be read or written.\n"};

constexpr int kProgressEvery = 256;

// An empty folder lists nothing, and neither does a missing one; the folder
// is then looked up in its parent to tell the two apart.
bool FolderExists(const std::string& root) {
  platform::DirectorySearch search;
  platform::DirectoryEntry entry;
  if (search.First((root + "*").c_str(), entry)) return true;
  const std::string folder(platform::WithoutTrailingSeparators(root));
  const std::string name = folder.substr(platform::FolderOf(folder).size());
  if (name.empty() || name == "." || name == "..") return true;
  platform::DirectorySearch parent;
  for (bool found = parent.First(folder.c_str(), entry); found; found = parent.Next(entry)) {
    if ((entry.attributes & platform::kAttributeDirectory) != 0 && name == entry.fsName) return true;
  }
  return false;
}

class ScanWriter : public TitleWriter {
 protected:
  int OnFile(const platform::DirectoryEntry& entry) override {
    const int result = TitleWriter::OnFile(entry);
    if (FileCount() % kProgressEvery == 0) ProgressLine::Instance().Show("Scanning: " + FormatCount(FileCount()) + " files");
    return result;
  }
};

// Walks the folder, or the disc image that `source` names, into the writer;
// false when there is nothing to walk, which has been reported.
bool WalkSource(const std::string& source, ScanWriter& writer, const std::string& description,
                ConsoleReporter& reporter) {
  if (platform::KindOfPath(source.c_str()) == platform::PathKind::File) {
    FolderTree tree;
    std::string problem;
    if (!ReadDiscImage(source, tree, problem)) {
      reporter.ErrorBox(problem.c_str(), source.c_str());
      return false;
    }
    if (writer.Begin(description.c_str())) writer.WalkDisc(FolderTree::kRoot, tree);
    return true;
  }
  const std::string root = platform::WalkRootOf(source);
  if (!FolderExists(root)) {
    reporter.ErrorBox("Folder not found", source.c_str());
    return false;
  }
  if (writer.Begin(description.c_str())) writer.WalkDisc(root.c_str());
  return true;
}

}  // namespace

int RunScan(const Arguments& arguments) {
  CommandLine line;
  int status = kExitSuccess;
  if (!ReadCommandLine(arguments, {}, kHelp, 3, 3, line, status)) return status;
  ConsoleReporter reporter;
  std::string catalog = line.operands[0];
  if (!SetExtension(catalog, kCatalogExtension)) return UsageError(kHelp, "'" + catalog + "' is not a catalog file name");
  std::string description;
  if (!DescriptionOperand(line.operands[1], description, reporter)) return kExitFailure;

  const CatalogState state = InspectCatalog(catalog);
  if (state == CatalogState::OldFormat) {
    reporter.ErrorBox(kNewFormatRequired, kProductName);
    return kExitFailure;
  }
  if (state == CatalogState::Unreadable) {
    reporter.ErrorBox("Error opening file", catalog.c_str());
    return kExitFailure;
  }
  ScanWriter writer;
  const bool walked = WalkSource(line.operands[2], writer, description, reporter);
  ProgressLine::Instance().Clear();
  if (!walked) return kExitFailure;
  // The temp file is written and joined under the change's lock.
  CatalogChange change(reporter);
  const ChangeOutcome taken = change.Begin(catalog);
  if (taken == ChangeOutcome::TempNotWritten) reporter.ErrorBox("Error saving to temp file", TempPathFor(catalog).c_str());
  if (taken != ChangeOutcome::Ready) return kExitFailure;
  const ScanOutcome outcome = writer.Finish(change.TempFile().c_str(), reporter);
  if (outcome != ScanOutcome::Saved) return outcome == ScanOutcome::NoFiles ? kExitFinding : kExitFailure;

  if (change.Join() != ChangeOutcome::Replaced) return kExitFailure;
  reporter.Status(kStatusResultPart, (FormatCount(writer.FileCount()) + " files found").c_str());
  return ReportTitleCount(catalog, reporter) ? kExitSuccess : kExitFailure;
}

}  // namespace vardek::cli
