// The action table: each verb with its weight and how it is done. Input that
// a user makes with the mouse (header, title, row) is a real click through
// SendInput, so the controls send their own notifications; the rest are the
// messages the menu, the keyboard and the dialogs' buttons would send.
#include "actions.h"

#include <commctrl.h>

#include <cstring>
#include <iomanip>
#include <iterator>
#include <sstream>

#include "resource_ids.h"

namespace monkey {

namespace {

constexpr UINT kAskTimeout = 5000;

bool Ask(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT& answer) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kAskTimeout, &result)) return false;
  answer = static_cast<LRESULT>(result);
  return true;
}

LRESULT AskOr(HWND window, UINT message, WPARAM wParam, LPARAM lParam, LRESULT otherwise) {
  LRESULT answer = 0;
  return Ask(window, message, wParam, lParam, answer) ? answer : otherwise;
}

std::string ClassOf(HWND window) {
  char name[64] = "";
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  char text[128] = "";
  GetWindowTextA(window, text, sizeof text);
  return text;
}

DWORD ProcessOf(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process;
}

// ---- the menu commands ------------------------------------------------------

struct Command {
  int id;
  const char* name;
  int weight;
};

// Exit is rarer: each one costs a start of the program.
constexpr Command kCommands[] = {
    {IDM_OPEN_CATALOG, "Open", 3},         {IDM_EXIT, "Exit", 1},
    {IDM_ABOUT, "About", 3},               {IDM_DELETE_CD, "Delete CD", 3},
    {IDM_SCAN_CD, "Scan new CD", 3},       {IDM_FIND, "Find", 3},
    {IDM_OPEN_ALL, "Open all", 3},         {IDM_FIND_BAD_DATES, "Find bad dates", 3},
    {IDM_NEW_CATALOG, "New catalog", 3},   {IDM_CHECK_CATALOG, "Check catalog", 3},
    {IDM_PROGRAM_INFO, "Program Info", 2}, {IDM_CHECK_UPDATES, "Check for updates", 2},
};

const char* CommandName(int id) {
  for (const Command& command : kCommands) {
    if (command.id == id) return command.name;
  }
  return "unknown command";
}

// ---- the title tree ---------------------------------------------------------

HTREEITEM Next(HWND tree, UINT relation, HTREEITEM from) {
  return reinterpret_cast<HTREEITEM>(AskOr(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(from), 0));
}

std::vector<HTREEITEM> Roots(HWND tree) {
  std::vector<HTREEITEM> roots;
  for (HTREEITEM item = Next(tree, TVGN_ROOT, nullptr); item && roots.size() < 64; item = Next(tree, TVGN_NEXT, item)) {
    roots.push_back(item);
  }
  return roots;
}

std::vector<HTREEITEM> Titles(HWND tree) {
  std::vector<HTREEITEM> titles;
  for (HTREEITEM root : Roots(tree)) {
    for (HTREEITEM item = Next(tree, TVGN_CHILD, root); item && titles.size() < 4096; item = Next(tree, TVGN_NEXT, item)) {
      titles.push_back(item);
    }
  }
  return titles;
}

// ---- real mouse input -------------------------------------------------------

void Click(POINT at, bool twice) {
  SetCursorPos(at.x, at.y);
  INPUT clicks[4] = {};
  for (INPUT& click : clicks) click.type = INPUT_MOUSE;
  clicks[0].mi.dwFlags = clicks[2].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  clicks[1].mi.dwFlags = clicks[3].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(twice ? 4 : 2, clicks, sizeof(INPUT));
}

// The label of a tree item, brought into view first: rows count from the
// first visible item; a title's label starts one indent further than its catalog's.
std::string ClickTreeItem(HWND tree, HTREEITEM item, bool isTitle) {
  AskOr(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item), 0);
  const auto visible = static_cast<int>(AskOr(tree, TVM_GETVISIBLECOUNT, 0, 0, 0));
  int row = 0;
  HTREEITEM at = Next(tree, TVGN_FIRSTVISIBLE, nullptr);
  while (at && at != item && row <= visible) {
    at = Next(tree, TVGN_NEXTVISIBLE, at);
    ++row;
  }
  if (at != item || row >= visible) return "not in view, no click";
  const auto height = static_cast<int>(AskOr(tree, TVM_GETITEMHEIGHT, 0, 0, 16));
  const auto indent = static_cast<int>(AskOr(tree, TVM_GETINDENT, 0, 0, 19));
  POINT label{(isTitle ? 2 : 1) * indent + 8, row * height + height / 2};
  ClientToScreen(tree, &label);
  Click(label, false);
  return "clicked row " + std::to_string(row);
}

