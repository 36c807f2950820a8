#include "shell/file_columns.h"

namespace vardek {

const char* const kFileColumnHeaders[kFileColumnCount] = {"", "File Name", "Date", "Folder",
                                                          "CD Title"};

void InsertFileColumns(ListControl& list, const ColumnTable& columns) {
  for (int index = 0; index < kFileColumnCount; ++index) {
    list.InsertColumn(index, kFileColumnHeaders[index], columns.widths[index]);
  }
}

}  // namespace vardek
