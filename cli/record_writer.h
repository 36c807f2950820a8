#pragma once
// Records of named fields on standard output, in the format the user chose:
// tsv (tab-separated columns, the default), csv (RFC 4180, a header row
// first, CR LF line ends) or json (JSON Lines: one object a line). A command
// names its columns once and then writes one record after the other.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "cli/field_text.h"
#include "cli/output.h"

namespace vardek::cli {

struct Column {
  std::string_view name;  // the JSON key and the csv header
  bool jsonOnly = false;  // no column of tsv and csv, whose columns stay today's
};

class RecordWriter {
 public:
  // Which formats begin with a header row of the column names.
  enum class Header { CsvOnly, TsvAndCsv };

  // Writes the header at once, so that it comes even without records.
  RecordWriter(RowFormat format, std::vector<Column> columns, Header header = Header::CsvOnly);
  // Records of a piece of the output, kept in `sink` (see RowWriter): no
  // header, which the writer of the whole wrote.
  RecordWriter(RowFormat format, std::vector<Column> columns, std::string& sink);

  // One field for each column, in the columns' order.
  void Write(std::initializer_list<Field> fields);
  // A record its caller writes itself into Pending(), in the writer's format
  // (fields by AppendField, separators of its own), ended by EndRecord: for
  // the many rows of a search, where the steps of Write cost more than the
  // text.
  std::string& Pending() { return out_.Pending(); }
  void EndRecord() { out_.EndLine(LineEnd()); }
  void Flush() { out_.Flush(); }
  RowFormat Format() const { return format_; }

 private:
  // A stable field's encoding, kept while the next records share its text.
  struct Encoded {
    bool made = false;
    const char* data = nullptr;
    std::size_t size = 0;
    std::string text;
  };
  void MakePrefixes();
  void Append(std::size_t column, const Field& field);
  const char* LineEnd() const { return format_ == RowFormat::Csv ? "\r\n" : "\n"; }

  RowFormat format_;
  std::vector<Column> columns_;
  // What goes before each column's field: its separator, and in json its
  // key; a column the format leaves out is not written.
  std::vector<std::string> prefixes_;
  std::vector<unsigned char> written_;
  std::vector<Encoded> encoded_;
  RowWriter out_;
};

}  // namespace vardek::cli
