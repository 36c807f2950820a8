#include "platform/text_compare.h"

#include "platform/win32/windows_min.h"

namespace vardek::platform {

int CompareTextNoCase(const char* a, const char* b) { return lstrcmpiA(a, b); }
int CompareText(const char* a, const char* b) { return lstrcmpA(a, b); }
// lstrcmpiA's order is the system's own: no key is derived from it.
SortPrefix SortPrefixNoCase(const char*) { return {}; }

// The sort key of the locale and flags that lstrcmpiA compares with.
bool AppendSortKeyNoCase(const char* text, std::string& keys) {
  constexpr DWORD kFlags = LCMAP_SORTKEY | NORM_IGNORECASE;
  const LCID locale = GetThreadLocale();
  char buffer[1024];
  int size = LCMapStringA(locale, kFlags, text, -1, buffer, static_cast<int>(sizeof buffer));
  if (size > 0) {
    keys.append(buffer, static_cast<std::size_t>(size));
    return true;
  }
  size = LCMapStringA(locale, kFlags, text, -1, nullptr, 0);  // a long text: ask its size
  if (size <= 0) return false;
  const std::size_t start = keys.size();
  keys.resize(start + static_cast<std::size_t>(size));
  if (LCMapStringA(locale, kFlags, text, -1, keys.data() + start, size) != size) {
    keys.resize(start);
    return false;
  }
  return true;
}

}  // namespace vardek::platform
