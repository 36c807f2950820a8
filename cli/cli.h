#pragma once
// Shared pieces of the vardek-cli commands.
#include <string>
#include <vector>

#include "vardek_version.h"

namespace vardek::cli {

// 0 success, 1 a finding or nothing matched, 2 usage errors and files that
// cannot be read or written.
enum ExitCode : int { kExitSuccess = 0, kExitFinding = 1, kExitFailure = 2 };

inline constexpr const char* kToolName = "vardek-cli";
inline constexpr const char* kVersionText = "Vardek " VARDEK_VERSION_TEXT;
// The Find dialog's field holds 39 characters.
inline constexpr std::size_t kMaxSearchTextLength = 39;

using Arguments = std::vector<std::string>;

int RunScan(const Arguments& arguments);
int RunTitles(const Arguments& arguments);
int RunList(const Arguments& arguments);
int RunFind(const Arguments& arguments);
int RunCheck(const Arguments& arguments);
int RunBadDates(const Arguments& arguments);
int RunDelete(const Arguments& arguments);
int RunConvert(const Arguments& arguments);
int RunDuplicates(const Arguments& arguments);
int RunStats(const Arguments& arguments);
int RunReport(const Arguments& arguments);

}  // namespace vardek::cli
