#pragma once
// --format tsv|csv|json, of every command that prints rows.
#include "cli/arguments.h"
#include "cli/field_text.h"

namespace vardek::cli {

inline constexpr OptionSpec kFormatOption = {"--format", true};

// The format --format names (tsv without it); false after the usage error
// for any other value.
bool ReadFormatOption(const CommandLine& line, const CommandHelp& help, RowFormat& format);

}  // namespace vardek::cli
