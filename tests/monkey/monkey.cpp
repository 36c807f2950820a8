// A random exerciser of Vardek.exe: starts the program, does a seeded random
// sequence of ordinary actions on it (actions.cpp), and after each one makes
// sure the program still runs and answers. At the end it closes the program as
// a user would and checks the catalogs it may have changed.
// Usage: vardek_monkey --program VARDEK.EXE --cli VARDEK-CLI.EXE --folder DIR
//                      (--seed N --steps N [--leave-out VERB,...] | --replay LOG)
// Every step is printed as "step N: ..." before it is done; --replay reads
// such lines back (up to a "FAULT" line) and does them again.
// Exit code: 0 when no fault was seen, 1 on a fault, 2 on a usage error.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "actions.h"

namespace {

constexpr DWORD kStartDeadline = 60000;
constexpr DWORD kCloseDeadline = 60000;
constexpr UINT kAnswerTimeout = 20000;  // a step may read or scan a while without pumping

struct Options {
  std::string program;
  std::string cli;
  std::string folder;
  std::string replay;
  std::string leftOut;  // verbs not to choose, comma-separated: to look past a fault found already
  unsigned seed = 1;
  int steps = 100;
};

class Run {
 public:
  explicit Run(const Options& options) : options_(options), random_(options.seed) {
    target_.folder = options.folder;
  }

  int Go() {
    notesBefore_ = ReadWhole(options_.folder + "notes.catalog");
    if (!Start()) return Fault("the program did not come up");
    std::vector<monkey::Action> replayed;
    if (!options_.replay.empty() && !ReadReplay(replayed)) return Fault("cannot read " + options_.replay);
    const int steps = options_.replay.empty() ? options_.steps : static_cast<int>(replayed.size());
    for (step_ = 1; step_ <= steps; ++step_) {
      const monkey::Action action =
          options_.replay.empty() ? monkey::Choose(random_, target_, options_.leftOut) : replayed[static_cast<std::size_t>(step_ - 1)];
      if (!Do(action)) return 1;
    }
    if (!Close()) return 1;
    return CheckFiles() ? 0 : 1;
  }

 private:
  void Say(const std::string& line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  }

  int Fault(const std::string& reason) {
    Say("FAULT (seed " + std::to_string(options_.seed) + ", step " + std::to_string(done_) + "): " + reason);
    Say("The whole sequence:");
    for (const std::string& line : sequence_) Say(line);
    Say("FAULT (seed " + std::to_string(options_.seed) + ", step " + std::to_string(done_) + " of " +
        std::to_string(done_) + " done): " + reason);
    if (process_.hProcess) TerminateProcess(process_.hProcess, 1);
    return 1;
  }

  bool Do(const monkey::Action& action) {
    const std::string line = "step " + std::to_string(++done_) + ": " + monkey::Format(action);
    sequence_.push_back(line);
    Say(line);
    const std::string note = monkey::Perform(action, target_);
    sequence_.push_back("        -> " + note);
    Say(sequence_.back());
    Sleep(static_cast<DWORD>(action.pauseMs));
    return StillWell();
  }

  bool Start() {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    std::string commandLine = "\"" + options_.program + "\"";
    if (!CreateProcessA(options_.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        options_.folder.c_str(), &startup, &process_)) {
      return false;
    }
    CloseHandle(process_.hThread);
    target_ = monkey::Target{};
    target_.process = process_.dwProcessId;
    target_.folder = options_.folder;
    for (DWORD waited = 0; waited < kStartDeadline; waited += 50) {
      if (monkey::FindWindows(target_)) return true;
      if (Ended()) return false;
      Sleep(50);
    }
    return false;
  }

  bool Ended() const { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; }

  DWORD ExitCode() const {
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return code;
  }

