#include "catalog/convert.h"

#include <cstring>
#include <string_view>

#include "catalog/catalog_files.h"
#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"
#include "catalog/text_buffer.h"
#include "platform/files.h"

namespace vardek {

namespace {

constexpr std::uint32_t kConversionBufferSize = 512000;
constexpr const char* kUnknownDate = ":00/00/00";

// The line ends in the old date form: its last "-" has another three
// characters before it and a space six before it.
bool HasOldDateForm(std::string_view line, std::size_t& lastDash) {
  lastDash = line.rfind('-');
  if (lastDash == std::string_view::npos || lastDash < 6) return false;
  return line[lastDash - 3] == '-' && line[lastDash - 6] == ' ';
}

void ConvertDatedLine(std::string_view line, std::size_t lastDash, std::string& converted) {
  CatalogDate date;
  date.month = ReadDecimalAt(line, lastDash - 5);
  date.day = ReadDecimalAt(line, lastDash - 2);
  date.year = WidenYear(ReadDecimalAt(line, lastDash + 1));
  const std::size_t space = lastDash - 6;
  if (!IsValidDate(date)) {
    converted.assign(line.substr(0, space));
    converted += kUnknownDate;
    return;
  }
  converted.assign(line);
  converted[space] = kNewSeparator;
  converted[lastDash - 3] = '/';
  converted[lastDash] = '/';
}

}  // namespace

bool ConvertLine(const char* text, std::string& converted) {
  const std::string_view line(text);
  if (line.substr(0, 3) == kOldTitleMarker) {
    converted = kNewTitleMarker;
    converted += line.substr(3);
    return true;
  }
  if (line[0] == '\\' || line[0] == '.' || line[0] == '<') {
    converted.assign(line);
    return true;
  }
  std::size_t lastDash = 0;
  if (HasOldDateForm(line, lastDash)) {
    ConvertDatedLine(line, lastDash, converted);
    return true;
  }
  const std::size_t lastSpace = line.rfind(' ');
  if (lastSpace == std::string_view::npos) return false;
  converted.assign(line.substr(0, lastSpace));
  converted += kUnknownDate;
  return true;
}

bool ConvertCatalog(const char* path, Reporter& reporter) {
  const std::string tempPath = TempPathFor(path);
  TextBuffer source;
  source.SetLineLimit(kConversionLineLimit);
  if (tempPath.empty() || !source.ReadWholeFile(path, 2)) {
    reporter.ErrorBox("Error opening file", path);
    return false;
  }
  TextBuffer output;
  if (!output.Start(kConversionBufferSize, kConversionBufferSize)) {
    reporter.ErrorBox("Not enough memory", kProductName);
    return false;
  }
  char line[kLineBufferSize];
  std::string converted;
  while (source.HasData()) {
    source.NextLine(line);
    if (!ConvertLine(line, converted)) continue;
    converted += "\r\n";
    output.Append(converted);
  }
  source.Release();
  if (output.Failed() || !output.SaveToFile(tempPath.c_str())) {
    platform::DeleteFileAt(tempPath.c_str());
    return false;
  }
  output.Release();
  return ReplaceCatalog(tempPath.c_str(), path, reporter);
}

}  // namespace vardek
