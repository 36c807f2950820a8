#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "catalog/catalog_check.h"
#include "catalog/catalog_format.h"
#include "catalog/catalog_reader.h"
#include "catalog/catalog_titles.h"
#include "platform/directory.h"
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

// What the catalog readers make of a stored title.
struct ReadBack {
  std::vector<std::string> titles;
  CheckOutcome check = CheckOutcome::NotRun;
  long checkedFiles = 0;
  std::vector<std::string> checkErrors;
  int cutLines = 0;
  std::size_t longestLine = 0;
};

class WalkerTest : public ::testing::Test {
 protected:
  std::string Root(const std::string& disc = "disc") const { return folder_.Path(disc) + platform::kPathSeparator; }
  std::string Temp() const { return folder_.Path("scan.$$$"); }

  void File(const std::string& name, int year = 2003, int month = 5, int day = 7) {
    folder_.Write("disc/" + name, "x");
    folder_.SetDate("disc/" + name, year, month, day);
  }
  void Folder(const std::string& name) { folder_.MakeFolder("disc/" + name); }

  ScanOutcome Scan(TitleWriter& writer, const char* description = "Backup 1", const std::string& root = {}) {
    if (writer.Begin(description)) {
      EXPECT_EQ(writer.WalkDisc(root.empty() ? Root().c_str() : root.c_str()), 0);
    }
    return writer.Finish(Temp().c_str(), reporter_);
  }
  std::string Scanned(const char* description = "Backup 1") {
    TitleWriter writer;
    Scan(writer, description);
    return folder_.Exists("scan.$$$") ? folder_.Read("scan.$$$") : std::string("(no temp file)");
  }

