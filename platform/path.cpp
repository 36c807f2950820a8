#include "platform/path.h"

#include <cstring>

namespace vardek::platform {

namespace {

#ifdef _WIN32
constexpr bool kDriveColons = true;
#else
constexpr bool kDriveColons = false;
#endif

bool EndsFolder(std::string_view path, std::size_t length) {
  const char c = path[length - 1];
  return IsPathSeparator(c) || (kDriveColons && c == ':' && length == 2);
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool IsPathSeparator(char c) { return c == '/' || (kPathSeparator == '\\' && c == '\\'); }

std::string_view FolderOf(std::string_view path) {
  std::size_t cut = path.size();
  while (cut > 0 && !EndsFolder(path, cut)) --cut;
  return path.substr(0, cut);
}

std::string_view WithoutTrailingSeparators(std::string_view path) {
  std::size_t length = path.size();
  while (length > 1 && IsPathSeparator(path[length - 1]) && !(kDriveColons && length == 3 && path[1] == ':'))
    --length;
  return path.substr(0, length);
}

std::string WalkRootOf(std::string_view folder) {
  std::string root(folder.empty() ? std::string_view(".") : folder);
  for (char& c : root) {
    if (IsPathSeparator(c)) c = kPathSeparator;
  }
  if (!EndsFolder(root, root.size()) || root.back() == ':') root += kPathSeparator;
  return root;
}

bool MatchesWildcard(const char* pattern, const char* name) {
  if (std::strcmp(pattern, "*.*") == 0 || std::strcmp(pattern, "*") == 0) return true;
  const char* star = nullptr;
  const char* resume = nullptr;
  while (*name != '\0') {
    if (*pattern == '*') {
      star = pattern++;
      resume = name;
    } else if (*pattern == '?' || LowerAscii(*pattern) == LowerAscii(*name)) {
      ++pattern;
      ++name;
    } else if (star != nullptr) {
      pattern = star + 1;
      name = ++resume;
    } else {
      return false;
    }
  }
  while (*pattern == '*') ++pattern;
  return *pattern == '\0';
}

}  // namespace vardek::platform
