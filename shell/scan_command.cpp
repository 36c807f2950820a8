// Scan new CD: a new disc title from a drive, first in the current catalog,
// through the core's title writer and its locked join.
#include <string>

#include "catalog/catalog_files.h"
#include "catalog/catalog_format.h"
#include "catalog/text_routines.h"
#include "scan/title_writer.h"
#include "catalog/reporter.h"
#include "shell/command_texts.h"
#include "shell/desktop_commands.h"
#include "shell/command_window.h"
#include "shell/file_list_view.h"
#include "shell/forwarding_reporter.h"
#include "shell/session.h"
#include "ui/busy_cursor.h"
#include "ui/work_window.h"

namespace vardek {

namespace {

// The scan sounds its end once, after the reload; the join inside it stays quiet.
class QuietJoinReporter : public ForwardingReporter {
 public:
  using ForwardingReporter::ForwardingReporter;
  void CatalogReplaced() override {}
};

}  // namespace

void DesktopCommands::ScanCd() {
  SessionState& state = parts_.session.State();
  if (!parts_.session.HasCatalog()) {
    parts_.report.ErrorBox(kCreateCatalogFirst, kProductName);
    return;
  }
  if (!parts_.session.ChangeAllowed(parts_.report)) return;
  const char notedLetter = state.drive[0];
  if (scanDialog_.Ask(parts_.window.Owner(), description_, state.drive) == DialogAnswer::Ok) {
    const char letter = scanDialog_.ChosenLetter();
    if (state.drive[0] == '\0') {
      state.drive[1] = ':';
      state.drive[2] = '\0';
    }
    state.drive[0] = letter;
    ScanInto(letter, notedLetter);
  }
  // Also after Cancel the tree shows the catalog as it is on disc.
  ReloadCatalog();
  parts_.work.Destroy();
  parts_.window.BeepIfMinimised();
}

void DesktopCommands::ScanInto(char letter, char notedLetter) {
  SessionState& state = parts_.session.State();
  // A ".cat" that does not fit leaves the path as it was; the change then
  // works on that name.
  SetExtension(state.catalogPath, sizeof state.catalogPath, kCatalogExtension);
  const std::string progress = kScanningDrive + std::string(1, letter);
  CopyText(workText_, sizeof workText_, progress.c_str());
  parts_.work.Show(parts_.list.Handle(), workText_, 0);
  BusyCursor busy;
  const std::string root = std::string(1, letter) + ":\\";
  if (parts_.titleWriter.Begin(description_)) parts_.titleWriter.WalkDisc(root.c_str());
  QuietJoinReporter reporter(parts_.report);
  CatalogChange change(reporter);
  const ChangeOutcome taken = change.Begin(state.catalogPath);
  if (taken == ChangeOutcome::TempNotWritten) {
    parts_.report.ErrorBox(kSavingToTempFailed, TempPathFor(state.catalogPath).c_str());
  }
  if (taken != ChangeOutcome::Ready) return;
  if (parts_.titleWriter.Finish(change.TempFile().c_str(), parts_.report) != ScanOutcome::Saved) return;
  if (change.Join() == ChangeOutcome::Replaced && letter != notedLetter) parts_.session.SaveNameAtExit();
}

}  // namespace vardek
