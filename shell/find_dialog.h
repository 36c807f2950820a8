#pragma once
// The Find dialog (template 104): part of a file or folder name, and whether
// to load every catalog of the folder first.
#include "browse/name_match.h"
#include "shell/session_state.h"
#include "ui/dialog.h"

namespace vardek {

enum class SearchKind { None = 0, Files = 1, Folders = 2 };

class FindDialog : public Dialog {
 public:
  FindDialog();

  // Shows the dialog over `owner`. "Search all catalogs" can be checked only
  // while at most `loadedCatalogs` is 1. A current catalog path gets the
  // extension ".cat". Ends with the kind asked for; None when cancelled or
  // when nothing was typed, which also empties the search text.
  SearchKind Ask(HWND owner, int loadedCatalogs, char (&catalogPath)[kPathSize]);

  // What the last Ask left: the typed text in small letters (A-Z only), the
  // kind, the state of "Search all catalogs", and the field that was read,
  // which has the focus when the dialog opens next.
  const char* SearchText() const { return searchText_; }
  SearchKind Kind() const { return kind_; }
  bool SearchAll() const { return searchAll_; }
  int LastField() const { return lastField_; }

  INT_PTR DialogProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  INT_PTR Start();
  void OnCommandFrom(int id, int code);
  void OnOk();
  void Finish(SearchKind kind);

  char searchText_[kSearchTextSize];
  SearchKind kind_;
  bool searchAll_;
  int lastField_;
  int loadedCatalogs_;
  char* catalogPath_;
};

}  // namespace vardek
