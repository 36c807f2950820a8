#pragma once
// The exerciser's actions on a running Vardek.exe: what a user may do, each
// one written as a line that can be read back to do it again.
#include <windows.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace monkey {

// One step. `pick` and `option` are raw random numbers that the step resolves
// against what is on the screen when it runs (which title, which button), so
// that a printed step does the same again on the same screen.
struct Action {
  std::string verb;
  std::uint32_t pick = 0;
  std::uint32_t option = 0;
  std::string text;
  int pauseMs = 0;  // before the next step; 0 sends it while this one may still run
};

std::string Format(const Action& action);
// The action of a printed step line ("step N: ..."); false for any other line.
bool Parse(const std::string& line, Action& action);

// What the actions work on.
struct Target {
  DWORD process = 0;
  HWND main = nullptr;
  HWND tree = nullptr;
  HWND list = nullptr;
  std::string folder;  // the test catalogs' folder, Windows path ending in '\'
  bool closeAsked = false;  // Exit or WM_CLOSE was sent: the program may end
};

// Finds the main window of `target.process` and its panes; false while it is not up.
bool FindWindows(Target& target);
// The program's innermost box or dialog that takes input now, or nullptr.
HWND CurrentBox(DWORD process);

// A random action for the screen as it is: mostly an answer while a box is up.
// Verbs named in `leftOut` (comma-separated) are not chosen.
Action Choose(std::mt19937& random, const Target& target, const std::string& leftOut);
// Does it; returns a short note of what it did (the button, the title...).
std::string Perform(const Action& action, Target& target);

}  // namespace monkey
