// vardek-cli: the command-line companion of Vardek, over the same core and
// the same catalogs as the desktop program.
#include <cstdio>
#include <cstring>

#include "cli/cli.h"
#include "platform/console.h"

namespace {

using vardek::cli::Arguments;

struct Command {
  const char* name;
  int (*run)(const Arguments&);
  const char* synopsis;
};

constexpr Command kCommands[] = {
    {"scan", vardek::cli::RunScan, "scan CATALOG DESCRIPTION FOLDER   add FOLDER (or an .iso image) as a new disc title"},
    {"titles", vardek::cli::RunTitles, "titles CATALOG...                 every disc description, in file order"},
    {"list", vardek::cli::RunList, "list CATALOG DESCRIPTION          the files of that disc title"},
    {"find", vardek::cli::RunFind,
     "find [--folders] [--all] [--sort name|date|folder|title] [--reverse]\n"
     "                  [--since DATE] [--until DATE] [--disc TEXT] TEXT CATALOG...\n"
     "                                               files or folders whose name contains TEXT\n"
     "                                               or fits a pattern with * and ?"},
    {"check", vardek::cli::RunCheck, "check CATALOG                     check the catalog's structure"},
    {"bad-dates", vardek::cli::RunBadDates, "bad-dates CATALOG                 files whose date is impossible"},
    {"delete", vardek::cli::RunDelete, "delete CATALOG DESCRIPTION        remove every title with that description"},
    {"convert", vardek::cli::RunConvert, "convert CATALOG                   convert an old-format catalog"},
    {"duplicates", vardek::cli::RunDuplicates,
     "duplicates [--all] [--name-only] [--min-discs N] CATALOG...\n"
     "                                               files that lie on two or more discs"},
    {"stats", vardek::cli::RunStats, "stats CATALOG...                  counts and date range of every disc"},
    {"report", vardek::cli::RunReport, "report CATALOG... -o FILE.html    a printable HTML page of the catalogs"},
};

void PrintToolHelp(std::FILE* stream) {
  std::fprintf(stream, "Usage: vardek-cli COMMAND [ARGUMENTS]\n\nCommands:\n");
  for (const Command& command : kCommands) std::fprintf(stream, "  vardek-cli %s\n", command.synopsis);
  std::fprintf(stream,
               "\nOptions:\n"
               "  --help      this text; 'vardek-cli COMMAND --help' describes one command\n"
               "  --version   the program's version\n"
               "\nfind, list, bad-dates, titles, duplicates and stats print tab-separated rows;\n"
               "--format csv or --format json prints them as CSV (RFC 4180) or JSON Lines\n"
               "instead.\n"
               "\nExit status: 0 success, 1 a finding or nothing matched, 2 usage errors and\n"
               "files that cannot be read or written.\n");
}

const Command* FindCommand(const char* name) {
  for (const Command& command : kCommands)
    if (std::strcmp(command.name, name) == 0) return &command;
  return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
  vardek::platform::PrepareConsole();
  if (argc < 2) {
    PrintToolHelp(stderr);
    return vardek::cli::kExitFailure;
  }
  const char* first = argv[1];
  if (std::strcmp(first, "--version") == 0 || std::strcmp(first, "-V") == 0) {
    std::printf("%s\n", vardek::cli::kVersionText);
    return vardek::cli::kExitSuccess;
  }
  if (std::strcmp(first, "--help") == 0 || std::strcmp(first, "-h") == 0) {
    PrintToolHelp(stdout);
    return vardek::cli::kExitSuccess;
  }
  if (std::strcmp(first, "help") == 0) {
    if (argc < 3) {
      PrintToolHelp(stdout);
      return vardek::cli::kExitSuccess;
    }
    first = argv[2];
    if (const Command* command = FindCommand(first)) return command->run(Arguments{"--help"});
  }
  const Command* command = FindCommand(first);
  if (command == nullptr) {
    std::fprintf(stderr, "vardek-cli: unknown command '%s'\nTry 'vardek-cli --help'.\n", first);
    return vardek::cli::kExitFailure;
  }
  return command->run(Arguments(argv + 2, argv + argc));
}
