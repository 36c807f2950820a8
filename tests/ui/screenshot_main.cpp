// Shows one window of the framework for `make screenshots`: a message box in
// one of its button sets, the About box, or the work window, over a plain
// owner window. Usage: vardek_ui_screens SCENE READY_FILE DONE_FILE
// When the scene is painted it writes the owner's screen rectangle
// ("x y width height") to READY_FILE, then closes once DONE_FILE exists.
#include <cstdio>
#include <cstring>
#include <string>

#include "resources/program_info.h"
#include "resources/resource_ids.h"
#include "ui/about_box.h"
#include "ui/message_box.h"
#include "ui/module.h"
#include "ui/work_window.h"

namespace {

using namespace vardek;

constexpr UINT kTickMilliseconds = 100;
constexpr int kTicksBeforeReady = 5;     // let the scene paint first
constexpr int kTicksBeforeGivingUp = 300;  // 30 s without DONE_FILE: end anyway

std::string g_readyFile;
std::string g_doneFile;
HWND g_owner = nullptr;
int g_ticks = 0;
bool g_ready = false;
bool g_finished = false;

class OwnerWindow : public Window {
 public:
  OwnerWindow() { RegisterWindowClass(); }
  bool RegisterWindowClass() override {
    WNDCLASSA windowClass{};
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1);
    windowClass.hIcon = LoadIconA(ModuleInstance(), MAKEINTRESOURCEA(IDI_VARDEK));
    windowClass.lpszClassName = "VardekScreenOwner";
    return RegisterOnce(classRegistered_, windowClass);
  }
  bool OnCreate() override { return true; }
  void OnPaint() override {
    PAINTSTRUCT paint;
    HDC context = BeginPaint(Handle(), &paint);
    FillRect(context, &paint.rcPaint, reinterpret_cast<HBRUSH>(COLOR_APPWORKSPACE + 1));
    EndPaint(Handle(), &paint);
  }

 private:
  static bool classRegistered_;
};
bool OwnerWindow::classRegistered_ = false;

bool FileExists(const std::string& path) {
  return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteReady() {
  RECT place;
  GetWindowRect(g_owner, &place);
  if (FILE* file = std::fopen(g_readyFile.c_str(), "w")) {
    std::fprintf(file, "%ld %ld %ld %ld\n", place.left, place.top, place.right - place.left,
                 place.bottom - place.top);
    std::fclose(file);
  }
  g_ready = true;
}

// Closes whatever the scene shows: the open box, or ends the work window's loop.
void Finish() {
  g_finished = true;
  if (HWND box = FindWindowA(MessageBoxWindow::kClassName, nullptr)) {
    PostMessageA(box, WM_CLOSE, 0, 0);
  }
}

void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
  ++g_ticks;
  if (!g_ready && g_ticks >= kTicksBeforeReady) WriteReady();
  if (g_ready && !g_finished && (FileExists(g_doneFile) || g_ticks > kTicksBeforeGivingUp)) {
    Finish();
  }
}

unsigned StyleOf(const std::string& scene) {
  if (scene == "okcancel") return MB_OKCANCEL | MB_ICONQUESTION;
  if (scene == "yesno") return MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2;
  if (scene == "yesnocancel") return MB_YESNOCANCEL | MB_ICONEXCLAMATION;
  return MB_OK | MB_ICONEXCLAMATION;
}

const char* TextOf(const std::string& scene) {
  if (scene == "okcancel") return "Holiday photos 2003 in\ndiscs.cat\n\nOk to delete?";
  if (scene == "yesno") return "Overwrite existing file?";
  if (scene == "yesnocancel") return "Save the changes to the catalog\nbefore closing?";
  return "Directory tree is corrupt.\nMore than 16 folder levels.\nLine number: 1,234";
}

const char* CaptionOf(const std::string& scene) {
  if (scene == "okcancel") return "Delete";
  if (scene == "yesno") return "C:\\Copies\\readme.txt";
  if (scene == "yesnocancel") return "Vardek";
  return "Holiday photos 2003";
}

void ShowWork() {
  WorkWindow work;
  work.SetColours(RGB(0, 0, 0), RGB(255, 215, 0));
  work.Show(g_owner, "Loading ...", 0);
  while (!g_finished) {
    WorkWindow::PumpMessages();
    if (!g_finished) WaitMessage();
  }
  work.Destroy();
}

int RunScene(const std::string& scene) {
  OwnerWindow owner;
  owner.SetStyle(WS_OVERLAPPEDWINDOW | WS_VISIBLE);
  if (!owner.CreateFromClass("VardekScreenOwner", nullptr, nullptr, "Vardek - discs.cat", 60, 60,
                             720, 520)) {
    return 2;
  }
  g_owner = owner.Handle();
  UINT_PTR timer = SetTimer(nullptr, 0, kTickMilliseconds, Tick);
  if (scene == "work") {
    ShowWork();
  } else if (scene == "about") {
    AboutBox about;
    about.Show(g_owner, kProgramAboutText, kMakerWebAddress, 0, IDI_VARDEK,
               MessageBoxWindow::kBlack, MessageBoxWindow::kLightGrey, MessageBoxWindow::kGrey);
  } else {
    MessageBoxWindow box;
    box.Show(g_owner, TextOf(scene), CaptionOf(scene), StyleOf(scene), 0,
             MessageBoxWindow::kBlack, MessageBoxWindow::kLightGrey, MessageBoxWindow::kGrey);
  }
  KillTimer(nullptr, timer);
  owner.Destroy();
  return g_ready ? 0 : 1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  SetModuleInstance(instance);
  if (__argc < 4) return 2;
  g_readyFile = __argv[2];
  g_doneFile = __argv[3];
  return RunScene(__argv[1]);
}
