#pragma once
// ForwardingReporter: passes every report on to another reporter; a command
// derives from it to change what one report does for its own run.
#include "catalog/reporter.h"

namespace vardek {

class ForwardingReporter : public Reporter {
 public:
  explicit ForwardingReporter(Reporter& target) : target_(target) {}

  void ErrorBox(const char* text, const char* caption) override { target_.ErrorBox(text, caption); }
  void InfoBox(const char* text, const char* caption) override { target_.InfoBox(text, caption); }
  void Status(int part, const char* text) override { target_.Status(part, text); }
  void CatalogReplaced() override { target_.CatalogReplaced(); }
  void LineErrorBox(const char* first, const char* second, long lineNumber, const char* caption) override {
    target_.LineErrorBox(first, second, lineNumber, caption);
  }

 private:
  Reporter& target_;
};

}  // namespace vardek
