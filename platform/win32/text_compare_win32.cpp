#include "platform/text_compare.h"

#include "platform/win32/windows_min.h"

namespace vardek::platform {

int CompareTextNoCase(const char* a, const char* b) { return lstrcmpiA(a, b); }
int CompareText(const char* a, const char* b) { return lstrcmpA(a, b); }
// lstrcmpiA's order is the system's own: no key is derived from it.
SortPrefix SortPrefixNoCase(const char*) { return {}; }

}  // namespace vardek::platform
