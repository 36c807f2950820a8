#include "shell_fixture.h"

#include "automation.h"

namespace vardek::testing {

std::vector<std::string> ShellTest::openedDocuments;
std::vector<std::string> ShellTest::openedAddresses;

namespace {

void RecordDocument(const char* path) { ShellTest::openedDocuments.push_back(path); }

void RecordAddress(HWND, const char* address) { ShellTest::openedAddresses.push_back(address); }

HKEY OpenTestKey() {
  HKEY key = nullptr;
  RegCreateKeyExA(HKEY_CURRENT_USER, kTestSettingsKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &key, nullptr);
  return key;
}

}  // namespace

void ShellTest::SetUp() {
  RegDeleteTreeA(HKEY_CURRENT_USER, kTestSettingsKey);
  openedDocuments.clear();
  openedAddresses.clear();
  MakeProgram();
}

void ShellTest::TearDown() { EndProgram(); }

void ShellTest::MakeProgram() {
  program_ = std::make_unique<Program>();
  program_->mainWindow.SetSettingsKeyPath(kTestSettingsKey);
  program_->mainWindow.SetAddressOpener(RecordAddress);
  program_->helpPage.SetOpener(RecordDocument);
}

void ShellTest::EndProgram() {
  if (!program_) return;
  if (program_->mainWindow.Handle()) DestroyWindow(program_->mainWindow.Handle());
  PumpFor(50);  // takes the quit message the destroy posted
  program_.reset();
}

void ShellTest::Restart() {
  EndProgram();
  MakeProgram();
}

void ShellTest::Start(int showCommand) {
  ASSERT_TRUE(StartUp(*program_, showCommand));
  PumpFor(50);
}

namespace {
bool g_loopTimedOut = false;
void CALLBACK EndLoopAtDeadline(HWND, UINT, UINT_PTR, DWORD) {
  g_loopTimedOut = true;
  PostQuitMessage(0);
}
}  // namespace

bool ShellTest::RunLoopUntilQuit(DWORD timeoutMilliseconds) {
  // At the deadline a quit message ends the loop; the window is left for TearDown.
  g_loopTimedOut = false;
  UINT_PTR timer = SetTimer(nullptr, 0, timeoutMilliseconds, EndLoopAtDeadline);
  program_->mainWindow.RunMessageLoop();
  KillTimer(nullptr, timer);
  return !g_loopTimedOut;
}

void ShellTest::WriteBinary(const char* name, const void* data, DWORD size) {
  HKEY key = OpenTestKey();
  RegSetValueExA(key, name, 0, REG_BINARY, static_cast<const BYTE*>(data), size);
  RegCloseKey(key);
}

void ShellTest::WriteNumber(const char* name, DWORD value) {
  HKEY key = OpenTestKey();
  RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
  RegCloseKey(key);
}

void ShellTest::WriteString(const char* name, const char* text) {
  HKEY key = OpenTestKey();
  RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                 static_cast<DWORD>(strlen(text) + 1));
  RegCloseKey(key);
}

bool ShellTest::ReadValue(const char* name, std::vector<unsigned char>& data) {
  HKEY key = OpenTestKey();
  DWORD size = 0;
  bool found = RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS;
  data.assign(size, 0);
  if (found && size) {
    found = RegQueryValueExA(key, name, nullptr, nullptr, data.data(), &size) == ERROR_SUCCESS;
  }
  RegCloseKey(key);
  return found;
}

bool ShellTest::HasValue(const char* name) {
  std::vector<unsigned char> data;
  return ReadValue(name, data);
}

DWORD ShellTest::ReadNumber(const char* name) {
  std::vector<unsigned char> data;
  DWORD value = 0xDEADBEEF;
  if (ReadValue(name, data) && data.size() == sizeof value) memcpy(&value, data.data(), sizeof value);
  return value;
}

std::string ShellTest::ReadString(const char* name) {
  std::vector<unsigned char> data;
  if (!ReadValue(name, data) || data.empty()) return "<missing>";
  return std::string(reinterpret_cast<const char*>(data.data()));
}

void ShellTest::SetClientSize(int width, int height) {
  HWND window = Window().Handle();
  RECT outer{0, 0, width, height};
  AdjustWindowRect(&outer, MainWindow::kStyle, TRUE);
  SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER);
  // The menu bar may wrap: correct by what the client really got.
  RECT client;
  GetClientRect(window, &client);
  if (client.right != width || client.bottom != height) {
    SetWindowPos(window, nullptr, 0, 0, outer.right - outer.left + width - client.right,
                 outer.bottom - outer.top + height - client.bottom, SWP_NOMOVE | SWP_NOZORDER);
  }
  PumpFor(30);
}

RECT ShellTest::ChildRectangle(HWND child) const {
  RECT place;
  GetWindowRect(child, &place);
  MapWindowPoints(nullptr, program_->mainWindow.Handle(), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

}  // namespace vardek::testing
