#include "catalog/line_skip.h"

namespace vardek {

LineSkip MakeLineSkip(std::string_view kept, LineTest test, bool newFormat, bool followsFolders) {
  LineSkip skip;
  unsigned char bytes[256];
  std::size_t count = 0;
  for (const char c : kept) {
    const auto byte = static_cast<unsigned char>(c);
    if (!skip.keep[byte]) bytes[count++] = byte;
    skip.keep[byte] = true;
  }
  MakeBlockKeptBytes(bytes, count, &skip.keptBytes);
  skip.test = test;
  skip.newFormat = newFormat;
  skip.followsFolders = followsFolders;
  return skip;
}

}  // namespace vardek
