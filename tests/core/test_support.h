#pragma once
// Shared helpers of the core tests: a reporter that remembers what it was
// told, and a scratch folder that is removed afterwards.
#include <initializer_list>
#include <string>
#include <vector>

#include "browse/result_list.h"
#include "catalog/reporter.h"

namespace vardek::test {

// Catalog text: each line followed by CR LF.
std::string Lines(std::initializer_list<std::string> lines);

// Every row of the list as name|date|folder|title.
std::vector<std::string> RowTexts(const ResultList& list);

struct Report {
  std::string kind;  // "error", "info" or "status"
  std::string text;
  std::string caption;
  bool operator==(const Report&) const = default;
};

class RecordingReporter : public Reporter {
 public:
  void ErrorBox(const char* text, const char* caption) override { reports.push_back({"error", text, caption}); }
  void InfoBox(const char* text, const char* caption) override { reports.push_back({"info", text, caption}); }
  void Status(int part, const char* text) override {
    reports.push_back({"status", text, std::to_string(part)});
  }
  void CatalogReplaced() override { ++replaced; }

  // The texts of the error boxes, in order.
  std::vector<std::string> Errors() const;
  std::string LastStatus() const;

  std::vector<Report> reports;
  int replaced = 0;
};

// A fresh folder under the system's temp folder, deleted with everything in
// it when the object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder's path followed by the platform's separator and `name`.
  std::string Path(const std::string& name) const;
  const std::string& Root() const { return root_; }

  void Write(const std::string& name, const std::string& content) const;
  std::string Read(const std::string& name) const;
  bool Exists(const std::string& name) const;
  void MakeFolder(const std::string& name) const;
  // Sets a file's last-write time to local noon of that day.
  void SetDate(const std::string& name, int year, int month, int day) const;

 private:
  std::string root_;
};

}  // namespace vardek::test
