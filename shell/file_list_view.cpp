#include "shell/file_list_view.h"

#include <string>

#include "browse/result_list.h"
#include "catalog/reporter.h"
#include "catalog/text_routines.h"
#include "shell/status_bar.h"
#include "ui/work_window.h"

namespace vardek {

bool FileListView::StartNewRows() {
  Clear();
  return results_.Reset();
}

FillOutcome FileListView::Fill(FileRows rows) {
  for (bool& descending : descending_) descending = false;
  const int count = results_.Count();
  bool interrupted = false;
  // A list that redraws after every insert takes milliseconds per row.
  SetRedraw(false);
  SetItemCount(count);
  for (int row = 0; row < count; ++row) {
    if (InsertItem(row, row) < 0) break;
    if (row % kFillPumpInterval != 0) continue;
    if (WorkWindow::PumpMessages() != 0 || !IsWindow(Handle())) {
      interrupted = true;
      break;
    }
  }
  SetRedraw(true);
  if (interrupted) return FillOutcome::Interrupted;
  std::string status = FormatCount(count) + (rows == FileRows::Files ? kFilesFound : kFoldersFound);
  status_.SetText(kStatusResultPart, status.c_str());
  return FillOutcome::Complete;
}

void FileListView::CellText(int row, int column, char* buffer, int capacity) const {
  if (capacity <= 0) return;
  buffer[0] = '\0';
  const ResultList& results = results_;
  if (!results.HoldsRow(row)) return;
  const ResultRow& entry = results.Row(row);
  const RowDate date = results.Date(entry);
  const char* text = "";
  switch (static_cast<FileColumn>(column)) {
    case FileColumn::Name: text = results.Name(entry); break;
    case FileColumn::Date: text = date.text; break;
    case FileColumn::Folder: text = results.Folder(entry); break;
    case FileColumn::Title: text = results.Title(entry); break;
    case FileColumn::Hidden: return;
  }
  CopyText(buffer, static_cast<std::size_t>(capacity), text);
}

void FileListView::AnswerCellText(NMLVDISPINFOA& request) const {
  LVITEMA& item = request.item;
  if (!(item.mask & LVIF_TEXT) || !item.pszText) return;
  CellText(static_cast<int>(ItemData(item.iItem)), item.iSubItem, item.pszText, item.cchTextMax);
}

LRESULT FileListView::OnControlNotify(NMHDR& header) {
  switch (header.code) {
    case LVN_GETDISPINFOA:
      AnswerCellText(reinterpret_cast<NMLVDISPINFOA&>(header));
      return 0;
    case LVN_DELETEALLITEMS:
      return TRUE;  // no LVN_DELETEITEM for each row
    case LVN_COLUMNCLICK:
      if (columnClick_) columnClick_(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
      return 0;
    case NM_DBLCLK:
      if (doubleClick_) doubleClick_();
      return 0;
    default:
      return 0;
  }
}

}  // namespace vardek
