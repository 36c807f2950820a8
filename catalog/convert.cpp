#include "catalog/convert.h"

#include <cstring>
#include <string_view>

#include "catalog/catalog_files.h"
#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"
#include "catalog/text_buffer.h"

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

ChangeOutcome ConvertCatalog(const char* path, Reporter& reporter) {
  CatalogChange change(reporter);
  if (const ChangeOutcome taken = change.Begin(path); taken != ChangeOutcome::Ready) return taken;
  TextBuffer source;
  source.SetLineLimit(kConversionLineLimit);
  if (!source.ReadWholeFile(change.CatalogFile().c_str(), 2)) {
    reporter.ErrorBox("Error opening file", path);
    return ChangeOutcome::Refused;
  }
  TextBuffer output;
  if (!output.Start(kConversionBufferSize, kConversionBufferSize)) {
    reporter.ErrorBox("Not enough memory", kProductName);
    return ChangeOutcome::Refused;
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
  // An empty catalog could not even be opened again.
  if (!output.Failed() && output.Used() == 0) {
    reporter.ErrorBox(kNothingConverted, path);
    return ChangeOutcome::Refused;
  }
  if (output.Failed() || !output.SaveToFile(change.TempFile().c_str())) return ChangeOutcome::TempNotWritten;
  output.Release();
  return change.Replace();
}

}  // namespace vardek
