#pragma once
// FileListView: the file list on the right. Its items carry only the number
// of their result row; each cell's text comes from that row when the list
// asks for it.
#include <functional>

#include "shell/file_columns.h"
#include "ui/list_control.h"

#include <commctrl.h>

namespace vardek {

class ResultList;
class StatusBar;

inline constexpr char kFilesFound[] = " files found";
inline constexpr char kFoldersFound[] = " folders found";
inline constexpr int kFillPumpInterval = 100;  // rows inserted between two message pumps

enum class FileRows { Files, Folders };  // what the rows are; chooses the status text

enum class FillOutcome {
  Complete,     // every row is in the list (or the list took no more); count shown
  Interrupted,  // the program is ending (or the list is gone): the fill stopped
};

// The column a cell shows: 1 name, 2 date text, 3 folder, 4 disc description.
enum class FileColumn { Hidden = 0, Name = 1, Date = 2, Folder = 3, Title = 4 };

class FileListView : public ListControl {
 public:
  FileListView(ResultList& results, StatusBar& status) : results_(results), status_(status) {}

  // Deletes every item.
  void Clear() { DeleteAllItems(); }
  // A new set of rows: the list emptied first, then the result list reset,
  // so that the list never shows rows of a list being built. False when
  // the rows cannot be had (the list stays empty).
  bool StartNewRows();
  // Puts the result rows into the list, pumping messages every 100 rows, and
  // shows the count in the status bar. The list does not redraw row by row.
  // It runs inside a command, so nothing that resets the rows runs meanwhile.
  FillOutcome Fill(FileRows rows);
  // The text of one cell of a result row into `buffer` (cut to fit).
  void CellText(int row, int column, char* buffer, int capacity) const;

  // Sort direction of each column's next click, ascending after every fill.
  bool Descending(int column) const { return descending_[column]; }
  void SetDescending(int column, bool descending) { descending_[column] = descending; }

  // What a click on a column header and a double click on a row do.
  void SetColumnClickAction(std::function<void(int column)> action) { columnClick_ = std::move(action); }
  void SetDoubleClickAction(std::function<void()> action) { doubleClick_ = std::move(action); }

  LRESULT OnControlNotify(NMHDR& header) override;

 private:
  void AnswerCellText(NMLVDISPINFOA& request) const;

  ResultList& results_;
  StatusBar& status_;
  bool descending_[kFileColumnCount] = {};
  std::function<void(int)> columnClick_;
  std::function<void()> doubleClick_;
};

}  // namespace vardek
