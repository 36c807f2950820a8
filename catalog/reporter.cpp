#include "catalog/reporter.h"

#include <string>

#include "catalog/text_routines.h"

namespace vardek {

std::string LineErrorText(const char* first, const char* second, long lineNumber) {
  std::string text = first == nullptr ? "" : first;
  text += '\n';
  text += second == nullptr ? "" : second;
  text += "\nLine number: ";
  text += FormatCount(lineNumber);
  return text;
}

void Reporter::LineErrorBox(const char* first, const char* second, long lineNumber, const char* caption) {
  ErrorBox(LineErrorText(first, second, lineNumber).c_str(), caption);
}

}  // namespace vardek
