// Times the desktop program's biggest jobs on its real, visible windows:
// opening a catalog into the title tree (titles expanded and sorted, as at
// start-up), listing a disc title of many files in the file list (the
// selection in the tree, and the fill alone), a click on the "Date" and on
// the "File Name" header over those rows, and Find over the big catalog from
// the dialog's OK to the filled list. Each time runs until the window has
// painted the result. Runs under Wine in Xvfb from `make bench`.
// Usage: vardek-desktop-bench BIG_CATALOG WIDE_CATALOG [RUNS [find]]
//   WIDE_CATALOG holds a title "Wide disc" with the many files; "find" times
//   Find of the rare text alone (for a profile of it).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "browse/collect.h"
#include "browse/result_list.h"
#include "browse/row_sort_keys.h"
#include "browse/sort.h"
#include "resource_ids.h"
#include "shell/program.h"
#include "ui/module.h"

namespace {

using namespace vardek;
using Clock = std::chrono::steady_clock;

constexpr char kBenchSettingsKey[] = "Software\\Bramwick\\Vardek\\Benchmark";
constexpr char kWideTitle[] = "Wide disc";
constexpr int kWatchdogSeconds = 600;  // a box that waits for an answer must not hang the run

Program g_program;

void StartWatchdog() {
  std::thread([] {
    std::this_thread::sleep_for(std::chrono::seconds(kWatchdogSeconds));
    std::fprintf(stderr, "desktop bench: no result after %d s (a message box open?)\n",
                 kWatchdogSeconds);
    std::fflush(stderr);
    ExitProcess(1);
  }).detach();
}

// Lets every pending message and paint happen.
void Settle() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  RedrawWindow(g_program.mainWindow.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Seconds that `work` takes until the window has painted its outcome.
double Time(const std::function<void()>& work) {
  Settle();
  Clock::time_point start = Clock::now();
  work();
  RedrawWindow(g_program.mainWindow.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void Report(const char* what, const std::vector<double>& seconds) {
  double sum = 0, least = seconds.front(), most = seconds.front();
  for (double s : seconds) {
    sum += s;
    if (s < least) least = s;
    if (s > most) most = s;
  }
  std::printf("%-44s mean %6.3f s   min %6.3f s   max %6.3f s   runs:", what,
              sum / seconds.size(), least, most);
  for (double s : seconds) std::printf(" %.3f", s);
  std::printf("\n");
  std::fflush(stdout);
}

HTREEITEM FindTitle(const char* description) {
  CatalogTree& tree = g_program.titleTree;
  for (HTREEITEM catalog = tree.FirstChild(TVI_ROOT); catalog; catalog = tree.NextSibling(catalog)) {
    for (HTREEITEM title = tree.FirstChild(catalog); title; title = tree.NextSibling(title)) {
      if (tree.GetItemText(title) == description) return title;
    }
  }
  return nullptr;
}

bool OpenInto(const char* path) {
  return g_program.catalogs.Open(path, true) == OpenOutcome::Opened;
}

bool BenchOpen(const char* path, int runs) {
  std::vector<double> seconds;
  for (int run = 0; run < runs; ++run) {
    g_program.catalogs.ClearCatalogs();
    bool opened = false;
    seconds.push_back(Time([&] { opened = OpenInto(path); }));
    if (!opened) {
      std::fprintf(stderr, "desktop bench: %s did not open\n", path);
      return false;
    }
  }
  std::printf("== open catalog into the title tree: %ld titles, %d tree items\n",
              g_program.session.Catalogs().TitleCount(), g_program.titleTree.ItemCount());
  Report("open catalog (titles expanded and sorted)", seconds);
  return true;
}

bool BenchFill(const char* path, int runs) {
  CatalogTree& tree = g_program.titleTree;
  FileListView& list = g_program.fileList;
  g_program.catalogs.ClearCatalogs();
  if (!OpenInto(path)) {
    std::fprintf(stderr, "desktop bench: %s did not open\n", path);
    return false;
  }
  HTREEITEM wide = FindTitle(kWideTitle);
  if (!wide) {
    std::fprintf(stderr, "desktop bench: no title \"%s\" in %s\n", kWideTitle, path);
    return false;
  }
  const std::string catalog = g_program.session.Catalogs().At(0).path;
  std::vector<double> selecting, emptying, collecting, filling;
  for (int run = 0; run < runs; ++run) {
    tree.SelectItem(tree.ParentItem(wide));  // the catalog item lists nothing
    selecting.push_back(Time([&] { tree.SelectItem(wide); }));
    // What a selection does: empty the list, the rows from the catalog, the fill.
    emptying.push_back(Time([&] { list.Clear(); }));
    collecting.push_back(Time([&] {
      g_program.session.Results().Reset();
      CollectFiles(g_program.session.Reader(), catalog.c_str(), kWideTitle, "", g_program.session.Results(),
                   g_program.reporter);
    }));
    filling.push_back(Time([&] { list.Fill(FileRows::Files); }));
  }
  int rows = list.ItemCount();
  std::printf("== file list: %d rows of \"%s\" (result rows: %d)\n", rows, kWideTitle,
              g_program.session.Results().Count());
  if (rows != g_program.session.Results().Count() || rows == 0) {
    std::fprintf(stderr, "desktop bench: the list does not hold every row\n");
    return false;
  }
  Report("select the title (its rows + fill)", selecting);
  Report("  empty the list of its rows alone", emptying);
  Report("  its rows from the catalog alone", collecting);
  Report("  fill the file list alone", filling);
  return true;
}

// Clicks a column header as the list reports it (LVN_COLUMNCLICK to its parent).
void ClickHeader(int column) {
  FileListView& list = g_program.fileList;
  NMLISTVIEW click{};
  click.hdr.hwndFrom = list.Handle();
  click.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list.Handle()));
  click.hdr.code = LVN_COLUMNCLICK;
  click.iItem = -1;
  click.iSubItem = column;
  SendMessageA(GetParent(list.Handle()), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

// Each run starts from a fresh fill in catalog order: a click on "Date", then
// on "File Name" (the names are in catalog order, so this one starts from
// the date order).
bool BenchSort(int runs) {
  FileListView& list = g_program.fileList;
  std::vector<double> byDate, byName, nameKeys;
  for (int run = 0; run < runs; ++run) {
    list.Clear();
    list.Fill(FileRows::Files);
    nameKeys.push_back(Time([] { RowSortKeys keys(g_program.session.Results(), kColumnName); }));
    byDate.push_back(Time([] { ClickHeader(kColumnDate); }));
    byName.push_back(Time([] { ClickHeader(kColumnName); }));
  }
  std::printf("== header click over %d rows\n", list.ItemCount());
  Report("click \"Date\" (from catalog order)", byDate);
  Report("click \"File Name\" (from date order)", byName);
  Report("  its keys alone (one per row)", nameKeys);
  return list.ItemCount() > 0;
}

// The Find dialog's part of a search: once it shows with "Files" checked,
// the text goes into the file field and OK is pressed; the clock starts there.
struct FindAnswer {
  const char* text = "";
  Clock::time_point okPressed;
  bool pressed = false;
  UINT_PTR timer = 0;
};
FindAnswer g_findAnswer;

BOOL CALLBACK AnswerIfFindDialog(HWND window, LPARAM) {
  HWND field = GetDlgItem(window, IDC_FIND_FILE_TEXT);
  if (!field || !IsWindowVisible(window) || !GetDlgItem(window, IDC_FIND_SEARCH_ALL)) return TRUE;
  if (SendMessageA(GetDlgItem(window, IDC_FIND_FILES), BM_GETCHECK, 0, 0) != BST_CHECKED) return TRUE;
  SetWindowTextA(field, g_findAnswer.text);
  KillTimer(nullptr, g_findAnswer.timer);
  g_findAnswer.pressed = true;
  g_findAnswer.okPressed = Clock::now();
  PostMessageA(window, WM_COMMAND, IDOK, 0);
  return FALSE;
}

void CALLBACK LookForFindDialog(HWND, UINT, UINT_PTR, DWORD) {
  if (!g_findAnswer.pressed) EnumThreadWindows(GetCurrentThreadId(), AnswerIfFindDialog, 0);
}

// Seconds from OK in the Find dialog until the list has painted its rows.
double TimeFind(const char* text) {
  Settle();
  g_findAnswer = FindAnswer{text, {}, false, SetTimer(nullptr, 0, 10, LookForFindDialog)};
  SendMessageA(g_program.mainWindow.Handle(), WM_COMMAND, IDM_FIND, 0);
  RedrawWindow(g_program.mainWindow.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  if (!g_findAnswer.pressed) return -1;
  return std::chrono::duration<double>(Clock::now() - g_findAnswer.okPressed).count();
}

bool BenchFind(const char* path, int runs, bool rareAlone) {
  g_program.catalogs.ClearCatalogs();
  if (!OpenInto(path)) {
    std::fprintf(stderr, "desktop bench: %s did not open\n", path);
    return false;
  }
  for (const char* text : {"zx81", ".pdf"}) {
    if (rareAlone && text[0] == '.') break;
    // The search's own part, without a window: the catalog mapped and walked.
    const std::string catalog = g_program.session.Catalogs().At(0).path;
    std::vector<double> seconds, collecting;
    g_program.fileList.Clear();
    for (int run = 0; run < runs; ++run) {
      collecting.push_back(Time([&] {
        g_program.session.Results().Reset();
        CollectFiles(g_program.session.Reader(), catalog.c_str(), "", text, g_program.session.Results(),
                     g_program.reporter);
      }));
    }
    for (int run = 0; run < runs; ++run) {
      const double took = TimeFind(text);
      if (took < 0) {
        std::fprintf(stderr, "desktop bench: the Find dialog did not show\n");
        return false;
      }
      seconds.push_back(took);
    }
    std::printf("== find \"%s\" in the loaded catalog: %d rows listed (result rows: %d)\n", text,
                g_program.fileList.ItemCount(), g_program.session.Results().Count());
    if (g_program.fileList.ItemCount() != g_program.session.Results().Count() || g_program.session.Results().Count() == 0) {
      std::fprintf(stderr, "desktop bench: the list does not hold every row found\n");
      return false;
    }
    std::string what = std::string("find \"") + text + "\" (OK to the filled list)";
    Report(what.c_str(), seconds);
    Report("  its rows from the catalog alone", collecting);
  }
  return true;
}

void ForgetBenchSettings() {
  RegDeleteKeyA(HKEY_CURRENT_USER, kBenchSettingsKey);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: vardek-desktop-bench BIG_CATALOG WIDE_CATALOG [RUNS [find]]\n");
    return 2;
  }
  int runs = argc > 3 ? std::atoi(argv[3]) : 3;
  if (runs < 1) runs = 1;
  const bool findAlone = argc > 4 && std::string(argv[4]) == "find";
  SetModuleInstance(GetModuleHandleA(nullptr));
  StartWatchdog();
  ForgetBenchSettings();
  g_program.mainWindow.SetSettingsKeyPath(kBenchSettingsKey);
  if (!StartUp(g_program, SW_SHOWNORMAL)) {
    std::fprintf(stderr, "desktop bench: the main window could not be created\n");
    return 1;
  }
  bool measured = findAlone ? BenchFind(argv[1], runs, findAlone)
                            : BenchOpen(argv[1], runs) && BenchFill(argv[2], runs) && BenchSort(runs) &&
                                  BenchFind(argv[1], runs, findAlone);
  DestroyWindow(g_program.mainWindow.Handle());
  ForgetBenchSettings();
  return measured ? 0 : 1;
}