// ---- boxes and dialogs ------------------------------------------------------

enum class BoxKind { Message, Find, Scan, Prompt, FileDialog, FolderBrowser, Other };

BoxKind KindOf(HWND box) {
  if (ClassOf(box) == "CMSGCLASS") return BoxKind::Message;
  if (GetDlgItem(box, IDC_FIND_FILE_TEXT) && GetDlgItem(box, IDC_FIND_FILES)) return BoxKind::Find;
  if (GetDlgItem(box, IDC_SCAN_DESCRIPTION) && GetDlgItem(box, IDC_SCAN_OK)) return BoxKind::Scan;
  if (GetDlgItem(box, IDC_PROMPT_AREA)) return BoxKind::Prompt;
  if (GetDlgItem(box, 0x480) || GetDlgItem(box, 0x47c)) return BoxKind::FileDialog;  // edt1, cmb13
  if (FindWindowExA(box, nullptr, "SysTreeView32", nullptr)) return BoxKind::FolderBrowser;
  return BoxKind::Other;
}

const char* KindName(BoxKind kind) {
  switch (kind) {
    case BoxKind::Message: return "message box";
    case BoxKind::Find: return "Find dialog";
    case BoxKind::Scan: return "Scan dialog";
    case BoxKind::Prompt: return "insert-disc prompt";
    case BoxKind::FileDialog: return "file dialog";
    case BoxKind::FolderBrowser: return "folder browser";
    case BoxKind::Other: return "dialog";
  }
  return "dialog";
}

// The box's push buttons that can be pressed now, in creation order.
std::vector<HWND> PushButtons(HWND box, bool okAndCancelOnly) {
  struct Found {
    std::vector<HWND> buttons;
    bool okAndCancelOnly;
  } found{{}, okAndCancelOnly};
  EnumChildWindows(
      box,
      [](HWND child, LPARAM data) -> BOOL {
        auto& f = *reinterpret_cast<Found*>(data);
        const LONG_PTR type = GetWindowLongPtrA(child, GWL_STYLE) & BS_TYPEMASK;
        const int id = GetDlgCtrlID(child);
        if (ClassOf(child) == "Button" && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) &&
            IsWindowVisible(child) && IsWindowEnabled(child) &&
            (!f.okAndCancelOnly || id == IDOK || id == IDCANCEL)) {
          f.buttons.push_back(child);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.buttons;
}

void SetText(HWND control, const std::string& text) {
  if (control) AskOr(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), 0);
}

// Selects an entry of a drop-down list as the user would: the dialog hears of it.
std::string ChooseEntry(HWND box, int id, int entry) {
  HWND combo = GetDlgItem(box, id);
  if (!combo || entry < 0) return "none";
  AskOr(combo, CB_SETCURSEL, static_cast<WPARAM>(entry), 0, 0);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo));
  return std::to_string(entry);
}

// The Scan dialog scans only the fake CD: a hard drive of the prefix is its
// drive_c, or Z:, the whole Linux file system, which would take the run's time.
// The list holds the drives present in letter order, so the CD's entry is
// counted here rather than read from the list.
int CdEntry() {
  const DWORD present = GetLogicalDrives();
  int entry = 0;
  for (int bit = 0; bit < 26; ++bit) {
    if (!(present & (1UL << bit))) continue;
    const char root[] = {static_cast<char>('A' + bit), ':', '\\', '\0'};
    if (GetDriveTypeA(root) == DRIVE_CDROM) return entry;
    ++entry;
  }
  return -1;
}

