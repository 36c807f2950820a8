#include <gtest/gtest.h>

#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/directory.h"
#include "catalog/catalog_format.h"
#include "scan/title_writer.h"
#include "test_support.h"

namespace vardek {
namespace {

namespace fs = std::filesystem;

platform::FileTime LocalNoon(int year, int month, int day) {
  std::tm local{};
  local.tm_year = year - 1900;
  local.tm_mon = month - 1;
  local.tm_mday = day;
  local.tm_hour = 12;
  local.tm_isdst = -1;
  const long long seconds = static_cast<long long>(std::mktime(&local)) + 11644473600LL;
  return static_cast<platform::FileTime>(seconds) * 10000000ull;
}

std::string Date(platform::FileTime time) {
  char text[kDateBufferSize];
  FormatFileDate(time, text);
  return text;
}

TEST(FormatFileDate, WritesTwoDigitFieldsWithLeadingZeros) {
  EXPECT_EQ(Date(LocalNoon(2005, 1, 9)), "01/09/05");
  EXPECT_EQ(Date(LocalNoon(1999, 12, 31)), "12/31/99");
  EXPECT_EQ(Date(LocalNoon(2000, 3, 1)), "03/01/00");
  EXPECT_EQ(Date(~platform::FileTime{0}), "");  // cannot be converted
}

class WalkerTest : public ::testing::Test {
 protected:
  std::string Root() const { return folder_.Path("disc") + platform::kPathSeparator; }
  std::string Temp() const { return folder_.Path("scan.$$$"); }

  void File(const std::string& name, int year = 2003, int month = 5, int day = 7) {
    folder_.Write("disc/" + name, "x");
    folder_.SetDate("disc/" + name, year, month, day);
  }
  void Folder(const std::string& name) { folder_.MakeFolder("disc/" + name); }

  int Scan(TitleWriter& writer, const char* description = "Backup 1") {
    writer.Begin(description);
    EXPECT_EQ(writer.Walk(Root().c_str(), "*.*", kMaxFolderLevels, 0), 0);
    return writer.Finish(Temp().c_str(), reporter_);
  }
  std::string Scanned(const char* description = "Backup 1") {
    TitleWriter writer;
    Scan(writer, description);
    return folder_.Exists("scan.$$$") ? folder_.Read("scan.$$$") : std::string("(no temp file)");
  }

