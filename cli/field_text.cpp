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

void AppendJsonText(std::string& out, const Field& field) {
  // ASCII is UTF-8 already, in every code page.
  if (IsAsciiText(field.text)) {
    AppendJsonString(out, field.text);
    return;
  }
  const std::string text(field.text);
  AppendJsonString(out, field.kind == FieldKind::NativeText ? platform::NativeToUtf8(text)
                                                            : platform::CatalogToUtf8(text));
}

void AppendJsonValue(std::string& out, const Field& field) {
  switch (field.kind) {
    case FieldKind::Null: out += "null"; return;
    case FieldKind::Number: out.append(field.text); return;
    case FieldKind::CatalogText:
    case FieldKind::NativeText: AppendJsonText(out, field); return;
  }
}

void AppendEscaped(std::string& out, unsigned code) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04x", code);
  out += escape;
}

// Any byte but a C0 control, DEL, a quote, a backslash and 0xC2 (which may lead a C1 control).
bool NeedsNoEscape(unsigned char c) { return c >= 0x20 && c != '"' && c != '\\' && c != 0x7F && c != 0xC2; }

// The byte after 0xC2 in U+0080 to U+009F.
bool IsC1Second(unsigned char c) { return c >= 0x80 && c < 0xA0; }

// The character at the start of `text` (one NeedsNoEscape refused) as JSON
// writes it: escaped, or a 0xC2 that leads no C1 control as it is. Returns
// the bytes it took.
std::size_t AppendCharacter(std::string& out, std::string_view text) {
  const auto c = static_cast<unsigned char>(text[0]);
  switch (c) {
    case '"': out += "\\\""; return 1;
    case '\\': out += "\\\\"; return 1;
    case '\n': out += "\\n"; return 1;
    case '\r': out += "\\r"; return 1;
    case '\t': out += "\\t"; return 1;
    case '\b': out += "\\b"; return 1;
    case '\f': out += "\\f"; return 1;
    default: break;
  }
  if (c != 0xC2) {
    AppendEscaped(out, c);  // the other C0 controls and DEL
    return 1;
  }
  // U+0080 to U+009F: C1 controls, which a terminal may obey too.
  if (text.size() > 1 && IsC1Second(static_cast<unsigned char>(text[1]))) {
    AppendEscaped(out, static_cast<unsigned char>(text[1]));
    return 2;
  }
  out += static_cast<char>(c);
  return 1;
}

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
  std::size_t i = 0;
  while (i < utf8.size()) {
    // A run of characters that need no escape goes in at once.
    std::size_t plain = i;
    while (plain < utf8.size() && NeedsNoEscape(static_cast<unsigned char>(utf8[plain]))) ++plain;
    out.append(utf8.substr(i, plain - i));
    i = plain < utf8.size() ? plain + AppendCharacter(out, utf8.substr(plain)) : plain;
  }
  out += '"';
}

}  // namespace vardek::cli