std::string Press(HWND box, const std::vector<HWND>& buttons, std::uint32_t pick) {
  if (buttons.empty()) return "no button to press";
  HWND button = buttons[pick % buttons.size()];
  const int id = GetDlgCtrlID(button);
  PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  return "pressed \"" + TextOf(button) + "\"";
}

std::string Answer(const Action& action, Target& target) {
  HWND box = CurrentBox(target.process);
  if (!box) return "no box up";
  const BoxKind kind = KindOf(box);
  std::string note = std::string(KindName(kind)) + " \"" + TextOf(box) + "\": ";
  bool okAndCancelOnly = false;
  switch (kind) {
    case BoxKind::Find: {
      const bool folders = action.option & 1;
      HWND radio = GetDlgItem(box, folders ? IDC_FIND_FOLDERS : IDC_FIND_FILES);
      AskOr(radio, BM_CLICK, 0, 0, 0);
      if (action.option & 2) AskOr(GetDlgItem(box, IDC_FIND_SEARCH_ALL), BM_CLICK, 0, 0, 0);
      SetText(GetDlgItem(box, folders ? IDC_FIND_FOLDER_TEXT : IDC_FIND_FILE_TEXT), action.text);
      note += std::string(folders ? "folders" : "files") + ((action.option & 2) ? ", search all" : "") + ", ";
      break;
    }
    case BoxKind::Scan:
      SetText(GetDlgItem(box, IDC_SCAN_DESCRIPTION), action.text);
      note += "drive entry " + ChooseEntry(box, IDC_DRIVE_LIST, CdEntry()) + ", ";
      break;
    case BoxKind::Prompt: {
      HWND combo = GetDlgItem(box, IDC_DRIVE_LIST);
      const auto count = static_cast<int>(AskOr(combo, CB_GETCOUNT, 0, 0, 0));
      if (count > 0) note += "drive entry " + ChooseEntry(box, IDC_DRIVE_LIST, static_cast<int>((action.option >> 1) % count)) + ", ";
      const bool copy = action.option & 1;
      AskOr(GetDlgItem(box, copy ? IDC_PROMPT_COPY : IDC_PROMPT_EXECUTE), BM_CLICK, 0, 0, 0);
      note += copy ? "copy, " : "execute, ";
      break;
    }
    case BoxKind::FileDialog: {
      HWND field = GetDlgItem(box, 0x480);
      if (!field) field = FindWindowExA(GetDlgItem(box, 0x47c), nullptr, "Edit", nullptr);
      SetText(field, action.text.empty() ? "" : target.folder + action.text);
      okAndCancelOnly = true;
      break;
    }
    case BoxKind::FolderBrowser: {
      HWND tree = FindWindowExA(box, nullptr, "SysTreeView32", nullptr);
      // Only the top of the tree: deeper lies Z:, the Linux root.
      std::vector<HTREEITEM> top;
      HTREEITEM root = Next(tree, TVGN_ROOT, nullptr);
      for (HTREEITEM item = Next(tree, TVGN_CHILD, root); item && top.size() < 32; item = Next(tree, TVGN_NEXT, item)) {
        top.push_back(item);
      }
      if (action.option % 3 != 0 && !top.empty()) {
        AskOr(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(top[action.option % top.size()]), 0);
        note += "chose folder " + std::to_string(action.option % top.size()) + ", ";
      }
      okAndCancelOnly = true;
      break;
    }
    case BoxKind::Message:
    case BoxKind::Other:
      break;
  }
  return note + Press(box, PushButtons(box, okAndCancelOnly), action.pick);
}

// ---- the texts the dialogs are given ----------------------------------------

const char* const kSearchTexts[] = {"README", ".TXT", "A", "DOCS", "", "ZZZNOTHING", "FILE0",
                                    "\\", "..", "<EOF>", "|||"};
const char* const kDescriptions[] = {"Monkey disc", "Holiday photos 2004", "", "|||bars", "<eof>",
                                     "A description of exactly eighty characters for the scan dialog to take.....",
                                     "x"};
