#pragma once
// The one walk over a catalog's lines that every reader of disc titles builds
// on (browse, find, the check, the bad-date scan): it reads line by line,
// keeps the folder depth, the folder path and the caption of its reports,
// enforces the depth rules with their messages, runs the caller's hook every
// 200 lines and unmaps the catalog however the walk ends. The caller pulls
// the lines and decides what each one means to it:
//
//   CatalogWalk walk(reader, reporter, everyLines);
//   if (!walk.Open(path)) return walk.Outcome();
//   while (walk.Next()) { switch (walk.Kind()) { ... } }
//   return walk.Outcome();
#include <functional>
#include <string>
#include <string_view>

#include "catalog/catalog_format.h"
#include "catalog/catalog_reader.h"
#include "catalog/folder_path.h"
#include "catalog/line_reader.h"
#include "catalog/reporter.h"

namespace vardek {

inline constexpr long kWalkHookInterval = 200;

inline constexpr const char* kErrorOpeningFile = "Error opening file";
inline constexpr const char* kTreeCorrupt = "Directory tree is corrupt.";
inline constexpr const char* kTooDeep = "More than 16 folder levels.";
inline constexpr const char* kBelowRoot = "Attempt to go below the root folder.";
inline constexpr const char* kNotAtRoot = "End of title without ending at root folder.";

enum class WalkOutcome {
  OpenFailed,   // the catalog could not be mapped; "Error opening file" was reported
  Complete,     // read to the end, or as far as the caller wanted
  DepthError,   // a depth rule was broken and reported; what was read before stays
  ListFull,     // the caller's result list took no more rows
  LineError,    // the caller rejected a line by a rule of its own and reported it
  Interrupted,  // the hook took the one reader over (the desktop pumps messages there)
  ReadFailed,   // the catalog could not be read to its end; "Error opening file" was reported
};

// One part of a catalog that `whole` holds mapped, for walks over its parts
// side by side (CatalogWalk::OpenPart); `endDepth` receives the folder depth
// at its end and `lastLine` the number of its last line. With `toEnd` the
// walk reads on from the part's start to the catalog's end, its lines
// numbered on from `linesBefore`: the rest of a walk over the whole whose
// parts before were read already.
struct CatalogPart {
  const CatalogReader* whole = nullptr;
  int index = 0;
  int count = 1;
  bool toEnd = false;
  long linesBefore = 0;
  int endDepth = 0;
  long lastLine = 0;
};

struct WalkRules {
  // Caption of a depth error met before the first title line, where there is
  // no disc description yet.
  const char* captionBeforeTitle = kProductName;
  // An end-of-title line inside a folder breaks a depth rule (the check).
  bool endAtRoot = false;
  // A line the reader had to cut is handed out as it is, with Cut() set and
  // no rule applied (the check reports it); otherwise it is read like any line.
  bool cutLinesApart = false;
  // The folder path is kept (FolderPath()); a reader of the depth alone (the
  // check) has it left empty.
  bool keepsFolderPath = true;
};

class CatalogWalk {
 public:
  // `everyLines` runs when the line number is a multiple of 200, before the
  // line is looked at; it may read reader.PercentRead(). It must outlive the walk.
  CatalogWalk(CatalogReader& reader, Reporter& reporter, const std::function<void()>& everyLines = {},
              WalkRules rules = {});
  CatalogWalk(const CatalogWalk&) = delete;
  CatalogWalk& operator=(const CatalogWalk&) = delete;
  ~CatalogWalk() {
    if (running_) reader_.Unmap();
  }