  // Reads the temp file as every reader does: line by line, for titles, and
  // through the catalog check.
  ReadBack ReadTemp() const {
    ReadBack back;
    CatalogReader reader;
    char line[kLineBufferSize];
    if (reader.Map(Temp().c_str(), kLineLimit)) {
      while (reader.HasData()) {
        back.longestLine = std::max(back.longestLine, reader.NextLine(line));
        back.cutLines += reader.Cut() ? 1 : 0;
      }
      reader.Unmap();
    }
    test::RecordingReporter quiet;
    CatalogTitleScan scan;
    ReadCatalogTitles(reader, Temp().c_str(), quiet, [&](const char* title) { back.titles.emplace_back(title); }, scan);
    test::RecordingReporter checkReporter;
    const CheckResult result = CheckCatalog(reader, Temp().c_str(), true, checkReporter);
    back.check = result.outcome;
    back.checkedFiles = result.fileCount;
    back.checkErrors = checkReporter.Errors();
    return back;
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
  EXPECT_EQ(Scan(writer), ScanOutcome::Saved);
  EXPECT_EQ(writer.FileCount(), 5);
  EXPECT_EQ(folder_.Read("scan.$$$"),
            "|||Backup 1\r\nREADME.TXT:05/07/03\r\nSETUP.EXE:05/07/03\r\n\\DATA\r\nA.DAT:05/07/03\r\n"
            "\\SUB\r\nB.DAT:05/07/03\r\n..\r\n..\r\n\\DOCS\r\nC.DOC:05/07/03\r\n..\r\n<eof>\r\n");
  EXPECT_TRUE(reporter_.Errors().empty());
}

TEST_F(WalkerTest, AnEmptyDiscStoresNothing) {
  Folder("");
  TitleWriter writer;
  EXPECT_EQ(Scan(writer), ScanOutcome::NoFiles);
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

// Readers accept 15 nested folders and stop at a 16th, so the scan writes
// no deeper than 15 and counts the folders it leaves out.
TEST_F(WalkerTest, FoldersAreWrittenDownToTheDeepestLevelTheReadersAccept) {
  const struct {
    int treeDepth;
    int foldersWritten;
    std::vector<std::string> reports;
  } cases[] = {
      {14, 14, {}},
      {15, 15, {}},
      {16, 15, {"Folders not scanned because they lie deeper than 15 levels: 1"}},
      {20, 15, {"Folders not scanned because they lie deeper than 15 levels: 1"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.treeDepth);
    const std::string disc = "deep" + std::to_string(c.treeDepth);
    std::string path = disc + "/";
    folder_.Write(path + "root.txt", "x");
    for (int level = 1; level <= c.treeDepth; ++level) {
      path.append("L").append(std::to_string(level)).append("/");
      folder_.Write(path + "f" + std::to_string(level) + ".txt", "x");
    }
    reporter_.reports.clear();
    TitleWriter writer;
    ASSERT_EQ(Scan(writer, "Deep", Root(disc)), ScanOutcome::Saved);
    const std::string scanned = folder_.Read("scan.$$$");
    for (int level = 1; level <= c.treeDepth; ++level) {
      const bool written = level <= c.foldersWritten;
      const std::string number = std::to_string(level);
      EXPECT_EQ(scanned.find("\\L" + number + "\r\n") != std::string::npos, written) << "folder " << level;
      EXPECT_EQ(scanned.find("\r\nf" + number + ".txt:") != std::string::npos, written) << "file " << level;
    }
    EXPECT_EQ(reporter_.Errors(), c.reports);
    const ReadBack back = ReadTemp();
    EXPECT_EQ(back.check, CheckOutcome::Good);
    EXPECT_EQ(back.checkErrors, std::vector<std::string>{});
    EXPECT_EQ(back.checkedFiles, writer.FileCount());
  }
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
  EXPECT_EQ(Scan(writer), ScanOutcome::Saved);
  EXPECT_EQ(writer.FileCount(), 2);
  EXPECT_EQ(folder_.Read("scan.$$$"),
            "|||Backup 1\r\na.txt:05/07/03\r\n\\LOCKED\r\n..\r\n\\OPEN\r\nb.txt:05/07/03\r\n..\r\n<eof>\r\n");
}

TEST_F(WalkerTest, ATempFileThatCannotBeWrittenIsReported) {
  File("a.txt");
  folder_.MakeFolder("scan.$$$");
  TitleWriter writer;
  EXPECT_EQ(Scan(writer), ScanOutcome::SaveFailed);
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
  File("caf\xE9.txt");            // not UTF-8: the one bad byte becomes "?"
  File("a:b|c.txt");
  File("new\nline.txt");
  const std::string scanned = Scanned();
  EXPECT_NE(scanned.find("\r\na?b?c.txt:05/07/03\r\n"), std::string::npos) << scanned;
  EXPECT_NE(scanned.find("\r\ncaf\xE9.txt:05/07/03\r\n"), std::string::npos);
  EXPECT_NE(scanned.find("\r\neuro\x80.txt:05/07/03\r\n"), std::string::npos);
  EXPECT_NE(scanned.find("\r\nkanji?.txt:05/07/03\r\n"), std::string::npos);
  EXPECT_NE(scanned.find("\r\ncaf?.txt:05/07/03\r\n"), std::string::npos);
  EXPECT_NE(scanned.find("\r\nnew?line.txt:05/07/03\r\n"), std::string::npos);
}

TEST_F(WalkerTest, ALinkToAFolderIsListedAsAFile) {
  File("real/x.txt");
  fs::create_directory_symlink(folder_.Path("disc/real"), folder_.Path("disc/link"));
  const std::string scanned = Scanned();
  EXPECT_NE(scanned.find("\r\nlink:"), std::string::npos) << scanned;
  EXPECT_EQ(scanned.find("\\link"), std::string::npos);
}

// The line reader takes at most 258 characters as one whole line.
TEST_F(WalkerTest, NamesAndPathsTooLongForACatalogAreShortenedOrSkippedAndSaid) {
  const auto letter = [](int length) { return static_cast<char>('a' + length % 26); };
  for (int length : {248, 249, 250, 255}) File(std::string(static_cast<std::size_t>(length), letter(length)));
  const std::string deep = std::string(200, 'p') + "/" + std::string(200, 'q');
  File(deep + "/lost.txt");
  const std::string scanned = Scanned();
  for (auto [length, stored] : {std::pair{248, 248}, {249, 249}, {250, 249}, {255, 249}}) {
    const std::string line = std::string(static_cast<std::size_t>(stored), letter(length)) + ":05/07/03";
    EXPECT_NE(scanned.find("\r\n" + line + "\r\n"), std::string::npos) << length;
  }
  EXPECT_EQ(scanned.find("lost.txt"), std::string::npos);
  EXPECT_EQ(reporter_.Errors(),
            (std::vector<std::string>{"Names shortened to fit a catalog line: 2",
                                      "Folders not scanned because their path is too long: 1"}));
  const ReadBack back = ReadTemp();
  EXPECT_EQ(back.longestLine, 258u);
  EXPECT_EQ(back.cutLines, 0);
  EXPECT_EQ(back.check, CheckOutcome::Good);
  EXPECT_EQ(back.checkErrors, std::vector<std::string>{});
}

// The root's path must fit the walker's 260-byte folder path with its end.
TEST_F(WalkerTest, ARootOf260BytesOrMoreIsRefusedWithItsReason) {
  const std::size_t base = Root().size() + 1;  // the padding folder's separator
  ASSERT_LT(base, 200u);
  const struct {
    std::size_t rootLength;
    ScanOutcome outcome;
    std::vector<std::string> reports;
  } cases[] = {
      {259, ScanOutcome::Saved, {}},
      {260, ScanOutcome::RootTooLong, {"The folder's path is longer than 259 bytes - Nothing saved!"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.rootLength);
    const std::string padding(c.rootLength - base, 'r');
    File(padding + "/inside.txt");
    const std::string root = Root() + padding + platform::kPathSeparator;
    ASSERT_EQ(root.size(), c.rootLength);
    reporter_.reports.clear();
    TitleWriter writer;
    EXPECT_EQ(Scan(writer, "Long", root), c.outcome);
    EXPECT_EQ(reporter_.Errors(), c.reports);
  }
}
#endif

// A line of 258 characters reaches every reader whole; one of 259 is cut,
// and its line end arrives as an empty line.
TEST(LineLimit, TheLongestLineTheWriterMakesIsTheLongestTheReaderTakesWhole) {
  EXPECT_EQ(kMaxLineText, 258);
  for (auto [length, whole] : {std::pair{258, true}, {259, false}}) {
    const std::string text = std::string(static_cast<std::size_t>(length), 'x') + "\r\nnext\r\n";
    const char* cursor = text.data();
    char line[kLineBufferSize];
    bool cut = false;
    EXPECT_EQ(ReadLine(cursor, text.data() + text.size(), line, kLineLimit, cut), 258u + (whole ? 0 : 1)) << length;
    EXPECT_EQ(cut, !whole) << length;
    ReadLine(cursor, text.data() + text.size(), line, kLineLimit, cut);
    EXPECT_EQ(std::string(line), whole ? "next" : "") << length;
  }
}

TEST_F(WalkerTest, NamesThatWouldReadAsAnotherLineKindLoseTheirFirstCharacter) {
  const struct {
    const char* name;
    const char* line;  // as stored
  } cases[] = {
      {"@@@fake", "?@@fake:05/07/03"},  // would start a phantom title
      {"@@@", "?@@:05/07/03"},
      {"@@odd", "@@odd:05/07/03"},      // not a title line: kept
      {"SUB/@@@inner", "?@@inner:05/07/03"},
      {"@@@folder/x.txt", "\\@@@folder"},  // a folder line is always one
#ifndef _WIN32  // names Windows does not allow
      {"...", "...:05/07/03"},
      {" lead.txt", " lead.txt:05/07/03"},  // readers take it for a file or pass it over
#endif
  };
  for (const auto& c : cases) File(c.name);
  TitleWriter writer;
  ASSERT_EQ(Scan(writer, "Odd names"), ScanOutcome::Saved);
  const std::string scanned = folder_.Read("scan.$$$");
  for (const auto& c : cases) EXPECT_NE(scanned.find("\r\n" + std::string(c.line) + "\r\n"), std::string::npos) << c.name;
  EXPECT_EQ(reporter_.Errors(), std::vector<std::string>{
                                    "Names whose first character became \"?\" so that they do not read as another "
                                    "catalog line: 3"});
  const ReadBack back = ReadTemp();
  EXPECT_EQ(back.titles, std::vector<std::string>{"Odd names"});
  EXPECT_EQ(back.check, CheckOutcome::Good);
}

// A description is one line: CR or LF in it would write lines of their own.
TEST_F(WalkerTest, ADescriptionWithALineBreakIsRefusedAndNothingIsStored) {
  File("a.txt");
  const struct {
    const char* description;
    bool accepted;
  } cases[] = {
      {"A\r\n<eof>\r\n|||B", false},
      {"A\nB", false},
      {"A\rB", false},
      {"A\tB\x01", true},  // other control characters are the rows' business
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.description);
    reporter_.reports.clear();
    TitleWriter writer;
    EXPECT_EQ(writer.Begin(c.description), c.accepted);
    if (c.accepted) writer.WalkDisc(Root().c_str());
    EXPECT_EQ(writer.Finish(Temp().c_str(), reporter_), c.accepted ? ScanOutcome::Saved : ScanOutcome::BadDescription);
    if (c.accepted) continue;
    EXPECT_EQ(reporter_.Errors(), std::vector<std::string>{
                                      "The disk description must not hold a line break (CR or LF) - Nothing saved!"});
    EXPECT_FALSE(folder_.Exists("scan.$$$"));
  }
}

#ifdef _WIN32
// "Z:/discs/one/" names the same folder as "Z:\\discs\\one\\"; the walk must
// climb back to it, not out of it.
TEST_F(WalkerTest, ARootWrittenWithSlashesIsWalkedLikeOneWithBackslashes) {
  File("a.txt");
  File("A/b.txt");
  File("B/c.txt");
  const std::string expected = Scanned();
  std::string slashed = Root();
  for (char& c : slashed)
    if (c == '\\') c = '/';
  TitleWriter writer;
  ASSERT_EQ(Scan(writer, "Backup 1", slashed), ScanOutcome::Saved);
  EXPECT_EQ(folder_.Read("scan.$$$"), expected);
  EXPECT_EQ(writer.FileCount(), 3);
}
#endif

}  // namespace
}  // namespace vardek
