#pragma once
// A fresh program per test: its own settings key, wiped first, openers that
// record instead of starting a browser, and the real start-up.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/program.h"

namespace vardek::testing {

inline constexpr char kTestSettingsKey[] = "Software\\VardekShellTests\\Settings";

class ShellTest : public ::testing::Test {
 public:
  // What the program asked the shell to open, in order.
  static std::vector<std::string> openedDocuments;
  static std::vector<std::string> openedAddresses;

 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the start-up (settings written before it count).
  void Start(int showCommand = SW_SHOWNORMAL);
  // A new run of the program over the settings the last one left.
  void Restart();
  // Runs the real message loop until it ends; false when it did not end in time.
  bool RunLoopUntilQuit(DWORD timeoutMilliseconds = 10000);

  MainWindow& Window() { return program_->mainWindow; }
  Program& TheProgram() { return *program_; }

  // Registry access to the test key.
  static void WriteBinary(const char* name, const void* data, DWORD size);
  static void WriteNumber(const char* name, DWORD value);
  static void WriteString(const char* name, const char* text);
  static bool ReadValue(const char* name, std::vector<unsigned char>& data);
  static bool HasValue(const char* name);
  static DWORD ReadNumber(const char* name);
  static std::string ReadString(const char* name);

  // Gives the main window a client area of this size.
  void SetClientSize(int width, int height);
  RECT ChildRectangle(HWND child) const;  // in the main window's client coordinates

 private:
  void MakeProgram();
  void EndProgram();

  std::unique_ptr<Program> program_;
};

}  // namespace vardek::testing
