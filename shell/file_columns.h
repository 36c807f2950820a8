#pragma once
// The file list's five columns: the hidden first one, then name, date, folder, disc.
#include "ui/list_control.h"

namespace vardek {

inline constexpr int kFileColumnCount = 5;

struct ColumnTable {
  int widths[kFileColumnCount] = {0, 140, 70, 212, 150};
};

extern const char* const kFileColumnHeaders[kFileColumnCount];

// Inserts the columns 0 to 4 in order, left-aligned.
void InsertFileColumns(ListControl& list, const ColumnTable& columns);

}  // namespace vardek