  // Opens the catalog (line limit 260) to be read from start to end: in
  // pieces where the platform does that faster, else mapped (see
  // CatalogReader::Stream). False, after the error box "Error opening file"
  // with the path as caption, when it cannot be opened.
  bool Open(const char* path);
  // Reads only part `index` of `count` of the catalog that `part.whole`
  // holds mapped (and must hold until the walk ends; the part itself is read
  // as CatalogReader::ReadPart reads it), or from it to the end
  // (`toEnd`): the catalog is cut right before title lines into near equal
  // sizes, so walks over the parts, one after the other, read the lines of
  // one walk over the whole. Each part's walk starts at the root and counts
  // its lines on from `linesBefore`; where the walk before it did not end at
  // the root, the parts do not add up.
  void OpenPart(const CatalogPart& part);
  // Reads the next line and applies the depth rules to it. False at the end
  // of the catalog, after a depth error (reported) or a Stop; the catalog is
  // then unmapped and Outcome() says why.
  bool Next();
  // From now on, before each line, passes over the lines that `skip` lets go
  // (nullptr: none): they are counted, not handed out, and must mean nothing
  // to the caller beyond their number. A skip that follows folders has the
  // walk keep the depth and the folder path of the folder and climb lines it
  // passes over. The skip must outlive its use; its stop may be moved
  // between lines.
  void PassOver(const LineSkip* skip) { skip_ = skip; }
  // Lines passed over so far, but for the folder and climb lines followed.
  long PassedOver() const { return passedOver_; }
  bool Running() const { return running_; }
  // Where the next line starts, in the bytes at hand (while the walk runs).
  const char* NextLineStart() const { return reader_.Cursor(); }
  // Changes when the bytes at hand move (see CatalogReader::ReadOns).
  std::uint64_t ReadOns() const { return reader_.ReadOns(); }
  // Ends the walk with `outcome`; the next Next() returns false.
  void Stop(WalkOutcome outcome);

  WalkOutcome Outcome() const { return outcome_; }
  bool NewFormat() const { return newFormat_; }

  // The current line: its kind, its bytes (a damaged catalog may hold NUL
  // bytes inside a line) and whether the reader cut it.
  LineKind Kind() const { return kind_; }
  std::string_view Line() const { return line_; }
  // True when Line() lies in the mapping as the line is stored (then the
  // bytes around it are the catalog's own): every line but a copied one.
  bool LineInData() const { return line_.data() != scratch_; }
  // Where the bytes at hand end.
  const char* DataEnd() const { return reader_.End(); }
  bool Cut() const { return cut_; }
  long LineNumber() const { return lineNumber_; }
  // A title line's description (from the fourth character).
  const char* Description() const { return TitleDescription(scratch_); }
  // A folder line as a name ("\" and the name, up to a NUL byte), the way it
  // went into the folder path: the last one handed out.
  std::string_view FolderLine() const { return folderLine_; }
  // How often the folder path has moved (a folder entered or left, a title
  // ended), whether its lines were handed out or passed over.
  long FolderMoves() const { return folderMoves_; }

  // Where the walk stands after the current line: folder depth below the
  // title's root, the folder path (empty at the root), and the description
  // of the last title line (the caption of depth errors).
  int Depth() const { return depth_; }
  std::string_view FolderPath() const { return folder_.Text(); }
  const char* Caption() const { return caption_; }

 private:
  void SkipLines();
  bool Follow();
  void KeepTitleLine();
  bool Break(const char* rule);
  void End(WalkOutcome outcome);

  CatalogReader& reader_;
  Reporter& reporter_;
  const std::function<void()>* everyLines_;
  WalkRules rules_;
  WalkOutcome outcome_ = WalkOutcome::OpenFailed;
  bool running_ = false;
  bool newFormat_ = false;

  // The current line: in the mapping or, copied, in scratch_.
  char scratch_[kLineBufferSize] = {};
  std::string_view line_;
  LineKind kind_ = LineKind::Comment;
  bool cut_ = false;
  long lineNumber_ = 0;
  const LineSkip* skip_ = nullptr;
  long passedOver_ = 0;
  std::string_view folderLine_;

  int depth_ = 0;
  long folderMoves_ = 0;
  vardek::FolderPath folder_;
  char caption_[kLineBufferSize] = {};
  std::string path_;  // the caption of an error in reading on
};

}  // namespace vardek
