#include "cli/format_option.h"

#include <string>

namespace vardek::cli {

bool ReadFormatOption(const CommandLine& line, const CommandHelp& help, RowFormat& format) {
  format = RowFormat::Tsv;
  const std::string* value = line.Value(kFormatOption.name);
  if (value == nullptr || *value == "tsv") return true;
  if (*value == "csv") format = RowFormat::Csv;
  else if (*value == "json") format = RowFormat::Json;
  else {
    UsageError(help, "--format takes tsv, csv or json, not '" + *value + "'");
    return false;
  }
  return true;
}

}  // namespace vardek::cli
