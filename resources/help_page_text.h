#pragma once
// The help page Program Info shows: one XHTML text without line breaks.

namespace vardek {

extern const char kHelpPageText[];

}  // namespace vardek
