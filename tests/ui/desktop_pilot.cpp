// Drives a running Vardek.exe from outside for `make run` and `make screenshots`.
// Usage: vardek_desktop_pilot SCENE READY_FILE DONE_FILE
//   SCENE "loaded":  wait until the main window is up with a catalog in its title tree;
//   SCENE "title:N": the same, then click the N-th disc title of the first catalog and
//                    wait until its files are listed.
//   SCENE "dialog:ID": the loaded window, then the menu command ID, until its dialog shows.
//   SCENE "prompt:N": title N listed, then a double click on its first file, until the
//                    insert-disc prompt shows.
//   SCENE "find:TEXT": the loaded window, then Find for files named with TEXT, until the
//                    found files are listed.
// A scene with a dialog cancels it before the program is closed.
// Then it writes the main window's screen rectangle ("x y width height") to READY_FILE,
// waits for DONE_FILE and closes the program as a user would (WM_CLOSE). Every wait
// has a deadline; a scene that does not come about ends the pilot with exit code 1.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>

namespace {

constexpr DWORD kPollMilliseconds = 100;
constexpr DWORD kStartDeadline = 60000;    // Wine may first have to set up the prefix
constexpr DWORD kSceneDeadline = 30000;
constexpr DWORD kDoneDeadline = 120000;
constexpr DWORD kCloseDeadline = 15000;
constexpr DWORD kPaintPause = 700;         // let the last paints reach the screen
constexpr UINT kAnswerTimeout = 5000;

bool WaitFor(const std::function<bool()>& done, DWORD deadline) {
  for (DWORD waited = 0;; waited += kPollMilliseconds) {
    if (done()) return true;
    if (waited >= deadline) return false;
    Sleep(kPollMilliseconds);
  }
}

// SendMessage that gives up when the program does not answer in time.
bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAnswerTimeout,
                           &result)) {
    return false;
  }
  answer = static_cast<LRESULT>(result);
  return true;
}

LRESULT AskOr(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT otherwise) {
  LRESULT answer = 0;
  return Ask(window, message, wParam, lParam, answer) ? answer : otherwise;
}

