#pragma once
// The module instance every window creation, resource load and class registration uses.
#include "ui/win32.h"

namespace vardek {

// The instance stored by the entry operation, or the executable's own module
// before that (static window objects register their classes before WinMain).
HINSTANCE ModuleInstance();
void SetModuleInstance(HINSTANCE instance);

// The default window text.
extern const char kEmptyText[];

}  // namespace vardek