// Names in the test folder: the catalogs there, new ones, one that is no catalog.
const char* const kFileNames[] = {"discs.cat", "big.cat", "old.cat", "notes.catalog", "fresh.cat",
                                  "missing.cat", "second", ""};

template <std::size_t N>
std::string OneOf(std::mt19937& random, const char* const (&texts)[N]) {
  return texts[random() % N];
}

// ---- the general pool -------------------------------------------------------

struct Verb {
  const char* name;
  int weight;
};

constexpr Verb kVerbs[] = {
    {"command", 30}, {"title", 18}, {"click-title", 8}, {"root", 5}, {"delete-key", 6},
    {"header", 15},  {"dblclick-row", 10}, {"close", 2},
};

template <class Table>
const auto& Weighted(std::mt19937& random, const Table& table) {
  int total = 0;
  for (const auto& entry : table) total += entry.weight;
  int at = static_cast<int>(random() % static_cast<std::uint32_t>(total));
  for (const auto& entry : table) {
    if (at < entry.weight) return entry;
    at -= entry.weight;
  }
  return table[0];
}

std::string ClickHeader(const Target& target, int column) {
  HWND header = FindWindowExA(target.list, nullptr, "SysHeader32", nullptr);
  if (!header) return "no header";
  int left = 0;
  for (int c = 0; c < column; ++c) left += static_cast<int>(AskOr(target.list, LVM_GETCOLUMNWIDTH, c, 0, 0));
  const auto width = static_cast<int>(AskOr(target.list, LVM_GETCOLUMNWIDTH, column, 0, 0));
  RECT place{};
  GetWindowRect(header, &place);
  const LONG x = place.left + left + width / 2;
  if (width <= 0 || x >= place.right) return "column out of view, no click";
  Click({x, (place.top + place.bottom) / 2}, false);
  return "clicked";
}

std::string DoubleClickRow(const Target& target, std::uint32_t pick) {
  const auto count = static_cast<int>(AskOr(target.list, LVM_GETITEMCOUNT, 0, 0, 0));
  const auto perPage = static_cast<int>(AskOr(target.list, LVM_GETCOUNTPERPAGE, 0, 0, 0));
  const int rows = count < perPage ? count : perPage;
  if (rows <= 0) return "no rows, no click";
  RECT client{};
  GetClientRect(target.list, &client);
  RECT header{};
  HWND headerWindow = FindWindowExA(target.list, nullptr, "SysHeader32", nullptr);
  if (headerWindow) GetWindowRect(headerWindow, &header);
  const int headerHeight = headerWindow ? header.bottom - header.top : 0;
  const int rowHeight = perPage > 0 ? (client.bottom - headerHeight) / perPage : 16;
  const int row = static_cast<int>(pick % static_cast<std::uint32_t>(rows));
  POINT at{24, headerHeight + row * rowHeight + rowHeight / 2};
  ClientToScreen(target.list, &at);
  Click(at, true);
  return "double-clicked row " + std::to_string(row) + " of " + std::to_string(count);
}

}  // namespace

std::string Format(const Action& action) {
  std::ostringstream line;
  line << action.verb << ' ' << action.pick << ' ' << action.option << ' ' << std::quoted(action.text) << ' '
       << action.pauseMs;
  return line.str();
}

bool Parse(const std::string& line, Action& action) {
  std::istringstream in(line);
  std::string step;
  std::string number;
  if (!(in >> step >> number) || step != "step" || number.empty() || number.back() != ':') return false;
  Action read;
  if (!(in >> read.verb >> read.pick >> read.option >> std::quoted(read.text) >> read.pauseMs)) return false;
  action = read;
  return true;
}

bool FindWindows(Target& target) {
  struct Search {
    DWORD process;
    HWND found;
  } search{target.process, nullptr};
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        if (ProcessOf(window) != s.process || ClassOf(window) != "MainClass" || !IsWindowVisible(window)) return TRUE;
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (!search.found) return false;
  target.main = search.found;
  target.tree = FindWindowExA(target.main, nullptr, "SysTreeView32", nullptr);
  target.list = FindWindowExA(target.main, nullptr, "SysListView32", nullptr);
  return target.tree && target.list;
}