bool Responsive(HWND window) {
  LRESULT answer = 0;
  return Ask(window, WM_NULL, 0, 0, answer);
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

// A visible window of `className` of `process` (enabled too where asked); nullptr when none is up.
HWND ProcessWindow(DWORD process, const char* className, bool enabledOnly) {
  struct Search {
    DWORD process;
    const char* className;
    bool enabledOnly;
    HWND found;
  } search{process, className, enabledOnly, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        char name[32] = "";
        GetClassNameA(window, name, sizeof name);
        if (std::strcmp(name, s->className) != 0 || !IsWindowVisible(window) ||
            (s->enabledOnly && !IsWindowEnabled(window)) || ProcessOf(window) != s->process) {
          return TRUE;
        }
        s->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// True while the program shows its work window ("Loading ...").
bool WorkWindowShown(DWORD process) { return ProcessWindow(process, "WKWND", false) != nullptr; }

struct Desktop {
  HWND main = nullptr;
  HWND tree = nullptr;
  HWND list = nullptr;
};

HTREEITEM TreeItem(HWND tree, UINT relation, HTREEITEM from) {
  return reinterpret_cast<HTREEITEM>(
      AskOr(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from), 0));
}

bool CatalogLoaded(const Desktop& desktop) {
  HTREEITEM root = TreeItem(desktop.tree, TVGN_ROOT, nullptr);
  return root && TreeItem(desktop.tree, TVGN_CHILD, root);
}

bool FindDesktop(Desktop& desktop) {
  desktop.main = FindWindowA("MainClass", nullptr);
  if (!desktop.main || !IsWindowVisible(desktop.main)) return false;
  desktop.tree = FindWindowExA(desktop.main, nullptr, "SysTreeView32", nullptr);
  desktop.list = FindWindowExA(desktop.main, nullptr, "SysListView32", nullptr);
  return desktop.tree && desktop.list;
}

bool WaitUntilLoaded(Desktop& desktop) {
  if (!WaitFor([&] { return FindDesktop(desktop); }, kStartDeadline)) {
    std::fprintf(stderr, "pilot: the main window did not come up\n");
    return false;
  }
  DWORD process = ProcessOf(desktop.main);
  if (!WaitFor([&] { return !WorkWindowShown(process) && CatalogLoaded(desktop); },
               kSceneDeadline)) {
    std::fprintf(stderr, "pilot: no catalog was loaded into the title tree\n");
    return false;
  }
  return Responsive(desktop.main);
}

void Click(int x, int y) {
  SetCursorPos(x, y);
  INPUT clicks[2] = {};
  clicks[0].type = clicks[1].type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, clicks, sizeof(INPUT));
}

// Clicks the label of the n-th title (1-based) under the first catalog item.
// Rows are counted from the first visible one: the catalog item, then its titles.
bool ClickTitle(const Desktop& desktop, int number) {
  HTREEITEM root = TreeItem(desktop.tree, TVGN_ROOT, nullptr);
  HTREEITEM title = TreeItem(desktop.tree, TVGN_CHILD, root);
  for (int i = 1; title && i < number; ++i) title = TreeItem(desktop.tree, TVGN_NEXT, title);
  if (!title || TreeItem(desktop.tree, TVGN_FIRSTVISIBLE, nullptr) != root) {
    std::fprintf(stderr, "pilot: the catalog has no title %d in view\n", number);
    return false;
  }
  auto rowHeight = static_cast<int>(AskOr(desktop.tree, TVM_GETITEMHEIGHT, 0, 0, 16));
  auto indent = static_cast<int>(AskOr(desktop.tree, TVM_GETINDENT, 0, 0, 19));
  POINT label{2 * indent + 8, number * rowHeight + rowHeight / 2};  // level 1, lines at root
  ClientToScreen(desktop.tree, &label);
  Click(label.x, label.y);
  if (!WaitFor([&] { return TreeItem(desktop.tree, TVGN_CARET, nullptr) == title; },
               kSceneDeadline)) {
    std::fprintf(stderr, "pilot: the click did not select title %d\n", number);
    return false;
  }
  return true;
}

bool WaitForFiles(const Desktop& desktop) {
  if (!WaitFor([&] { return AskOr(desktop.list, LVM_GETITEMCOUNT, 0, 0, 0) > 0; },
               kSceneDeadline)) {
    std::fprintf(stderr, "pilot: the selected title's files were not listed\n");
    return false;
  }
  return Responsive(desktop.main);
}

// The program's dialog that is up now: a visible, enabled #32770 window of its process.
HWND ShownDialog(DWORD process) { return ProcessWindow(process, "#32770", true); }

bool WaitForDialog(const Desktop& desktop, HWND& dialog) {
  const DWORD process = ProcessOf(desktop.main);
  if (!WaitFor([&] { return (dialog = ShownDialog(process)) != nullptr; }, kSceneDeadline)) {
    std::fprintf(stderr, "pilot: no dialog came up\n");
    return false;
  }
  return true;
}

// Double-clicks the first row of the file list, just below its header.
void DoubleClickFirstRow(const Desktop& desktop) {
  RECT list{};
  RECT header{};
  GetWindowRect(desktop.list, &list);
  HWND headerWindow = FindWindowExA(desktop.list, nullptr, "SysHeader32", nullptr);
  if (headerWindow) GetWindowRect(headerWindow, &header);
  const int top = headerWindow ? header.bottom : list.top;
  Click(list.left + 24, top + 8);
  Click(list.left + 24, top + 8);
}

// Find (menu command 40008): TEXT typed into the file field, OK, until the rows show.
bool FindFiles(const Desktop& desktop, const std::string& text) {
  constexpr int kFindCommand = 40008;
  constexpr int kFileField = 1000;
  constexpr int kFilesRadio = 1005;
  PostMessageA(desktop.main, WM_COMMAND, kFindCommand, 0);
  HWND dialog = nullptr;
  if (!WaitForDialog(desktop, dialog)) return false;
  HWND field = GetDlgItem(dialog, kFileField);
  // The field takes the focus as the dialog shows, and that checks "Files".
  if (!WaitFor([&] { return AskOr(GetDlgItem(dialog, kFilesRadio), BM_GETCHECK, 0, 0, 0) == BST_CHECKED; },
               kSceneDeadline)) {
    std::fprintf(stderr, "pilot: the Find dialog did not check Files\n");
    return false;
  }
  for (char c : text) PostMessageA(field, WM_CHAR, static_cast<unsigned char>(c), 1);
  if (!WaitFor([&] { return AskOr(field, WM_GETTEXTLENGTH, 0, 0, 0) == static_cast<LRESULT>(text.size()); },
               kSceneDeadline)) {
    std::fprintf(stderr, "pilot: the text did not reach the Find dialog\n");
    return false;
  }
  PostMessageA(dialog, WM_COMMAND, IDOK, 0);
  const DWORD process = ProcessOf(desktop.main);
  if (!WaitFor([&] { return !IsWindow(dialog) && !WorkWindowShown(process); }, kSceneDeadline)) {
    std::fprintf(stderr, "pilot: the search did not end\n");
    return false;
  }
  return WaitForFiles(desktop);
}

bool WriteRectangle(HWND window, const char* path) {
  RECT place{};
  GetWindowRect(window, &place);
  FILE* file = std::fopen(path, "w");
  if (!file) return false;
  std::fprintf(file, "%ld %ld %ld %ld\n", place.left, place.top, place.right - place.left,
               place.bottom - place.top);
  return std::fclose(file) == 0;
}

bool FileExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

int Run(const std::string& scene, const char* readyFile, const char* doneFile) {
  Desktop desktop;
  if (!WaitUntilLoaded(desktop)) return 1;
  HWND dialog = nullptr;
  if (scene.rfind("title:", 0) == 0) {
    int number = std::atoi(scene.c_str() + 6);
    if (!ClickTitle(desktop, number) || !WaitForFiles(desktop)) return 1;
  } else if (scene.rfind("dialog:", 0) == 0) {
    PostMessageA(desktop.main, WM_COMMAND, static_cast<WPARAM>(std::atoi(scene.c_str() + 7)), 0);
    if (!WaitForDialog(desktop, dialog)) return 1;
  } else if (scene.rfind("prompt:", 0) == 0) {
    int number = std::atoi(scene.c_str() + 7);
    if (!ClickTitle(desktop, number) || !WaitForFiles(desktop)) return 1;
    DoubleClickFirstRow(desktop);
    if (!WaitForDialog(desktop, dialog)) return 1;
  } else if (scene.rfind("find:", 0) == 0) {
    if (!FindFiles(desktop, scene.substr(5))) return 1;
  } else if (scene != "loaded") {
    std::fprintf(stderr, "pilot: unknown scene %s\n", scene.c_str());
    return 2;
  }
  Sleep(kPaintPause);
  if (!WriteRectangle(desktop.main, readyFile)) return 1;
  WaitFor([&] { return FileExists(doneFile); }, kDoneDeadline);
  if (dialog) {
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    WaitFor([&] { return !IsWindow(dialog); }, kCloseDeadline);
  }
  PostMessageA(desktop.main, WM_CLOSE, 0, 0);
  if (!WaitFor([&] { return !IsWindow(desktop.main); }, kCloseDeadline)) {
    std::fprintf(stderr, "pilot: the program did not close\n");
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr,
                 "usage: vardek_desktop_pilot loaded|title:N|dialog:ID|prompt:N|find:TEXT READY_FILE DONE_FILE\n");
    return 2;
  }
  return Run(argv[1], argv[2], argv[3]);
}
