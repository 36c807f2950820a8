#include "ui/busy_cursor.h"

namespace vardek {

BusyCursor::BusyCursor() : wait_(LoadCursorA(nullptr, IDC_WAIT)), previous_(SetCursor(wait_)) {}

BusyCursor::~BusyCursor() { SetCursor(previous_); }

}  // namespace vardek
