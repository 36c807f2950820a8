// Scan new CD: a new disc title from a drive, first in the current catalog,
// through the core's title writer and its locked join.
#include <string>

#include "catalog/catalog_files.h"
#include "catalog/catalog_format.h"
#include "catalog/text_routines.h"
#include "scan/title_writer.h"
#include "shell/catalog_tree.h"
#include "catalog/reporter.h"
#include "shell/command_texts.h"
#include "shell/desktop_commands.h"
#include "shell/file_list_view.h"
#include "shell/forwarding_reporter.h"
#include "shell/main_window.h"
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
  SessionState& state = window_.State();
  if (state.catalogPath[0] == '\0') {
    window_.Report().ErrorBox(kCreateCatalogFirst, kProductName);
    return;
  }
  if (!ChangeAllowed()) return;
  const char notedLetter = state.drive[0];
  if (scanDialog_.Ask(window_.Handle(), description_, state.drive) == DialogAnswer::Ok) {
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
  window_.Work().Destroy();
  window_.BeepIfMinimised();
}

void DesktopCommands::ScanInto(char letter, char notedLetter) {
  SessionState& state = window_.State();
  // A ".cat" that does not fit leaves the path as it was; the change then
  // works on that name.
  SetExtension(state.catalogPath, sizeof state.catalogPath, kCatalogExtension);
  const std::string progress = kScanningDrive + std::string(1, letter);
  CopyText(workText_, sizeof workText_, progress.c_str());
  window_.Work().Show(window_.FileList().Handle(), workText_, 0);
  BusyCursor busy;
  const std::string root = std::string(1, letter) + ":\\";
  if (titleWriter_.Begin(description_)) titleWriter_.WalkDisc(root.c_str());
  QuietJoinReporter reporter(window_.Report());
  CatalogChange change(reporter);
  const ChangeOutcome taken = change.Begin(state.catalogPath);
  if (taken == ChangeOutcome::TempNotWritten) {
    window_.Report().ErrorBox(kSavingToTempFailed, TempPathFor(state.catalogPath).c_str());
  }
  if (taken != ChangeOutcome::Ready) return;
  if (titleWriter_.Finish(change.TempFile().c_str(), window_.Report()) != ScanOutcome::Saved) return;
  if (change.Join() == ChangeOutcome::Replaced && letter != notedLetter) state.saveName = 1;
}

}  // namespace vardek
