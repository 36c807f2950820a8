#include "catalog/catalog_format.h"

#include <cstring>

namespace vardek {

LineKind ClassifyLine(const char* line) { return ClassifyLine(std::string_view(line)); }

const char* TitleDescription(const char* line) {
  for (int i = 0; i < 3; ++i) {
    if (line[i] == '\0') return line + i;
  }
  return line + 3;
}

std::size_t NextTitleLine(const char* data, std::size_t size, std::size_t offset) {
  std::size_t at = offset == 0 ? 0 : offset - 1;  // where to look for the LF before a line
  while (at < size) {
    const auto* lf = static_cast<const char*>(std::memchr(data + at, '\n', size - at));
    if (lf == nullptr) break;
    const std::size_t start = static_cast<std::size_t>(lf - data) + 1;
    const std::size_t firstCharacters = size - start < 3 ? size - start : 3;
    if (start < size && ClassifyLine(std::string_view(data + start, firstCharacters)) == LineKind::Title) return start;
    at = start;
  }
  return size;
}

bool IsNewFormat(const char* data, std::size_t size) {
  if (size >= 1 && data[0] == '*') return true;
  return size >= 3 && std::memcmp(data, kNewTitleMarker, 3) == 0;
}

int ReadDecimalAt(std::string_view text, std::size_t position) {
  int value = 0;
  for (std::size_t i = position; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    if (value > 100000) break;  // far beyond any valid field; keeps the sum in range
    value = value * 10 + (text[i] - '0');
  }
  return value;
}

CatalogDate ReadAnyDateText(std::string_view dateText) {
  CatalogDate date;
  date.month = ReadDecimalAt(dateText, 0);
  date.day = ReadDecimalAt(dateText, 3);
  date.year = WidenYear(ReadDecimalAt(dateText, 6));
  return date;
}

bool SplitFileLine(std::string_view line, bool newFormat, FileLineParts& parts) {
  if (newFormat) {
    const std::size_t separator = line.find(kNewSeparator);
    if (separator == std::string_view::npos) return false;
    parts.name = line.substr(0, separator);
    parts.dateText = line.substr(separator + 1);
    return true;
  }
  if (line.size() < static_cast<std::size_t>(kOldSeparatorFromEnd)) return false;
  const std::size_t separator = line.size() - kOldSeparatorFromEnd;
  parts.name = line.substr(0, separator);
  parts.dateText = line.substr(separator + 1);
  return true;
}

}  // namespace vardek
