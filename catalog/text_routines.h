#pragma once
// Small text routines for file names and status lines.
#include <cstddef>
#include <string>
#include <string_view>

namespace vardek {

// Replaces the path's extension (the text from the last "." behind the last
// folder separator or colon) by `extension`, or appends it when there is none.
// Fails, leaving the path unchanged, when the path is empty or ends with a
// separator or colon, or when the result would not fit in `capacity` bytes.
bool SetExtension(char* path, std::size_t capacity, const char* extension);
bool SetExtension(std::string& path, const char* extension);

// The file name part of a path: the text after its last backslash, colon or
// slash; the whole path when it has none or only a leading one.
const char* NamePart(const char* path);

// The first run of digits in `text` with a "," between groups of three;
// whatever follows the run is dropped ("Line number: 1234" -> "Line number: 1,234").
std::string ThousandsSeparators(std::string_view text);

// A count as the user sees it: 1234567 -> "1,234,567".
std::string FormatCount(long long count);

// Copies at most capacity - 1 bytes and always terminates.
void CopyText(char* destination, std::size_t capacity, std::string_view text);

}  // namespace vardek
