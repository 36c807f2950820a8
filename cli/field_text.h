#pragma once
// One field of an output record, and how each output format writes it.
#include <string>
#include <string_view>

#include "cli/output.h"

namespace vardek::cli {

enum class RowFormat { Tsv, Csv, Json };

enum class FieldKind {
  CatalogText,  // single-byte text of a catalog: names, dates, folders, descriptions
  NativeText,   // in the platform's own encoding: paths as given or found
  Number,       // decimal digits, a JSON number
  Null,         // nothing there: an empty column, JSON's null
};

struct Field {
  std::string_view text;
  FieldKind kind = FieldKind::CatalogText;
  // The same address holds the same text while the record writer lives (a
  // result list's pool, a catalog path): its encoding is made once for the
  // run of records that share it.
  bool stable = false;
};

inline Field CatalogField(std::string_view text, bool stable = false) { return {text, FieldKind::CatalogText, stable}; }
inline Field NativeField(std::string_view text, bool stable = false) { return {text, FieldKind::NativeText, stable}; }
inline Field NumberField(std::string_view digits) { return {digits, FieldKind::Number, false}; }
inline Field NullField() { return {{}, FieldKind::Null, false}; }

// Appends the field as `format` writes it to `out`: tsv as the console shows
// it (control characters as a caret and a letter); csv the same, quoted where
// RFC 4180 asks; json as a JSON value, strings in UTF-8 with every control
// character escaped.
void AppendField(std::string& out, RowFormat format, const Field& field);

// A catalog text as AppendField writes it in tsv, the usual plain text
// appended without its steps: rows have many.
inline void AppendTsvText(std::string& out, std::string_view text) {
  if (IsPlainText(text)) out.append(text);
  else AppendField(out, RowFormat::Tsv, CatalogField(text));
}

// RFC 4180: a field holding a comma, a double quote, CR or LF goes in double
// quotes, its quotes doubled; any other stays as it is (spaces included).
void AppendCsvText(std::string& out, std::string_view shown);
// A JSON string of UTF-8 text: '"' and '\' escaped, and every control
// character (C0, DEL and C1) as \n, \t ... or \u00XX, so none reaches the
// output raw.
void AppendJsonString(std::string& out, std::string_view utf8);

}  // namespace vardek::cli
