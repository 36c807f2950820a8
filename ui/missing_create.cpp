#include "ui/missing_create.h"

#include "ui/win32.h"

namespace vardek {

bool ReportMissingCreate() {
  MessageBoxA(nullptr, "Missing Create", "App Error", MB_ICONWARNING);
  return false;
}

}  // namespace vardek