  test::ScratchFolder folder_;
  test::RecordingReporter reporter_;
};

TEST_F(WalkerTest, WritesTheDiscAsOneTitleFilesFirstThenFolders) {
  File("README.TXT");
  File("SETUP.EXE");
  File("DATA/A.DAT");
  File("DATA/SUB/B.DAT");
  File("DOCS/C.DOC");
  TitleWriter writer;
  EXPECT_EQ(Scan(writer), 5);
  EXPECT_EQ(folder_.Read("scan.$$$"),
            "|||Backup 1\r\nREADME.TXT:05/07/03\r\nSETUP.EXE:05/07/03\r\n\\DATA\r\nA.DAT:05/07/03\r\n"
            "\\SUB\r\nB.DAT:05/07/03\r\n..\r\n..\r\n\\DOCS\r\nC.DOC:05/07/03\r\n..\r\n<eof>\r\n");
  EXPECT_TRUE(reporter_.Errors().empty());
}

TEST_F(WalkerTest, AnEmptyDiscStoresNothing) {
  Folder("");
  TitleWriter writer;
  EXPECT_EQ(Scan(writer), 0);
  EXPECT_EQ(reporter_.Errors(), std::vector<std::string>{"No files found - Nothing saved!"});
  EXPECT_EQ(reporter_.reports[0].caption, "Vardek");
  EXPECT_FALSE(folder_.Exists("scan.$$$"));
}

TEST_F(WalkerTest, FoldersWithoutAnyFileStoreNothing) {
  Folder("A/B");
  Folder("C");
  EXPECT_EQ(Scanned(), "(no temp file)");
  EXPECT_EQ(reporter_.Errors(), std::vector<std::string>{"No files found - Nothing saved!"});
}

TEST_F(WalkerTest, AnEmptyFolderIsAFolderLineAndAClimbLine) {
  File("a.txt");
  Folder("EMPTY");
  EXPECT_EQ(Scanned(), "|||Backup 1\r\na.txt:05/07/03\r\n\\EMPTY\r\n..\r\n<eof>\r\n");
}

TEST_F(WalkerTest, DotFoldersAreNotEnteredButDotFilesAreListed) {
  File(".config");
  File(".cache/inside.txt");
  File("keep/x.txt");
  EXPECT_EQ(Scanned(), "|||Backup 1\r\n.config:05/07/03\r\n\\keep\r\nx.txt:05/07/03\r\n..\r\n<eof>\r\n");
}

TEST_F(WalkerTest, ATreeTwentyLevelsDeepIsWrittenDownToLevelSixteen) {
  File("root.txt");
  std::string path;
  for (int level = 1; level <= 20; ++level) {
    const std::string number = std::to_string(level);
    path.append("L").append(number).append("/");
    File(path + std::string("f").append(number).append(".txt"));
  }
  std::string expected = "|||Backup 1\r\nroot.txt:05/07/03\r\n";
  for (int level = 1; level <= 16; ++level) {
    const std::string number = std::to_string(level);
    expected.append("\\L").append(number).append("\r\nf").append(number).append(".txt:05/07/03\r\n");
  }
  for (int level = 1; level <= 16; ++level) expected += "..\r\n";
  expected += "<eof>\r\n";
  EXPECT_EQ(Scanned(), expected);
  EXPECT_TRUE(reporter_.Errors().empty());
}

TEST_F(WalkerTest, DescriptionIsCutTo79Characters) {
  File("a.txt");
  const std::string description(100, 'd');
  EXPECT_EQ(Scanned(description.c_str()), "|||" + std::string(79, 'd') + "\r\na.txt:05/07/03\r\n<eof>\r\n");
}

// Records what the walk reports, to see which folders it enters.
class RecordingWalker : public FolderWalker {
 public:
  std::vector<std::string> events;
  int stopAtFile = -1;

 protected:
  int LeaveFolder() override {
    events.push_back("leave");
    return 0;
  }
  int OnFile(const platform::DirectoryEntry& entry) override {
    events.push_back(std::string("file ") + entry.name);
    return static_cast<int>(events.size()) == stopAtFile ? 1 : 0;
  }
  int EnterFolder(const platform::DirectoryEntry& entry) override {
    events.push_back(std::string("enter ") + entry.name);
    return 0;
  }
  int BeforeDescend(const platform::DirectoryEntry&) override { return 0; }
};

TEST_F(WalkerTest, TheFilePatternChoosesFilesNeverFolders) {
  File("a.txt");
  File("b.doc");
  File("sub.doc/c.txt");
  File("sub.doc/d.doc");
  RecordingWalker walker;
  EXPECT_EQ(walker.Walk(Root().c_str(), "*.txt", kMaxFolderLevels, 0), 0);
  EXPECT_EQ(walker.events,
            (std::vector<std::string>{"enter ", "file a.txt", "enter sub.doc", "file c.txt", "leave"}));
}

TEST_F(WalkerTest, ACallbackCanStopTheWalk) {
  File("a.txt");
  File("b.txt");
  File("sub/c.txt");
  RecordingWalker walker;
  walker.stopAtFile = 2;
  EXPECT_EQ(walker.Walk(Root().c_str(), "*.*", kMaxFolderLevels, 0), 1);
  EXPECT_EQ(walker.events, (std::vector<std::string>{"enter ", "file a.txt"}));
}

// Takes the folder away just before it is entered, as a disc with an
// unreadable folder would behave.
class VanishingFolderWriter : public TitleWriter {
 public:
  explicit VanishingFolderWriter(std::string doomed) : doomed_(std::move(doomed)) {}

