#include "shell/find_dialog.h"

#include "catalog/catalog_format.h"
#include "catalog/text_routines.h"
#include "resources/resource_ids.h"
#include "ui/centre_dialog.h"

namespace vardek {
namespace {

constexpr WPARAM kFileTextLimit = kSearchTextSize - 1;

}  // namespace

FindDialog::FindDialog()
    : searchText_(),
      kind_(SearchKind::None),
      searchAll_(false),
      lastField_(IDC_FIND_FILE_TEXT),
      loadedCatalogs_(0),
      catalogPath_(nullptr) {}

SearchKind FindDialog::Ask(HWND owner, int loadedCatalogs, char (&catalogPath)[kPathSize]) {
  loadedCatalogs_ = loadedCatalogs;
  catalogPath_ = catalogPath;
  kind_ = SearchKind::None;
  if (Run(IDD_FIND, owner) == -1) Finish(SearchKind::None);
  return kind_;
}

INT_PTR FindDialog::DialogProc(UINT message, WPARAM wParam, LPARAM) {
  switch (message) {
    case WM_INITDIALOG:
      return Start();
    case WM_SHOWWINDOW:
      if (wParam) SetFocus(GetDlgItem(Handle(), lastField_));
      return FALSE;
    case WM_COMMAND:
      OnCommandFrom(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
    default:
      return FALSE;
  }
}

INT_PTR FindDialog::Start() {
  SendDlgItemMessageA(Handle(), IDC_FIND_FILE_TEXT, EM_LIMITTEXT, kFileTextLimit, 0);
  EnableWindow(GetDlgItem(Handle(), IDC_FIND_SEARCH_ALL), loadedCatalogs_ <= 1);
  // SetExtension leaves a path alone that ends in a separator or would not fit.
  if (catalogPath_[0] != '\0') SetExtension(catalogPath_, kPathSize, kCatalogExtension);
  CentreDialog(Handle());
  return TRUE;
}

// The radio buttons follow the field being typed in, and a radio button
// moves the typing into its field.
void FindDialog::OnCommandFrom(int id, int code) {
  const HWND dialog = Handle();
  if (code == EN_SETFOCUS && id == IDC_FIND_FILE_TEXT) {
    CheckRadioButton(dialog, IDC_FIND_FILES, IDC_FIND_FOLDERS, IDC_FIND_FILES);
  } else if (code == EN_SETFOCUS && id == IDC_FIND_FOLDER_TEXT) {
    CheckRadioButton(dialog, IDC_FIND_FILES, IDC_FIND_FOLDERS, IDC_FIND_FOLDERS);
  } else if (code == BN_CLICKED && id == IDC_FIND_FILES) {
    SetFocus(GetDlgItem(dialog, IDC_FIND_FILE_TEXT));
  } else if (code == BN_CLICKED && id == IDC_FIND_FOLDERS) {
    SetFocus(GetDlgItem(dialog, IDC_FIND_FOLDER_TEXT));
  } else if (id == IDOK) {
    OnOk();
  } else if (id == IDCANCEL) {
    Finish(SearchKind::None);
  }
}

void FindDialog::OnOk() {
  const bool files = IsDlgButtonChecked(Handle(), IDC_FIND_FILES) == BST_CHECKED;
  lastField_ = files ? IDC_FIND_FILE_TEXT : IDC_FIND_FOLDER_TEXT;
  GetDlgItemTextA(Handle(), lastField_, searchText_, kSearchTextSize);
  if (searchText_[0] == '\0') return Finish(SearchKind::None);
  LowerAscii(searchText_);
  searchAll_ = IsDlgButtonChecked(Handle(), IDC_FIND_SEARCH_ALL) == BST_CHECKED;
  Finish(files ? SearchKind::Files : SearchKind::Folders);
}

void FindDialog::Finish(SearchKind kind) {
  if (kind == SearchKind::None) searchText_[0] = '\0';
  kind_ = kind;
  if (Handle()) EndDialog(Handle(), static_cast<INT_PTR>(kind));
}

}  // namespace vardek
