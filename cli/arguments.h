#pragma once
// Splitting a command's arguments into options and operands, and the help
// and usage texts that go with it.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "cli/cli.h"

namespace vardek::cli {

struct CommandHelp {
  const char* name;
  const char* usage;        // operands and options after the command name
  const char* description;  // the rest of the --help text
};

struct OptionSpec {
  const char* name;  // with its dashes: "--sort"
  bool takesValue;
};

struct CommandLine {
  std::vector<std::string> operands;
  std::vector<std::pair<std::string, std::string>> options;
  bool help = false;

  bool Has(const char* name) const;
  // The value given last for the option, or nullptr.
  const std::string* Value(const char* name) const;
};

// "--" ends the options, so that a search text may begin with a dash.
// Prints the usage error and returns false for an unknown option or a
// missing option value.
bool ParseCommandLine(const Arguments& arguments, std::initializer_list<OptionSpec> options,
                      const CommandHelp& help, CommandLine& line);

// Checks the operand count; prints the usage error when it is wrong.
bool ExpectOperands(const CommandLine& line, std::size_t least, std::size_t most, const CommandHelp& help);

// Both of the above, and --help: false when the command is done already
// (help printed, or a usage error), with its exit status in `exitStatus`.
bool ReadCommandLine(const Arguments& arguments, std::initializer_list<OptionSpec> options, const CommandHelp& help,
                     std::size_t leastOperands, std::size_t mostOperands, CommandLine& line, int& exitStatus);

void PrintHelp(const CommandHelp& help);
// Prints the message, the usage line and a pointer to --help; returns 2.
int UsageError(const CommandHelp& help, const std::string& message);

}  // namespace vardek::cli
