#include "catalog/line_skip.h"

namespace vardek {

LineSkip MakeLineSkip(std::string_view kept, LineTest test, bool newFormat) {
  LineSkip skip;
  for (const char c : kept) skip.keep[static_cast<unsigned char>(c)] = true;
  skip.test = test;
  skip.newFormat = newFormat;
  return skip;
}

}  // namespace vardek
