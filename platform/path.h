#pragma once
// The path rules of the platform: which characters separate folders, and how
// a path splits into its folder and its last name.
#include <string>
#include <string_view>

namespace vardek::platform {

// The folder separator of paths the program builds.
#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// Windows takes "\" and "/" alike; Linux only "/".
bool IsPathSeparator(char c);

// Everything up to and including the path's last separator (on Windows also
// a drive's colon, "Z:"); "" for a bare name.
std::string_view FolderOf(std::string_view path);

// The path without separators at its end; a path made of a root alone ("/",
// "Z:\") keeps its root.
std::string_view WithoutTrailingSeparators(std::string_view path);

// A folder as a walk takes it: "." for "", the platform's separators only,
// and ending in a separator ("Z:" becomes "Z:\").
std::string WalkRootOf(std::string_view folder);

// Shell wildcards as Windows knows them: "*" any run, "?" one character,
// case ignored for A-Z; "*.*" also takes names without a dot.
bool MatchesWildcard(const char* pattern, const char* name);

}  // namespace vardek::platform
