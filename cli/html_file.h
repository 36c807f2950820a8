#pragma once
// An HTML file written safely: piece by piece into a temp file beside it
// (its name and ".$$$"), put in its place in one step only once all of it
// is written, so a reader finds the old file or the whole new one.
#include <string>
#include <string_view>

namespace vardek::cli {

// Catalog text as HTML text in UTF-8: control characters shown as a caret
// and a letter, & < > " and ' escaped.
std::string HtmlText(std::string_view catalogText);
// A path or argument as given on the command line, the same way.
std::string HtmlNativeText(const std::string& nativeText);

class HtmlFile {
 public:
  explicit HtmlFile(std::string path);
  HtmlFile(const HtmlFile&) = delete;
  HtmlFile& operator=(const HtmlFile&) = delete;
  ~HtmlFile();  // drops the temp file of an unfinished page

  // Markup as it is (texts through HtmlText first).
  void Add(std::string_view html);
  // Writes the rest and renames the temp file over the target; false when
  // any of it failed (the target is then as it was).
  bool Finish();

 private:
  void Write();

  std::string path_;
  std::string tempPath_;
  std::string buffer_;
  bool started_ = false;
  bool failed_ = false;
  bool finished_ = false;
};

}  // namespace vardek::cli
