#pragma once
// The main window's caption: the program's name and which catalog is loaded.
// No window is needed to build it.
#include <cstddef>

namespace vardek {

inline constexpr std::size_t kCaptionSize = 120;  // caption buffer, terminator included
inline constexpr char kUntitledSuffix[] = " - Untitled";
inline constexpr char kAllCatalogsSuffix[] = " - All catalogs";
inline constexpr char kNameSeparator[] = " - ";

// "Vardek" and " - Untitled" without a current catalog, " - All catalogs"
// with two or more loaded, else " - " and the only loaded catalog's name (or,
// with none loaded, the current catalog's file name). Cut to `capacity`.
void BuildWindowTitle(const char* catalogPath, int loadedCount, const char* onlyLoadedName,
                      char* caption, std::size_t capacity);

}  // namespace vardek
