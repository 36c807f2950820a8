#include "catalog/reporter.h"

#include <string>

#include "catalog/text_routines.h"

namespace vardek {

void Reporter::LineErrorBox(const char* first, const char* second, long lineNumber, const char* caption) {
  std::string text = first;
  text += '\n';
  text += second;
  text += "\nLine number: ";
  text += FormatCount(lineNumber);
  ErrorBox(text.c_str(), caption);
}

}  // namespace vardek
