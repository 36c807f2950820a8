#include "cli/record_writer.h"

#include <cassert>

#include "platform/console.h"

namespace vardek::cli {

RecordWriter::RecordWriter(RowFormat format, std::vector<Column> columns, Header header)
    : format_(format), columns_(std::move(columns)), prefixes_(columns_.size()), written_(columns_.size()),
      encoded_(columns_.size()) {
  MakePrefixes();
  // Their line ends are their own (csv's CR LF), on Windows too.
  if (format_ != RowFormat::Tsv) platform::KeepOutputLineEnds();
  if (format_ == RowFormat::Json || (format_ == RowFormat::Tsv && header == Header::CsvOnly)) return;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (written_[i] == 0) continue;
    out_.Pending() += prefixes_[i];
    AppendCsvText(out_.Pending(), columns_[i].name);  // plain names: as they are in tsv
  }
  out_.EndLine(LineEnd());
}

RecordWriter::RecordWriter(RowFormat format, std::vector<Column> columns, std::string& sink)
    : format_(format), columns_(std::move(columns)), prefixes_(columns_.size()), written_(columns_.size()),
      encoded_(columns_.size()), out_(sink) {
  MakePrefixes();
}

void RecordWriter::MakePrefixes() {
  const bool json = format_ == RowFormat::Json;
  bool first = true;
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    written_[i] = json || !columns_[i].jsonOnly;
    if (written_[i] == 0) continue;
    std::string& prefix = prefixes_[i];
    prefix = first ? (json ? "{" : "") : (format_ == RowFormat::Tsv ? "\t" : ",");
    if (json) {
      AppendJsonString(prefix, columns_[i].name);
      prefix += ':';
    }
    first = false;
  }
}

void RecordWriter::Write(std::initializer_list<Field> fields) {
  assert(fields.size() == columns_.size());
  const Field* field = fields.begin();
  for (std::size_t i = 0; i < columns_.size(); ++i, ++field) {
    if (written_[i] == 0) continue;
    const std::string& prefix = prefixes_[i];
    // Most prefixes are one separator: no call to copy them.
    if (prefix.size() == 1) out_.Pending() += prefix[0];
    else out_.Pending() += prefix;
    Append(i, *field);
  }
  if (format_ == RowFormat::Json) out_.Pending() += '}';
  out_.EndLine(LineEnd());
}

void RecordWriter::Append(std::size_t column, const Field& field) {
  std::string& line = out_.Pending();
  if (!field.stable) {
    // The common field of tsv: printable ASCII, written as it is.
    if (format_ == RowFormat::Tsv && field.kind == FieldKind::CatalogText) AppendTsvText(line, field.text);
    else AppendField(line, format_, field);
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
