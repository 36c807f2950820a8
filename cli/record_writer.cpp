#include "cli/record_writer.h"

#include <cassert>

#include "platform/console.h"

namespace vardek::cli {

RecordWriter::RecordWriter(RowFormat format, std::vector<Column> columns)
    : format_(format), columns_(std::move(columns)), encoded_(columns_.size()) {
  // Their line ends are their own (csv's CR LF), on Windows too.
  if (format_ != RowFormat::Tsv) platform::KeepOutputLineEnds();
  if (format_ != RowFormat::Csv) return;
  bool first = true;
  for (const Column& column : columns_) {
    if (column.jsonOnly) continue;
    if (!first) out_.Pending() += ',';
    AppendCsvText(out_.Pending(), column.name);
    first = false;
  }
  out_.EndLine(LineEnd());
}

void RecordWriter::Write(std::initializer_list<Field> fields) {
  assert(fields.size() == columns_.size());
  std::string& line = out_.Pending();
  if (format_ == RowFormat::Json) line += '{';
  bool first = true;
  std::size_t column = 0;
  for (const Field& field : fields) {
    const Column& named = columns_[column];
    if (format_ == RowFormat::Json || !named.jsonOnly) {
      if (!first) line += Separator();
      if (format_ == RowFormat::Json) {
        AppendJsonString(line, named.name);
        line += ':';
      }
      Append(column, field);
      first = false;
    }
    ++column;
  }
  if (format_ == RowFormat::Json) line += '}';
  out_.EndLine(LineEnd());
}

void RecordWriter::Append(std::size_t column, const Field& field) {
  std::string& line = out_.Pending();
  if (!field.stable) {
    AppendField(line, format_, field);
    return;
  }
  Encoded& kept = encoded_[column];
  if (!kept.made || kept.data != field.text.data() || kept.size != field.text.size()) {
    kept.text.clear();
    AppendField(kept.text, format_, field);
    kept.data = field.text.data();
    kept.size = field.text.size();
    kept.made = true;
  }
  line += kept.text;
}

}  // namespace vardek::cli
