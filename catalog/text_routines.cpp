#include "catalog/text_routines.h"

#include <cstring>

namespace vardek {

namespace {

bool IsFolderSeparator(char c) { return c == '\\' || c == '/' || c == ':'; }

// Where the extension of `path` begins: its last "." behind the last folder
// separator or colon, else its end. The slash counts as a separator too, so
// that a dot in a Linux folder name is never taken for an extension.
std::size_t ExtensionStart(std::string_view path) {
  for (std::size_t i = path.size(); i > 0; --i) {
    const char c = path[i - 1];
    if (c == '.') return i - 1;
    if (IsFolderSeparator(c)) break;
  }
  return path.size();
}

bool CanTakeExtension(std::string_view path) {
  return !path.empty() && !IsFolderSeparator(path.back());
}

std::string WithExtension(std::string_view path, const char* extension) {
  std::string result(path.substr(0, ExtensionStart(path)));
  if (extension[0] != '.') result += '.';
  result += extension;
  return result;
}

}  // namespace

bool SetExtension(char* path, std::size_t capacity, const char* extension) {
  const std::string_view current(path);
  if (!CanTakeExtension(current)) return false;
  const std::string result = WithExtension(current, extension);
  if (result.size() + 1 > capacity) return false;
  std::memcpy(path, result.c_str(), result.size() + 1);
  return true;
}

bool SetExtension(std::string& path, const char* extension) {
  if (!CanTakeExtension(path)) return false;
  path = WithExtension(path, extension);
  return true;
}

const char* NamePart(const char* path) {
  const char* name = path;
  for (const char* p = path; *p != '\0'; ++p) {
    if (IsFolderSeparator(*p)) name = p + 1;
  }
  // A path whose only separator is its first character keeps it whole.
  if (name == path + 1 && IsFolderSeparator(path[0])) return path;
  return name;
}

std::string ThousandsSeparators(std::string_view text) {
  std::size_t first = 0;
  while (first < text.size() && (text[first] < '0' || text[first] > '9')) ++first;
  std::size_t last = first;
  while (last < text.size() && text[last] >= '0' && text[last] <= '9') ++last;
  std::string result(text.substr(0, first));
  const std::string_view digits = text.substr(first, last - first);
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) result += ',';
    result += digits[i];
  }
  return result;
}

std::string FormatCount(long long count) {
  const unsigned long long magnitude = count < 0 ? 0ull - static_cast<unsigned long long>(count) : static_cast<unsigned long long>(count);
  std::string text = count < 0 ? std::string(1, '-') : std::string();
  text += ThousandsSeparators(std::to_string(magnitude));
  return text;
}

void CopyText(char* destination, std::size_t capacity, std::string_view text) {
  if (capacity == 0) return;
  const std::size_t length = text.size() < capacity - 1 ? text.size() : capacity - 1;
  std::memcpy(destination, text.data(), length);
  destination[length] = '\0';
}

}  // namespace vardek