HWND CurrentBox(DWORD process) {
  struct Search {
    DWORD process;
    HWND found;
  } search{process, nullptr};
  // Top-level windows come in z-order: the first enabled box is the innermost.
  EnumWindows(
      [](HWND window, LPARAM data) -> BOOL {
        auto& s = *reinterpret_cast<Search*>(data);
        const std::string name = ClassOf(window);
        if (ProcessOf(window) != s.process || (name != "#32770" && name != "CMSGCLASS") ||
            !IsWindowVisible(window) || !IsWindowEnabled(window)) {
          return TRUE;
        }
        s.found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

Action Choose(std::mt19937& random, const Target& target, const std::string& leftOut) {
  Action action;
  HWND box = CurrentBox(target.process);
  if (box && random() % 100 < 65) {
    action.verb = "answer";
    switch (KindOf(box)) {
      case BoxKind::Find: action.text = OneOf(random, kSearchTexts); break;
      case BoxKind::Scan: action.text = OneOf(random, kDescriptions); break;
      case BoxKind::FileDialog: action.text = OneOf(random, kFileNames); break;
      default: break;
    }
  } else {
    std::vector<Verb> verbs;
    for (const Verb& verb : kVerbs) {
      if (("," + leftOut + ",").find("," + std::string(verb.name) + ",") == std::string::npos) verbs.push_back(verb);
    }
    action.verb = verbs.empty() ? "command" : Weighted(random, verbs).name;
    if (action.verb == "command") action.text = CommandName(Weighted(random, kCommands).id);
  }
  action.pick = random();
  action.option = random();
  if (action.verb == "command") {
    for (const Command& command : kCommands) {
      if (action.text == command.name) action.pick = static_cast<std::uint32_t>(command.id);
    }
  }
  constexpr int kPauses[] = {0, 0, 50, 50, 250, 250, 250, 800, 800, 800};
  action.pauseMs = kPauses[random() % std::size(kPauses)];
  return action;
}

std::string Perform(const Action& action, Target& target) {
  const std::string disabled = IsWindowEnabled(target.main) ? "" : " (main window disabled)";
  if (action.verb == "answer") return Answer(action, target);
  if (action.verb == "command") {
    const int id = static_cast<int>(action.pick);
    if (id == IDM_EXIT) target.closeAsked = true;
    PostMessageA(target.main, WM_COMMAND, static_cast<WPARAM>(id), 0);
    return std::string("menu ") + CommandName(id) + disabled;
  }
  if (action.verb == "close") {
    target.closeAsked = true;
    PostMessageA(target.main, WM_CLOSE, 0, 0);
    return "WM_CLOSE" + disabled;
  }
  if (action.verb == "title" || action.verb == "click-title" || action.verb == "root") {
    const bool root = action.verb == "root";
    const std::vector<HTREEITEM> items = root ? Roots(target.tree) : Titles(target.tree);
    if (items.empty()) return "no item in the tree";
    const std::size_t index = action.pick % items.size();
    const std::string which = (root ? "catalog " : "title ") + std::to_string(index) + " of " + std::to_string(items.size());
    if (action.verb == "click-title") return which + ", " + ClickTreeItem(target.tree, items[index], true) + disabled;
    // Posted: the selection's fill may pump messages for a long time.
    PostMessageA(target.tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(items[index]));
    return "selected " + which + disabled;
  }
  if (action.verb == "delete-key") {
    PostMessageA(target.tree, WM_KEYDOWN, VK_DELETE, 0x01530001);
    PostMessageA(target.tree, WM_KEYUP, VK_DELETE, static_cast<LPARAM>(0xC1530001u));
    return "Delete key in the tree" + disabled;
  }
  if (action.verb == "header") {
    constexpr const char* kColumns[] = {"File Name", "Date", "Folder", "CD Title"};
    const int column = static_cast<int>(action.pick % 4);
    return std::string("header \"") + kColumns[column] + "\" " + ClickHeader(target, column) + disabled;
  }
  if (action.verb == "dblclick-row") return DoubleClickRow(target, action.pick) + disabled;
  return "unknown verb";
}

}  // namespace monkey
