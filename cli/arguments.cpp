#include "cli/arguments.h"

#include <cstdio>
#include <cstring>

namespace vardek::cli {

bool CommandLine::Has(const char* name) const {
  for (const auto& option : options)
    if (option.first == name) return true;
  return false;
}

const std::string* CommandLine::Value(const char* name) const {
  const std::string* value = nullptr;
  for (const auto& option : options)
    if (option.first == name) value = &option.second;
  return value;
}

namespace {

const OptionSpec* FindOption(std::initializer_list<OptionSpec> options, const std::string& name) {
  for (const OptionSpec& option : options)
    if (name == option.name) return &option;
  return nullptr;
}

}  // namespace

bool ParseCommandLine(const Arguments& arguments, std::initializer_list<OptionSpec> options,
                      const CommandHelp& help, CommandLine& line) {
  line = CommandLine{};
  bool optionsEnded = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    // A lone "-" is an operand; everything after "--" is too.
    if (optionsEnded || argument.size() < 2 || argument[0] != '-') {
      line.operands.push_back(argument);
      continue;
    }
    if (argument == "--") {
      optionsEnded = true;
      continue;
    }
    if (argument == "--help" || argument == "-h") {
      line.help = true;
      continue;
    }
    std::string name = argument;
    std::string value;
    bool hasInlineValue = false;
    const std::size_t equals = argument.find('=');
    if (argument.compare(0, 2, "--") == 0 && equals != std::string::npos) {
      name = argument.substr(0, equals);
      value = argument.substr(equals + 1);
      hasInlineValue = true;
    }
    const OptionSpec* known = FindOption(options, name);
    if (known == nullptr) {
      UsageError(help, "unknown option " + name);
      return false;
    }
    if (known->takesValue && !hasInlineValue) {
      if (i + 1 >= arguments.size()) {
        UsageError(help, "option " + name + " needs a value");
        return false;
      }
      value = arguments[++i];
    } else if (!known->takesValue && hasInlineValue) {
      UsageError(help, "option " + name + " takes no value");
      return false;
    }
    line.options.emplace_back(name, value);
  }
  return true;
}

bool ExpectOperands(const CommandLine& line, std::size_t least, std::size_t most, const CommandHelp& help) {
  if (line.operands.size() < least) {
    UsageError(help, "missing operand");
    return false;
  }
  if (line.operands.size() > most) {
    UsageError(help, "too many operands");
    return false;
  }
  return true;
}

bool ReadCommandLine(const Arguments& arguments, std::initializer_list<OptionSpec> options, const CommandHelp& help,
                     std::size_t leastOperands, std::size_t mostOperands, CommandLine& line, int& exitStatus) {
  exitStatus = kExitFailure;
  if (!ParseCommandLine(arguments, options, help, line)) return false;
  if (line.help) {
    PrintHelp(help);
    exitStatus = kExitSuccess;
    return false;
  }
  return ExpectOperands(line, leastOperands, mostOperands, help);
}

void PrintHelp(const CommandHelp& help) {
  std::printf("Usage: %s %s %s\n\n%s", kToolName, help.name, help.usage, help.description);
  std::fflush(stdout);
}

int UsageError(const CommandHelp& help, const std::string& message) {
  std::fprintf(stderr, "%s %s: %s\nUsage: %s %s %s\nTry '%s %s --help' for more information.\n", kToolName,
               help.name, message.c_str(), kToolName, help.name, help.usage, kToolName, help.name);
  return kExitFailure;
}

}  // namespace vardek::cli
