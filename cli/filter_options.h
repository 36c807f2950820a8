#pragma once
// The filter options that find, list and bad-dates share: --since DATE,
// --until DATE and --disc TEXT, read into the core's FindFilter.
#include "browse/collect.h"
#include "catalog/reporter.h"
#include "cli/arguments.h"

namespace vardek::cli {

inline constexpr OptionSpec kSinceOption = {"--since", true};
inline constexpr OptionSpec kUntilOption = {"--until", true};
inline constexpr OptionSpec kDiscOption = {"--disc", true};

// --since and --until (YYYY-MM-DD, calendar dates) into `filter`, which
// becomes dated when either is given; false after the usage error.
bool ReadDateOptions(const CommandLine& line, const CommandHelp& help, FindFilter& filter);

// --disc as the walks compare it (catalog text, A-Z lowered), when given.
void ReadDiscOption(const CommandLine& line, FindFilter& filter);

// After a dated walk: how many files it left out for a date it cannot read.
void ReportUndated(const FindFilter& filter, Reporter& reporter);

}  // namespace vardek::cli
