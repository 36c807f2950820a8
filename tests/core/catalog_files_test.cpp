#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include "catalog/catalog_files.h"
#include "platform/files.h"
#include "test_support.h"

namespace vardek {
namespace {

namespace fs = std::filesystem;

const char* const kOldTitles = "|||Backup disc 1\r\nsetup.exe:01/05/99\r\n<eof>\r\n";
const char* const kNewTitle = "|||Holiday photos 2004\r\nreadme.txt:07/14/04\r\n<eof>\r\n";
// Short enough for a test, long enough for a waiting change to be seen waiting.
constexpr int kTestWait = 150;

class CatalogChangeTest : public ::testing::Test {
 protected:
  std::string catalog() const { return folder_.Path("music.cat"); }
  std::string temp() const { return folder_.Path("music.$$$"); }

  // One whole change: take the catalog, write `text` to the temp file, then
  // join it on or let it replace the catalog.
  ChangeOutcome Change(const std::string& path, const std::string& text, bool join) {
    CatalogChange change(reporter_, kTestWait);
    if (const ChangeOutcome taken = change.Begin(path); taken != ChangeOutcome::Ready) return taken;
    if (!platform::WriteNewFile(change.TempFile().c_str(), text.data(), text.size()))
      return ChangeOutcome::TempNotWritten;
    return join ? change.Join() : change.Replace();
  }

  // The names in the scratch folder, links included.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_.Root())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }

