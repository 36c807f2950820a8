// Delete CD: removes the disc title selected in the tree from the catalog,
// after the question, through the core's locked change; a catalog's only
// title takes the catalog file with it.
#include <string>

#include "catalog/catalog_files.h"
#include "catalog/text_routines.h"
#include "maintenance/delete_title.h"
#include "shell/catalog_commands.h"
#include "shell/catalog_loader.h"
#include "shell/catalog_tree.h"
#include "shell/command_window.h"
#include "catalog/reporter.h"
#include "shell/command_texts.h"
#include "shell/desktop_commands.h"
#include "shell/session.h"
#include "ui/busy_cursor.h"
#include "ui/error_box.h"
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
  return ShowProgramBox(owner, question.c_str(), kDeleteCaption, kQuestionStyle) == IDOK;
}

}  // namespace

void DesktopCommands::DeleteCd() {
  CatalogTree& tree = parts_.tree;
  HTREEITEM selected = tree.SelectedItem();
  HTREEITEM catalogItem = selected ? tree.ParentItem(selected) : nullptr;
  if (!parts_.session.HasCatalog()) return;
  if (!parts_.session.ChangeAllowed(parts_.report)) return;
  if (!selected || !catalogItem) return;
  // The title's own catalog, as it was opened: its folder and item text
  // would name another file for a catalog at a drive's root.
  const LoadedCatalog* catalog = parts_.session.Catalogs().FindByRoot(catalogItem);
  if (!catalog) return;
  const std::string catalogPath = catalog->path;
  const std::string title = Cut(tree.GetItemText(selected), kTitleTextSize - 1);
  const std::string catalogText = Cut(tree.GetItemText(catalogItem), kCatalogItemSize - 1);
  // Also the catalog's last title is deleted only after the question: its
  // file goes with it.
  if (!AskToDelete(parts_.window.Owner(), title, catalogText)) return;
  if (parts_.session.Catalogs().TitleCount() == 1) {
    DeleteOnlyTitle(catalogPath);
    return;
  }
  DeleteTitle(catalogPath, title.c_str());
}

void DesktopCommands::DeleteOnlyTitle(const std::string& catalogPath) {
  CatalogChange change(parts_.report);
  if (change.Begin(catalogPath) != ChangeOutcome::Ready) return;
  parts_.catalogs.ClearCatalogs();
  if (change.Remove() != ChangeOutcome::Removed) {
    parts_.catalogs.Open(catalogPath.c_str(), true);
    return;
  }
  ForgetRemovedCatalog();
}

void DesktopCommands::DeleteTitle(const std::string& catalogPath, const char* description) {
  BusyCursor busy;
  parts_.work.Show(parts_.window.Owner(), kDeleting, 0);
  const ChangeOutcome outcome =
      DeleteTitleFromCatalog(parts_.session.Reader(), catalogPath.c_str(), description, parts_.report);
  if (outcome == ChangeOutcome::Replaced) ReloadCatalog();
  if (outcome == ChangeOutcome::Removed) {
    parts_.catalogs.ClearCatalogs();
    ForgetRemovedCatalog();
  }
  parts_.work.Destroy();
}

void DesktopCommands::ForgetRemovedCatalog() {
  parts_.session.ForgetCatalog();
  parts_.catalogFiles.UpdateWindowTitle();
}

}  // namespace vardek
