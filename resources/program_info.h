#pragma once
// The program's own About text and the maker's addresses, apart from any
// window: the window framework shows what it is given.
#include "vardek_version.h"

namespace vardek {

inline constexpr char kProgramAboutText[] =
    "Vardek " VARDEK_VERSION_TEXT "\nCopyright (c) 2026 Bramwick Software";
inline constexpr char kMakerWebAddress[] = "https://www.bramwick.example/";
inline constexpr char kUpdatePageAddress[] = "https://www.bramwick.example/vardek/";

}  // namespace vardek