  test::ScratchFolder folder_;
  test::RecordingReporter reporter_;
};

TEST_F(CatalogChangeTest, TempPathSitsBesideTheCatalog) {
  EXPECT_EQ(TempPathFor(catalog()), temp());
  EXPECT_EQ(TempPathFor("C:\\CATS\\"), "");
}

TEST_F(CatalogChangeTest, JoinAndReplacePutTheNewTextInPlace) {
  struct Case {
    const char* name;
    bool catalogExists;
    bool join;
    std::string expected;
  };
  const Case cases[] = {
      {"join: the new title goes first", true, true, std::string(kNewTitle) + kOldTitles},
      {"join without a catalog: the title becomes it", false, true, kNewTitle},
      {"replace: the whole text", true, false, kNewTitle},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(catalog());
    if (c.catalogExists) folder_.Write("music.cat", kOldTitles);
    reporter_ = {};
    EXPECT_EQ(Change(catalog(), kNewTitle, c.join), ChangeOutcome::Replaced);
    EXPECT_EQ(folder_.Read("music.cat"), c.expected);
    EXPECT_EQ(Names(), std::vector<std::string>{"music.cat"});
    EXPECT_TRUE(reporter_.Errors().empty());
    EXPECT_EQ(reporter_.replaced, 1);
  }
}

// Whatever refuses a change leaves the catalog as it was and no temp file.
TEST_F(CatalogChangeTest, RefusedChangesLeaveEverythingAsItWas) {
  struct Case {
    const char* name;
    std::string catalogName;
    std::function<void()> prepare;
    ChangeOutcome outcome;
    std::string message;  // empty: none
  };
  const std::string odd = "odd.$$$";
  const Case cases[] = {
      {"the catalog is a folder", "music.cat", [&] { folder_.MakeFolder("music.cat"); }, ChangeOutcome::Refused,
       "Error opening file"},
      {"the catalog is its own temp file", odd, [&] { folder_.Write(odd, kOldTitles); }, ChangeOutcome::Refused,
       kCatalogIsTempName},
      {"the temp name is taken by a folder", "music.cat",
       [&] {
         folder_.Write("music.cat", kOldTitles);
         folder_.MakeFolder("music.$$$");
       },
       ChangeOutcome::TempNotWritten, ""},
#ifndef _WIN32
      {"a link to nothing", "music.cat", [&] { fs::create_symlink(folder_.Path("gone.cat"), catalog()); },
       ChangeOutcome::Refused, "Error opening file"},
      {"a loop of links", "music.cat",
       [&] {
         fs::create_symlink(folder_.Path("loop.cat"), catalog());
         fs::create_symlink(catalog(), folder_.Path("loop.cat"));
       },
       ChangeOutcome::Refused, "Error opening file"},
      {"a pipe", "music.cat", [&] { ASSERT_EQ(mkfifo(catalog().c_str(), 0644), 0); }, ChangeOutcome::Refused,
       "Error opening file"},
#endif
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    for (const std::string& name : Names()) fs::remove_all(folder_.Path(name));
    c.prepare();
    const std::vector<std::string> before = Names();
    std::error_code noFile;
    const std::string content = fs::is_regular_file(folder_.Path(c.catalogName), noFile) ? folder_.Read(c.catalogName) : "";
    reporter_ = {};
    EXPECT_EQ(Change(folder_.Path(c.catalogName), kNewTitle, false), c.outcome);
    EXPECT_EQ(Names(), before);
    if (!content.empty()) {
      EXPECT_EQ(folder_.Read(c.catalogName), content);
    }
    const std::vector<std::string> expected = c.message.empty() ? std::vector<std::string>{}
                                                                : std::vector<std::string>{c.message};
    EXPECT_EQ(reporter_.Errors(), expected);
    if (!c.message.empty()) {
      EXPECT_EQ(reporter_.reports[0].caption, folder_.Path(c.catalogName));
    }
  }
}

TEST_F(CatalogChangeTest, ASecondChangeWaitsBrieflyThenRefuses) {
  folder_.Write("music.cat", kOldTitles);
  CatalogChange first(reporter_, kTestWait);
  ASSERT_EQ(first.Begin(catalog()), ChangeOutcome::Ready);

  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(Change(catalog(), kNewTitle, true), ChangeOutcome::Refused);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(kTestWait));
  EXPECT_EQ(reporter_.Errors(), std::vector<std::string>{kCatalogBusy});
  EXPECT_EQ(folder_.Read("music.cat"), kOldTitles);
  EXPECT_TRUE(folder_.Exists("music.$$$"));  // still the first change's
}

TEST_F(CatalogChangeTest, AWaitingChangeGoesOnOnceTheFirstIsDone) {
  folder_.Write("music.cat", kOldTitles);
  CatalogChange first(reporter_, kTestWait);
  ASSERT_EQ(first.Begin(catalog()), ChangeOutcome::Ready);
  ASSERT_TRUE(platform::WriteNewFile(first.TempFile().c_str(), kNewTitle, std::strlen(kNewTitle)));

  ChangeOutcome second = ChangeOutcome::Refused;
  test::RecordingReporter secondReporter;
  std::thread waiting([&] {
    CatalogChange change(secondReporter, 5000);
    second = change.Begin(catalog());
    const std::string title = "|||Second\r\n<eof>\r\n";
    if (second == ChangeOutcome::Ready && platform::WriteNewFile(change.TempFile().c_str(), title.data(), title.size()))
      second = change.Join();
  });
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(first.Join(), ChangeOutcome::Replaced);
  waiting.join();
  EXPECT_EQ(second, ChangeOutcome::Replaced);
  EXPECT_TRUE(secondReporter.Errors().empty());
  // Each change saw the other's result: nothing lost, nothing twice.
  EXPECT_EQ(folder_.Read("music.cat"), std::string("|||Second\r\n<eof>\r\n") + kNewTitle + kOldTitles);
  EXPECT_EQ(Names(), std::vector<std::string>{"music.cat"});
}

#ifndef _WIN32
// A link stays a link and its target takes the change; the target keeps its
// permissions; a stale temp file that shares the catalog's data never cuts it.
TEST_F(CatalogChangeTest, TheCatalogsLinkPermissionsAndOtherNamesSurvive) {
  struct Case {
    const char* name;
    bool join;
  };
  for (const Case& c : {Case{"join", true}, Case{"replace", false}}) {
    SCOPED_TRACE(c.name);
    for (const std::string& name : Names()) fs::remove_all(folder_.Path(name));
    folder_.MakeFolder("real");
    folder_.Write("real/music.cat", kOldTitles);
    ASSERT_EQ(chmod(folder_.Path("real/music.cat").c_str(), 0600), 0);
    fs::create_hard_link(folder_.Path("real/music.cat"), folder_.Path("real/music.$$$"));
    fs::create_symlink(fs::path("real") / "music.cat", catalog());

    EXPECT_EQ(Change(catalog(), kNewTitle, c.join), ChangeOutcome::Replaced);
    EXPECT_TRUE(fs::is_symlink(catalog()));
    EXPECT_EQ(folder_.Read("real/music.cat"), c.join ? std::string(kNewTitle) + kOldTitles : kNewTitle);
    struct stat info {};
    ASSERT_EQ(stat(folder_.Path("real/music.cat").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0600u);
    EXPECT_EQ(info.st_nlink, 1u);
    EXPECT_FALSE(fs::exists(folder_.Path("real/music.$$$")));
    EXPECT_EQ(Names(), (std::vector<std::string>{"music.cat", "real"}));
  }
}
#endif

// A mapped file that another program cuts short: what was read past the
// new end reads as zeros instead of ending the process, the view says it
// was cut, and another view of the file mapped afterwards knows nothing of it.
TEST_F(CatalogChangeTest, AMappedFileCutShortReadsZerosAndSaysSo) {
#ifdef _WIN32
  GTEST_SKIP() << "a mapped file cannot be cut on this platform";
#else
  const std::string bytes(5 * 4096 + 123, 'c');
  folder_.Write("cut.cat", bytes);
  const std::string path = folder_.Path("cut.cat");
  platform::MappedView view;
  ASSERT_TRUE(platform::MapWholeFile(path.c_str(), view));
  EXPECT_EQ(view.data[0], 'c');
  EXPECT_FALSE(platform::MappingWasCut(view));
  fs::resize_file(path, 4096 + 10);
  EXPECT_EQ(view.data[4096 + 9], 'c');
  EXPECT_EQ(view.data[3 * 4096 + 5], '\0');
  EXPECT_EQ(view.data[view.size - 1], '\0');
  EXPECT_EQ(view.data[4096 + 20], '\0');
  EXPECT_TRUE(platform::MappingWasCut(view));
  platform::UnmapWholeFile(view);
  EXPECT_FALSE(platform::MappingWasCut(view));

  platform::MappedView after;
  ASSERT_TRUE(platform::MapWholeFile(path.c_str(), after));
  EXPECT_EQ(after.size, 4096u + 10);
  EXPECT_EQ(after.data[after.size - 1], 'c');
  EXPECT_FALSE(platform::MappingWasCut(after));
  platform::UnmapWholeFile(after);
#endif
}

// Neither a pipe nor a device is ever waited on.
TEST_F(CatalogChangeTest, WholeFileReadsRefuseWhatIsNoFile) {
#ifdef _WIN32
  const std::string device = "NUL";
#else
  const std::string device = folder_.Path("pipe.cat");
  ASSERT_EQ(mkfifo(device.c_str(), 0644), 0);
#endif
  char* block = nullptr;
  std::uint32_t size = 0;
  EXPECT_FALSE(platform::ReadWholeFile(device.c_str(), 2, block, size));
  platform::MappedView view;
  EXPECT_FALSE(platform::MapWholeFile(device.c_str(), view));
  platform::PieceReader pieces;
  std::uint64_t fileSize = 0;
  EXPECT_FALSE(pieces.Open(device.c_str(), fileSize));
  EXPECT_EQ(platform::KindOfPath(folder_.Path("none.cat").c_str()), platform::PathKind::Missing);
  EXPECT_EQ(platform::KindOfPath(folder_.Root().c_str()), platform::PathKind::Other);
}

// Large files may be read into memory rather than mapped: the view is the
// file's bytes on either side of that choice, and a piece read from the
// start is the file's first bytes.
TEST_F(CatalogChangeTest, WholeFileViewsAndHeadsHoldTheFilesBytes) {
  constexpr std::size_t kLarge = std::size_t{2} << 20;
  for (const std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{3}, kLarge - 1, kLarge, kLarge + 1}) {
    SCOPED_TRACE(size);
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>('a' + (i * 7 + i / 4096) % 26);
    folder_.Write("big.cat", bytes);
    const std::string path = folder_.Path("big.cat");

    char head[3] = {};
    std::uint64_t fileSize = 99;
    platform::PieceReader pieces;
    ASSERT_TRUE(pieces.Open(path.c_str(), fileSize));
    EXPECT_EQ(fileSize, size);
    const long long got = pieces.Read(head, sizeof head);
    ASSERT_GE(got, 0);
    EXPECT_EQ(std::string(head, static_cast<std::size_t>(got)), bytes.substr(0, 3));

    platform::MappedView view;
    ASSERT_EQ(platform::MapWholeFile(path.c_str(), view), size > 0);
    if (size == 0) continue;
    ASSERT_EQ(view.size, size);
    EXPECT_TRUE(std::string_view(view.data, view.size) == bytes);
    platform::UnmapWholeFile(view);
    EXPECT_EQ(view.data, nullptr);
  }
}

TEST_F(CatalogChangeTest, MoveNeverOverwritesAnExistingFile) {
  folder_.Write("music.cat", kOldTitles);
  folder_.Write("music.$$$", kNewTitle);
  EXPECT_FALSE(platform::MoveFileTo(temp().c_str(), catalog().c_str()));
  EXPECT_EQ(folder_.Read("music.cat"), kOldTitles);
  ASSERT_TRUE(platform::MoveFileTo(temp().c_str(), folder_.Path("new.cat").c_str()));
  EXPECT_EQ(folder_.Read("new.cat"), kNewTitle);
  EXPECT_FALSE(folder_.Exists("music.$$$"));
}

}  // namespace
}  // namespace vardek
