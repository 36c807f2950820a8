// Copy/Execute: a found file, from its disc in the drive the user confirms,
// copied into a chosen folder or opened with its program.
#include <cstring>
#include <string>

#include "browse/result_list.h"
#include "catalog/reporter.h"
#include "catalog/text_routines.h"
#include "platform/files.h"
#include "shell/command_texts.h"
#include "shell/desktop_commands.h"
#include "shell/file_list_view.h"
#include "shell/folder_browser.h"
#include "shell/command_window.h"
#include "shell/session.h"
#include "shell/status_bar.h"
#include "ui/error_box.h"

#include <shellapi.h>

namespace vardek {

namespace {

constexpr unsigned kOverwriteStyle = MB_YESNO | MB_ICONQUESTION;  // 0x24

bool AskToOverwrite(HWND owner, const char* destination) {
  return ShowProgramBox(owner, kOverwriteQuestion, destination, kOverwriteStyle) == IDYES;
}

// "The file could not be copied." and the system's words for `error`.
std::string CopyFailureText(DWORD error) {
  char reason[256] = "";
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                reason, sizeof reason, nullptr);
  while (length > 0 && (reason[length - 1] == '\n' || reason[length - 1] == '\r' || reason[length - 1] == ' ')) {
    reason[--length] = '\0';
  }
  std::string text = kCopyFailed;
  text += '\n';
  text += length > 0 ? reason : ("Error " + std::to_string(error)).c_str();
  return text;
}

bool AlreadyThere(DWORD error) { return error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS; }

}  // namespace

bool BuildSourcePath(const char* drive, const char* folder, const char* name, char* path, int capacity) {
  std::string built = std::string(drive, strnlen(drive, 2)) + folder;
  if (built.empty() || built.back() != '\\') built += '\\';
  built += name;
  if (capacity <= 0 || built.size() + 1 > static_cast<std::size_t>(capacity)) {
    if (capacity > 0) path[0] = '\0';
    return false;
  }
  std::memcpy(path, built.c_str(), built.size() + 1);
  return true;
}

void DesktopCommands::CopyOrOpenFile() {
  FileListView& list = parts_.list;
  const int item = list.SelectedItem();
  if (item < 0) return;
  const ResultList& results = parts_.session.Results();
  const int row = static_cast<int>(list.ItemData(item));
  if (!results.HoldsRow(row)) return;
  const ResultRow& entry = results.Row(row);
  const std::string name = results.Name(entry);
  if (name.empty()) return;  // a folder found by Find
  SessionState& state = parts_.session.State();
  SourcePathBuffer source;
  if (!BuildSourcePath(state.sourceDrive, results.Folder(entry), name.c_str(), source, sizeof source)) {
    parts_.report.ErrorBox(kSourcePathTooLong, name.c_str());
    return;
  }
  parts_.status.SetText(kStatusResultPart, source);
  const std::string disc = results.Title(entry);
  if (insertDiscPrompt_.Ask(parts_.window.Owner(), source, disc.c_str()) != DialogAnswer::Ok) return;
  // The drive is remembered even when the file is not found on it.
  state.sourceDrive[0] = source[0];
  state.sourceDrive[1] = ':';
  state.sourceDrive[2] = '\0';
  if (!platform::FileExists(source)) {
    parts_.report.ErrorBox(kFileNotFound, source);
    return;
  }
  if (insertDiscPrompt_.Operation() == DiscOperation::Copy) {
    CopyToChosenFolder(source, name.c_str());
  } else {
    ShellExecuteA(parts_.window.Owner(), kOpenVerb, source, nullptr, nullptr, SW_SHOWNORMAL);
  }
}

void DesktopCommands::CopyToChosenFolder(const char* source, const char* name) {
  FolderBrowser browser;
  if (!browser.Browse(parts_.window.Owner(), kChooseDestination)) return;
  char destination[kPathSize];
  const std::string built = std::string(browser.Path()) + name;
  if (built.size() + 1 > sizeof destination) {
    parts_.report.ErrorBox(kDestinationTooLong, built.c_str());
    return;
  }
  CopyText(destination, sizeof destination, built.c_str());
  if (CopyFileA(source, destination, TRUE)) return;
  DWORD error = GetLastError();
  if (AlreadyThere(error)) {
    if (!AskToOverwrite(parts_.window.Owner(), destination)) return;
    if (CopyFileA(source, destination, FALSE)) return;
    error = GetLastError();
  }
  parts_.report.ErrorBox(CopyFailureText(error).c_str(), destination);
}

}  // namespace vardek