  static std::string Hex(DWORD code) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(code));
    return text;
  }

  // The process is alive and its main window answers; a program that ended
  // after a close was asked for is started again.
  bool StillWell() {
    if (!Ended() && !IsWindow(target_.main) && WaitForSingleObject(process_.hProcess, kAnswerTimeout) == WAIT_TIMEOUT) {
      Fault("the main window is gone but Vardek.exe did not end within " + std::to_string(kAnswerTimeout / 1000) + " s");
      return false;
    }
    if (Ended()) {
      const DWORD code = ExitCode();
      if (!target_.closeAsked || code != 0) {
        Fault("Vardek.exe ended with exit code " + Hex(code) + (target_.closeAsked ? " after a close" : ""));
        return false;
      }
      CloseHandle(process_.hProcess);
      process_ = PROCESS_INFORMATION{};
      sequence_.push_back("        -> the program ended after the close; started again");
      Say(sequence_.back());
      if (!Start()) {
        Fault("the program did not come up again");
        return false;
      }
      return true;
    }
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(target_.main, WM_NULL, 0, 0, SMTO_NORMAL, kAnswerTimeout, &result)) {
      // A window destroyed by a close while it was asked answers nothing: the
      // program is on its way out, which the first test above waits for.
      if (Ended() || !IsWindow(target_.main)) return StillWell();
      Fault("the main window did not answer within " + std::to_string(kAnswerTimeout / 1000) + " s" + CpuNote());
      return false;
    }
    return true;
  }

  // As a user would: WM_CLOSE, then any box that comes up answered, until the program ends.
  bool Close() {
    Say("closing the program");
    target_.closeAsked = true;
    PostMessageA(target_.main, WM_CLOSE, 0, 0);
    for (DWORD waited = 0; !Ended(); waited += 250) {
      if (waited >= kCloseDeadline) {
        Fault("the program did not close within " + std::to_string(kCloseDeadline / 1000) + " s");
        return false;
      }
      Sleep(250);
      if (monkey::CurrentBox(target_.process)) {
        monkey::Action answer;
        answer.verb = "answer";
        answer.pick = random_();
        answer.option = random_();
        if (!Do(answer)) return false;
      } else if (waited % 2000 == 0) {
        PostMessageA(target_.main, WM_CLOSE, 0, 0);
      }
    }
    if (ExitCode() != 0) {
      Fault("Vardek.exe ended with exit code " + Hex(ExitCode()) + " on close");
      return false;
    }
    Say("the program closed");
    return true;
  }

  // Whether a program that does not answer is working (a loop) or waiting (a deadlock).
  std::string CpuNote() const {
    auto cpu = [this] {
      FILETIME created, ended, kernel, user;
      if (!GetProcessTimes(process_.hProcess, &created, &ended, &kernel, &user)) return 0ULL;
      auto ticks = [](const FILETIME& t) { return (static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime; };
      return ticks(kernel) + ticks(user);
    };
    const unsigned long long before = cpu();
    Sleep(1000);
    const unsigned long long used = (cpu() - before) / 10000;  // 100 ns ticks to ms
    return " (it used " + std::to_string(used) + " ms of processor time in the next second)";
  }

  static std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  std::vector<std::string> FilesLike(const std::string& pattern) const {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE listing = FindFirstFileA((options_.folder + pattern).c_str(), &found);
    if (listing == INVALID_HANDLE_VALUE) return names;
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
    } while (FindNextFileA(listing, &found));
    FindClose(listing);
    return names;
  }

  // Every catalog in the folder passes `vardek-cli check`, no temp file is
  // left, and the text file that is no catalog is as it was.
  bool CheckFiles() {
    for (const std::string& name : FilesLike("*.$$$")) {
      Fault("a temp file was left: " + name);
      return false;
    }
    if (ReadWhole(options_.folder + "notes.catalog") != notesBefore_) {
      Fault("notes.catalog, which is no catalog, was changed");
      return false;
    }
    for (const std::string& name : FilesLike("*.cat")) {
      if (name.size() < 4 || _stricmp(name.c_str() + name.size() - 4, ".cat") != 0) continue;
      const std::string path = options_.folder + name;
      std::string commandLine = "\"" + options_.cli + "\" check \"" + path + "\"";
      STARTUPINFOA startup{};
      startup.cb = sizeof startup;
      PROCESS_INFORMATION check{};
      if (!CreateProcessA(options_.cli.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &check)) {
        Fault("cannot run " + options_.cli);
        return false;
      }
      WaitForSingleObject(check.hProcess, INFINITE);
      DWORD code = 1;
      GetExitCodeProcess(check.hProcess, &code);
      CloseHandle(check.hProcess);
      CloseHandle(check.hThread);
      if (code != 0) {
        Fault("the catalog " + name + " fails vardek-cli check (exit code " + std::to_string(code) + ")");
        return false;
      }
      Say("checked " + name);
    }
    return true;
  }

  bool ReadReplay(std::vector<monkey::Action>& actions) const {
    std::ifstream in(options_.replay);
    if (!in) return false;
    std::string line;
    // A fault report lists the sequence again after its first line.
    while (std::getline(in, line) && line.rfind("FAULT", 0) != 0) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      monkey::Action action;
      if (monkey::Parse(line, action)) actions.push_back(action);
    }
    return true;
  }

  Options options_;
  std::mt19937 random_;
  monkey::Target target_;
  PROCESS_INFORMATION process_{};
  std::vector<std::string> sequence_;
  std::string notesBefore_;
  int step_ = 0;
  int done_ = 0;  // steps done, the closing's answers too
};

}  // namespace

int main(int argc, char** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    const char* value = argv[i + 1];
    if (name == "--program") options.program = value;
    else if (name == "--cli") options.cli = value;
    else if (name == "--folder") options.folder = value;
    else if (name == "--replay") options.replay = value;
    else if (name == "--seed") options.seed = static_cast<unsigned>(std::strtoul(value, nullptr, 10));
    else if (name == "--steps") options.steps = std::atoi(value);
    else if (name == "--leave-out") options.leftOut = value;
  }
  if (options.program.empty() || options.cli.empty() || options.folder.empty() || argc % 2 == 0) {
    std::fprintf(stderr,
                 "usage: vardek_monkey --program VARDEK.EXE --cli VARDEK-CLI.EXE --folder DIR\\ "
                 "(--seed N --steps N | --replay LOG)\n");
    return 2;
  }
  if (options.folder.back() != '\\') options.folder += '\\';
  std::printf("seed %u, %d steps, catalogs in %s\n", options.seed, options.steps, options.folder.c_str());
  return Run(options).Go();
}
