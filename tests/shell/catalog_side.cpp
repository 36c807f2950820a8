#include "catalog_side.h"

#include <commctrl.h>

#include <fstream>
#include <set>
#include <sstream>

#include "automation.h"
#include "shell/status_bar.h"

namespace vardek::testing {

namespace {

void RemoveFolder(const std::string& folder) {
  WIN32_FIND_DATAA found;
  HANDLE listing = FindFirstFileA((folder + "*").c_str(), &found);
  if (listing != INVALID_HANDLE_VALUE) {
    do {
      std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveFolder(folder + name + "\\");
      } else {
        DeleteFileA((folder + name).c_str());
      }
    } while (FindNextFileA(listing, &found));
    FindClose(listing);
  }
  RemoveDirectoryA(folder.c_str());
}

BoxCounter* g_counter = nullptr;
std::set<HWND> g_countedBoxes;

}  // namespace

CatalogFolder::CatalogFolder() {
  char temp[MAX_PATH] = "";
  GetTempPathA(sizeof temp, temp);
  static int serial = 0;
  path_ = std::string(temp) + "vardek-catalogs-" + std::to_string(GetCurrentProcessId()) + "-" +
          std::to_string(++serial) + "\\";
  CreateDirectoryA(path_.c_str(), nullptr);
}

CatalogFolder::~CatalogFolder() { RemoveFolder(path_); }

std::string CatalogFolder::Write(const std::string& name, const std::vector<std::string>& lines) const {
  std::string path = PathOf(name);
  std::ofstream file(path, std::ios::binary);
  for (const std::string& line : lines) file << line << "\r\n";
  return path;
}

std::vector<std::string> TitleLines(const std::string& title, const std::vector<std::string>& body) {
  std::vector<std::string> lines{"|||" + title};
  lines.insert(lines.end(), body.begin(), body.end());
  lines.push_back("<eof>");
  return lines;
}

std::vector<std::string> Join(std::vector<std::vector<std::string>> parts) {
  std::vector<std::string> lines;
  for (auto& part : parts) lines.insert(lines.end(), part.begin(), part.end());
  return lines;
}

std::string ReadFileText(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

HWND ChildOfClass(HWND parent, const char* className) {
  return FirstChild(parent, [className](HWND child) {
    char name[32] = "";
    GetClassNameA(child, name, sizeof name);
    return lstrcmpiA(name, className) == 0;
  });
}

HWND FileNameBox(HWND dialog) { return ChildOfClass(dialog, "Edit"); }

std::vector<TreeItemSeen> CatalogSideTest::ChildrenOf(HTREEITEM parent) {
  std::vector<TreeItemSeen> items;
  for (HTREEITEM item = Tree().FirstChild(parent); item; item = Tree().NextSibling(item)) {
    UINT state = static_cast<UINT>(
        SendMessageA(Tree().Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_EXPANDED));
    items.push_back({Tree().GetItemText(item), Tree().GetItemData(item), (state & TVIS_EXPANDED) != 0});
  }
  return items;
}

std::vector<TreeItemSeen> CatalogSideTest::TopItems() { return ChildrenOf(TVI_ROOT); }

HTREEITEM CatalogSideTest::TopItem(int index) {
  HTREEITEM item = Tree().FirstChild(TVI_ROOT);
  for (int i = 0; i < index && item; ++i) item = Tree().NextSibling(item);
  return item;
}

HTREEITEM CatalogSideTest::ChildItem(HTREEITEM parent, const std::string& text) {
  for (HTREEITEM item = Tree().FirstChild(parent); item; item = Tree().NextSibling(item)) {
    if (Tree().GetItemText(item) == text) return item;
  }
  return nullptr;
}

std::string CatalogSideTest::Cell(int item, int column) {
  char text[300] = "";
  LVITEMA request{};
  request.iSubItem = column;
  request.pszText = text;
  request.cchTextMax = sizeof text;
  SendMessageA(List().Handle(), LVM_GETITEMTEXTA, static_cast<WPARAM>(item),
               reinterpret_cast<LPARAM>(&request));
  return text;
}

std::vector<std::string> CatalogSideTest::ListedRows() {
  std::vector<std::string> rows;
  for (int item = 0; item < List().ItemCount(); ++item) {
    rows.push_back(Cell(item, 1) + "|" + Cell(item, 2) + "|" + Cell(item, 3) + "|" + Cell(item, 4));
  }
  return rows;
}

std::string CatalogSideTest::StatusText(int part) {
  HWND status = TheProgram().statusBar.Handle();
  int length = LOWORD(SendMessageA(status, SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0));
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  SendMessageA(status, SB_GETTEXTA, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

BoxCounter::BoxCounter(bool dialogsToo) : dialogsToo_(dialogsToo) {
  g_countedBoxes.clear();
  g_counter = this;
  timer_ = SetTimer(nullptr, 0, 20, Tick);
}

BoxCounter::~BoxCounter() {
  KillTimer(nullptr, timer_);
  g_counter = nullptr;
}

void CALLBACK BoxCounter::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_counter) return;
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM) -> BOOL {
        char name[64] = "";
        GetClassNameA(window, name, sizeof name);
        const bool counted =
            std::string(name) == "CMSGCLASS" || (g_counter->dialogsToo_ && std::string(name) == "#32770");
        if (!counted || !IsWindowVisible(window) || g_countedBoxes.count(window)) {
          return TRUE;
        }
        g_countedBoxes.insert(window);
        ++g_counter->count_;
        g_counter->lastCaption_ = WindowText(window);
        PostMessageA(window, WM_CLOSE, 0, 0);
        return TRUE;
      },
      0);
}

NMLISTVIEW ColumnClick(HWND list, int column) {
  NMLISTVIEW click{};
  click.hdr.hwndFrom = list;
  click.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
  click.hdr.code = LVN_COLUMNCLICK;
  click.iItem = -1;
  click.iSubItem = column;
  return click;
}

}  // namespace vardek::testing
