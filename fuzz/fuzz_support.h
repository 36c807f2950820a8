#pragma once
// Shared by the fuzz targets: a reporter that keeps quiet, and a catalog
// file written from the fuzz input for the APIs that read files.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <string_view>

#include "catalog/reporter.h"

namespace vardek::fuzz {

class QuietReporter : public Reporter {
 public:
  void ErrorBox(const char* text, const char* caption) override { Touch(text, caption); }
  void InfoBox(const char* text, const char* caption) override { Touch(text, caption); }
  void Status(int, const char* text) override { Touch(text, ""); }
  int reports = 0;

 private:
  // Reading every byte lets the sanitizer see a text that is not terminated.
  void Touch(const char* text, const char* caption) {
    reports += static_cast<int>(std::string_view(text).size() + std::string_view(caption).size() > 0);
  }
};

// One file per process, named once, rewritten for every input.
class FuzzCatalog {
 public:
  explicit FuzzCatalog(const char* target) {
    std::random_device random;
    const auto folder = std::filesystem::temp_directory_path();
    path_ = (folder / ("vardek-fuzz-" + std::string(target) + "-" + std::to_string(random()) + ".cat")).string();
    temp_ = path_.substr(0, path_.size() - 4) + ".$$$";
  }
  ~FuzzCatalog() {
    std::remove(path_.c_str());
    std::remove(temp_.c_str());
  }
  // False when the file cannot be written (the input is then skipped).
  bool Write(std::string_view content) {
    std::FILE* file = std::fopen(path_.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(content.data(), 1, content.size(), file) == content.size();
    return std::fclose(file) == 0 && written;
  }
  std::string Read() const {
    std::string content;
    std::FILE* file = std::fopen(path_.c_str(), "rb");
    if (file == nullptr) return content;
    char chunk[4096];
    for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, file)) > 0;) content.append(chunk, got);
    std::fclose(file);
    return content;
  }
  const char* Path() const { return path_.c_str(); }

 private:
  std::string path_;
  std::string temp_;
};

// Splits "parameter\nrest": the first line steers the target, the rest is the catalog.
inline void SplitInput(const std::uint8_t* data, std::size_t size, std::string& parameter, std::string_view& rest) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  const std::size_t newline = input.find('\n');
  if (newline == std::string_view::npos) {
    parameter.clear();
    rest = input;
    return;
  }
  parameter.assign(input.substr(0, newline));
  rest = input.substr(newline + 1);
}

}  // namespace vardek::fuzz