 protected:
  int BeforeDescend(const platform::DirectoryEntry& entry) override {
    if (entry.name == doomed_) fs::remove_all(fs::path(currentFolder_) / entry.fsName);
    return 0;
  }

 private:
  std::string doomed_;
};

TEST_F(WalkerTest, AFolderThatCannotBeListedKeepsItsFolderAndClimbLines) {
  File("a.txt");
  File("LOCKED/secret.txt");
  File("OPEN/b.txt");
  VanishingFolderWriter writer("LOCKED");
  EXPECT_EQ(Scan(writer), 2);
  EXPECT_EQ(folder_.Read("scan.$$$"),
            "|||Backup 1\r\na.txt:05/07/03\r\n\\LOCKED\r\n..\r\n\\OPEN\r\nb.txt:05/07/03\r\n..\r\n<eof>\r\n");
}

TEST_F(WalkerTest, ATempFileThatCannotBeWrittenIsReported) {
  File("a.txt");
  folder_.MakeFolder("scan.$$$");
  TitleWriter writer;
  EXPECT_EQ(Scan(writer), 0);
  EXPECT_EQ(reporter_.Errors(), std::vector<std::string>{"Error saving to temp file"});
  EXPECT_EQ(reporter_.reports[0].caption, Temp());
}

#ifndef _WIN32
TEST_F(WalkerTest, ListsInNameOrderIgnoringCase) {
  File("b.txt");
  File("A.txt");
  File("C.txt");
  File("a2.txt");
  EXPECT_EQ(Scanned(), "|||Backup 1\r\nA.txt:05/07/03\r\na2.txt:05/07/03\r\nb.txt:05/07/03\r\nC.txt:05/07/03\r\n<eof>\r\n");
}

TEST_F(WalkerTest, LinuxNamesBecomeSingleByteCatalogText) {
  File("caf\xC3\xA9.txt");        // UTF-8 e acute: Windows-1252 0xE9
  File("euro\xE2\x82\xAC.txt");   // the euro sign: 0x80
  File("kanji\xE6\xBC\xA2.txt");  // not in Windows-1252
  File("a:b|c.txt");
  File("new\nline.txt");
  const std::string scanned = Scanned();
  EXPECT_NE(scanned.find("\r\na?b?c.txt:05/07/03\r\n"), std::string::npos) << scanned;
  EXPECT_NE(scanned.find("\r\ncaf\xE9.txt:05/07/03\r\n"), std::string::npos);
  EXPECT_NE(scanned.find("\r\neuro\x80.txt:05/07/03\r\n"), std::string::npos);
  EXPECT_NE(scanned.find("\r\nkanji?.txt:05/07/03\r\n"), std::string::npos);
  EXPECT_NE(scanned.find("\r\nnew?line.txt:05/07/03\r\n"), std::string::npos);
}

TEST_F(WalkerTest, ALinkToAFolderIsListedAsAFile) {
  File("real/x.txt");
  fs::create_directory_symlink(folder_.Path("disc/real"), folder_.Path("disc/link"));
  const std::string scanned = Scanned();
  EXPECT_NE(scanned.find("\r\nlink:"), std::string::npos) << scanned;
  EXPECT_EQ(scanned.find("\\link"), std::string::npos);
}

TEST_F(WalkerTest, NamesAndPathsTooLongForACatalogAreShortenedOrSkippedAndSaid) {
  const std::string longName(255, 'n');
  File(longName);
  const std::string deep = std::string(200, 'p') + "/" + std::string(200, 'q');
  File(deep + "/lost.txt");
  const std::string scanned = Scanned();
  EXPECT_NE(scanned.find("\r\n" + std::string(250, 'n') + ":05/07/03\r\n"), std::string::npos);
  EXPECT_EQ(scanned.find("lost.txt"), std::string::npos);
  EXPECT_EQ(reporter_.Errors(),
            (std::vector<std::string>{"Names shortened to fit a catalog line: 1",
                                      "Folders not scanned because their path is too long: 1"}));
}
#endif

}  // namespace
}  // namespace vardek
