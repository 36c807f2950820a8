#pragma once
// The program's own texts that the shell shows; the About lines and the maker's
// addresses are the program's, shared with the tools that show them.
#include "resources/program_info.h"

namespace vardek {

inline constexpr char kLoadingText[] = "Loading ...";

}  // namespace vardek
