// Vardek's entry: the program-wide objects exist before it runs; it stores
// the instance, brings the main window up and runs the message loop. The
// command line is ignored.
#include "shell/program.h"
#include "ui/module.h"

namespace {
vardek::Program g_program;
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
  vardek::SetModuleInstance(instance);
  return vardek::RunProgram(g_program, showCommand);
}
