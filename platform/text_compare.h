#pragma once
// Text comparison in the user's locale for sorting. On Windows these are
// lstrcmpiA and lstrcmpA. Elsewhere the text is Windows-1252 and is compared
// in three steps: first by letters with their accents and case removed
// (symbols before digits before letters, hyphens and apostrophes ignored),
// then by accents, then by the hyphens and apostrophes; the case-sensitive
// form finally puts a small letter before its capital. So a, B, c sort in
// that order, and e, é, f too.

namespace vardek::platform {

// Negative, 0 or positive; 0 only when the texts differ at most in case.
int CompareTextNoCase(const char* a, const char* b);
// Negative, 0 or positive; 0 only when the texts are equal.
int CompareText(const char* a, const char* b);

}  // namespace vardek::platform
