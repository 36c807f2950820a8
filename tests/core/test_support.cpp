#include "test_support.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

namespace vardek::test {

namespace fs = std::filesystem;

std::string Lines(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text.append(line).append("\r\n");
  return text;
}

std::vector<std::string> RowTexts(const ResultList& list) {
  std::vector<std::string> texts;
  for (int i = 0; i < list.Count(); ++i) {
    const ResultRow& row = list.Row(i);
    texts.push_back(std::string(list.Name(row)) + "|" + list.Date(row).text + "|" + list.Folder(row) + "|" +
                    list.Title(row));
  }
  return texts;
}

std::vector<std::string> RecordingReporter::Errors() const {
  std::vector<std::string> texts;
  for (const Report& report : reports) {
    if (report.kind == "error") texts.push_back(report.text);
  }
  return texts;
}

std::string RecordingReporter::LastStatus() const {
  for (auto it = reports.rbegin(); it != reports.rend(); ++it) {
    if (it->kind == "status" && it->caption == "0") return it->text;
  }
  return {};
}

ScratchFolder::ScratchFolder() {
  std::random_device random;
  const fs::path base = fs::temp_directory_path() / ("vardek-test-" + std::to_string(random()));
  fs::create_directories(base);
  root_ = base.string();
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  fs::permissions(root_, fs::perms::owner_all, fs::perm_options::add, ignored);
  for (auto& entry : fs::recursive_directory_iterator(root_, fs::directory_options::skip_permission_denied, ignored)) {
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(root_, ignored);
}

std::string ScratchFolder::Path(const std::string& name) const {
  return (fs::path(root_) / fs::path(name)).make_preferred().string();
}

void ScratchFolder::Write(const std::string& name, const std::string& content) const {
  const fs::path path = Path(name);
  fs::create_directories(path.parent_path());
  std::ofstream out(path, std::ios::binary);
  out << content;
}

std::string ScratchFolder::Read(const std::string& name) const {
  std::ifstream in(Path(name), std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

bool ScratchFolder::Exists(const std::string& name) const { return fs::exists(Path(name)); }

void ScratchFolder::MakeFolder(const std::string& name) const { fs::create_directories(Path(name)); }

void ScratchFolder::SetDate(const std::string& name, int year, int month, int day) const {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = 12;
  local.tm_isdst = -1;
  const auto when = std::chrono::system_clock::from_time_t(std::mktime(&local));
  // Not every library has clock_cast yet; the offset between the clocks will do.
  const auto fileWhen = std::chrono::file_clock::now() +
                        std::chrono::duration_cast<std::chrono::file_clock::duration>(when - std::chrono::system_clock::now());
  fs::last_write_time(Path(name), fileWhen);
}

}  // namespace vardek::test
