#include "ui/module.h"

namespace vardek {

namespace {
HINSTANCE g_instance = nullptr;
}

const char kEmptyText[] = "";

HINSTANCE ModuleInstance() {
  return g_instance ? g_instance : GetModuleHandleA(nullptr);
}

void SetModuleInstance(HINSTANCE instance) { g_instance = instance; }

}  // namespace vardek
