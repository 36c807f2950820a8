// Delete CD: removes the disc title selected in the tree from the catalog,
// after the question, through the core's locked change; a catalog's only
// title takes the catalog file with it.
#include <string>

#include "catalog/catalog_files.h"
#include "catalog/text_routines.h"
#include "maintenance/delete_title.h"
#include "platform/path.h"
#include "shell/catalog_commands.h"
#include "shell/catalog_tree.h"
#include "catalog/reporter.h"
#include "shell/command_texts.h"
#include "shell/desktop_commands.h"
#include "shell/main_window.h"
#include "ui/busy_cursor.h"
#include "ui/error_box.h"
#include "ui/message_box.h"
#include "ui/work_window.h"

namespace vardek {

namespace {

constexpr unsigned kQuestionStyle = MB_OKCANCEL | MB_ICONQUESTION;  // 0x21

std::string Cut(std::string text, std::size_t length) {
  if (text.size() > length) text.resize(length);
  return text;
}

bool AskToDelete(HWND owner, const std::string& title, const std::string& catalogItem) {
  const std::string question = title + " in\n" + catalogItem + kDeleteQuestionTail;
  return ProgramMessageBox().Show(owner, question.c_str(), kDeleteCaption, kQuestionStyle, 0,
                                  MessageBoxWindow::kBlack, MessageBoxWindow::kLightGrey,
                                  MessageBoxWindow::kGrey) == IDOK;
}

}  // namespace

void DesktopCommands::DeleteCd() {
  CatalogTree& tree = window_.TitleTree();
  HTREEITEM selected = tree.SelectedItem();
  HTREEITEM catalogItem = selected ? tree.ParentItem(selected) : nullptr;
  if (window_.State().catalogPath[0] == '\0') return;
  if (!ChangeAllowed()) return;
  if (!selected || !catalogItem) return;
  const std::string title = Cut(tree.GetItemText(selected), kTitleTextSize - 1);
  const std::string catalogText = Cut(tree.GetItemText(catalogItem), kCatalogItemSize - 1);
  // Also the catalog's last title is deleted only after the question: its
  // file goes with it.
  if (!AskToDelete(window_.Handle(), title, catalogText)) return;
  if (tree.Catalogs().TitleCount() == 1) {
    DeleteOnlyTitle();
    return;
  }
  DeleteTitle(title.c_str(), catalogText.c_str());
}

void DesktopCommands::DeleteOnlyTitle() {
  SessionState& state = window_.State();
  CatalogChange change(window_.Report());
  if (change.Begin(state.catalogPath) != ChangeOutcome::Ready) return;
  window_.TitleTree().ClearCatalogs();
  if (change.Remove() != ChangeOutcome::Removed) {
    window_.TitleTree().OpenCatalog(state.catalogPath, true);
    return;
  }
  state.catalogPath[0] = '\0';
  state.saveName = 1;
  window_.Parts().catalogCommands->UpdateWindowTitle();
}

void DesktopCommands::DeleteTitle(const char* description, const char* catalogItemText) {
  BusyCursor busy;
  window_.Work().Show(window_.Handle(), kDeleting, 0);
  const std::string path = std::string(platform::FolderOf(window_.State().catalogPath)) + catalogItemText;
  const ChangeOutcome outcome =
      DeleteTitleFromCatalog(window_.Reader(), path.c_str(), description, window_.Report());
  if (outcome == ChangeOutcome::Replaced) ReloadCatalog();
  if (outcome == ChangeOutcome::Removed) {
    window_.TitleTree().ClearCatalogs();
    window_.State().catalogPath[0] = '\0';
    window_.State().saveName = 1;
    window_.Parts().catalogCommands->UpdateWindowTitle();
  }
  window_.Work().Destroy();
}

}  // namespace vardek
