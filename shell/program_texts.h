#pragma once
// The program's own texts that the shell shows: the About lines and the maker's addresses.

namespace vardek {

inline constexpr char kProgramName[] = "Vardek";
inline constexpr char kProgramAboutText[] =
    "Vardek " VARDEK_VERSION_TEXT "\nCopyright (c) 2026 Bramwick Software";
inline constexpr char kMakerWebAddress[] = "https://www.bramwick.example/";
inline constexpr char kUpdatePageAddress[] = "https://www.bramwick.example/vardek/";
inline constexpr char kLoadingText[] = "Loading ...";

}  // namespace vardek
