#include "platform/text_encoding.h"

#include <iconv.h>

#include <cerrno>

namespace vardek::platform {

namespace {

class Converter {
 public:
  Converter(const char* to, const char* from) : handle_(iconv_open(to, from)) {}
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() {
    if (handle_ != reinterpret_cast<iconv_t>(-1)) iconv_close(handle_);
  }

  // A character that cannot be converted becomes one "?"; so does each byte
  // that is not valid input, and the conversion resumes right behind it.
  std::string Convert(const std::string& input, bool fromUtf8) {
    std::string output;
    output.reserve(input.size());
    bool plain = true;
    for (unsigned char c : input) plain = plain && c < 0x80;
    if (plain || handle_ == reinterpret_cast<iconv_t>(-1)) return plain ? input : Replaced(input);
    iconv(handle_, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    char chunk[256];
    while (inLeft > 0) {
      char* out = chunk;
      std::size_t outLeft = sizeof chunk;
      const std::size_t result = iconv(handle_, &in, &inLeft, &out, &outLeft);
      output.append(chunk, static_cast<std::size_t>(out - chunk));
      if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
        output += '?';
        const std::size_t character = fromUtf8 ? Utf8CharacterLength(std::string_view(in, inLeft)) : 0;
        const std::size_t skip = character == 0 ? 1 : character;
        in += skip;
        inLeft -= skip;
      }
    }
    return output;
  }

 private:
  static std::string Replaced(const std::string& input) {
    std::string output;
    for (unsigned char c : input) output += c < 0x80 ? static_cast<char>(c) : '?';
    return output;
  }

  iconv_t handle_;
};

}  // namespace

std::string ToCatalogText(const std::string& native) {
  thread_local Converter converter("WINDOWS-1252", "UTF-8");
  return converter.Convert(native, true);
}

std::string FromCatalogText(const std::string& catalog) {
  thread_local Converter converter("UTF-8", "WINDOWS-1252");
  return converter.Convert(catalog, false);
}

// Linux speaks UTF-8 already.
std::string CatalogToUtf8(const std::string& catalog) { return FromCatalogText(catalog); }

std::string NativeToUtf8(const std::string& native) {
  return IsValidUtf8(native) ? native : FromCatalogText(native);
}

}  // namespace vardek::platform
