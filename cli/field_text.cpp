#include "cli/field_text.h"

#include <cstdio>

#include "cli/output.h"
#include "platform/text_encoding.h"

namespace vardek::cli {

namespace {

// The field as the console shows it: the tsv column, and the csv one before quoting.
void AppendShown(std::string& out, const Field& field) {
  if (field.kind == FieldKind::Null) return;
  if (field.kind == FieldKind::Number || IsPlainText(field.text)) {
    out.append(field.text);
    return;
  }
  out += field.kind == FieldKind::NativeText ? NativeToShown(field.text) : CatalogToNative(field.text);
}

bool IsAsciiText(std::string_view text) {
  for (unsigned char c : text)
    if (c >= 0x80) return false;
  return true;
}

std::string ToUtf8(const Field& field) {
  const std::string text(field.text);
  if (IsAsciiText(text)) return text;
  return field.kind == FieldKind::NativeText ? platform::NativeToUtf8(text) : platform::CatalogToUtf8(text);
}

void AppendJsonValue(std::string& out, const Field& field) {
  switch (field.kind) {
    case FieldKind::Null: out += "null"; return;
    case FieldKind::Number: out.append(field.text); return;
    case FieldKind::CatalogText:
    case FieldKind::NativeText: AppendJsonString(out, ToUtf8(field)); return;
  }
}

void AppendEscaped(std::string& out, unsigned code) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04x", code);
  out += escape;
}

// The byte after 0xC2 in U+0080 to U+009F.
bool IsC1Second(unsigned char c) { return c >= 0x80 && c < 0xA0; }

}  // namespace

void AppendField(std::string& out, RowFormat format, const Field& field) {
  switch (format) {
    case RowFormat::Tsv: AppendShown(out, field); return;
    case RowFormat::Csv: {
      std::string shown;
      AppendShown(shown, field);
      AppendCsvText(out, shown);
      return;
    }
    case RowFormat::Json: AppendJsonValue(out, field); return;
  }
}

void AppendCsvText(std::string& out, std::string_view shown) {
  if (shown.find_first_of(",\"\r\n") == std::string_view::npos) {
    out.append(shown);
    return;
  }
  out += '"';
  for (const char c : shown) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendJsonString(std::string& out, std::string_view utf8) {
  out += '"';
  for (std::size_t i = 0; i < utf8.size(); ++i) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    switch (c) {
      case '"': out += "\\\""; continue;
      case '\\': out += "\\\\"; continue;
      case '\n': out += "\\n"; continue;
      case '\r': out += "\\r"; continue;
      case '\t': out += "\\t"; continue;
      case '\b': out += "\\b"; continue;
      case '\f': out += "\\f"; continue;
      default: break;
    }
    if (c < 0x20 || c == 0x7F) {
      AppendEscaped(out, c);
    } else if (c == 0xC2 && i + 1 < utf8.size() && IsC1Second(static_cast<unsigned char>(utf8[i + 1]))) {
      // U+0080 to U+009F: C1 controls, which a terminal may obey too.
      AppendEscaped(out, static_cast<unsigned char>(utf8[++i]));
    } else {
      out += static_cast<char>(c);
    }
  }
  out += '"';
}

}  // namespace vardek::cli
