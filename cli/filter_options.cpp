#include "cli/filter_options.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "browse/name_match.h"
#include "catalog/catalog_format.h"
#include "catalog/text_routines.h"
#include "platform/text_encoding.h"

namespace vardek::cli {

namespace {

// YYYY-MM-DD, a calendar date, as YYYYMMDD; false for anything else.
bool ReadIsoDate(const std::string& text, std::uint32_t& number) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-') return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (i != 4 && i != 7 && (text[i] < '0' || text[i] > '9')) return false;
  }
  const int year = std::stoi(text.substr(0, 4));
  const int month = std::stoi(text.substr(5, 2));
  const int day = std::stoi(text.substr(8, 2));
  if (month < 1 || month > 12 || day < 1) return false;
  const int days = kMonthLengths[month - 1] + ((month == 2 && IsLeapYear(year)) ? 1 : 0);
  if (day > days) return false;
  number = static_cast<std::uint32_t>(year * 10000 + month * 100 + day);
  return true;
}

}  // namespace

bool ReadDateOptions(const CommandLine& line, const CommandHelp& help, FindFilter& filter) {
  filter.until = 99999999;
  for (const OptionSpec& option : {kSinceOption, kUntilOption}) {
    const std::string* value = line.Value(option.name);
    if (value == nullptr) continue;
    std::uint32_t date = 0;
    if (!ReadIsoDate(*value, date)) {
      UsageError(help, std::string(option.name) + " takes a date YYYY-MM-DD, not '" + *value + "'");
      return false;
    }
    (std::string_view(option.name) == kSinceOption.name ? filter.since : filter.until) = date;
    filter.dated = true;
  }
  return true;
}

void ReadDiscOption(const CommandLine& line, FindFilter& filter) {
  const std::string* disc = line.Value(kDiscOption.name);
  if (disc == nullptr) return;
  filter.byDisc = true;
  filter.disc = platform::ToCatalogText(*disc);
  for (char& c : filter.disc) c = LowerAsciiChar(c);
}

void ReportUndated(const FindFilter& filter, Reporter& reporter) {
  if (!filter.dated) return;
  reporter.Status(kStatusResultPart,
                  (FormatCount(filter.undated) + " files left out: their dates cannot be read").c_str());
}

}  // namespace vardek::cli
