#include "browse/collect.h"

#include <bit>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "browse/folder_of_rows.h"
#include "browse/name_match.h"
#include "catalog/catalog_format.h"
#include "catalog/count_bits.h"
#include "catalog/line_skip.h"

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define VARDEK_COLLECT_SSE2 1
#endif

namespace vardek {

namespace {

enum class WalkMode { Browse, SearchFiles, SearchFolders };

// The name test of a search: today's part of a name, or a filter's pattern.
bool SearchMatches(std::string_view name, const std::string& search, const FindFilter* filter) {
  return filter != nullptr && filter->wildcard ? WildcardMatches(name, search) : NameMatches(name, search);
}

// The file test of a search, as the walk applies it to a file line: whether
// the line can give a row. The line may be any line; only a file line passes.
class FileTest {
 public:
  FileTest(const std::string& search, const FindFilter* filter, bool newFormat)
      : search_(search), filter_(filter), newFormat_(newFormat),
        wildcard_(filter != nullptr && filter->wildcard), dated_(filter != nullptr && filter->dated) {}

  enum class Verdict {
    NoRow,      // the line gives no row and counts for nothing: the walk's own tests would drop it
    NameFound,  // the name holds the search text; the walk's other tests decide
    Unknown,    // the walk's tests decide, the name's included
  };

  // Of a line holding the plain search text at `place` (an offset in the
  // line). A file whose date cannot be read is counted by the walk, so such
  // a line is never NoRow here.
  Verdict Judge(std::string_view line, std::size_t place, std::size_t textSize) const {
    FileLineParts parts;
    if (!SplitFileLine(line, newFormat_, parts)) return Verdict::NoRow;
    // A plain text that stands wholly in the name is found in it.
    const bool found = !wildcard_ && place + textSize <= parts.name.size();
    if (!found && !SearchMatches(parts.name, search_, filter_)) return Verdict::NoRow;
    if (dated_) {
      std::uint32_t date = 0;
      if (FileDateNumber(parts.dateText, date) && (date < filter_->since || date > filter_->until))
        return Verdict::NoRow;
    }
    return found ? Verdict::NameFound : Verdict::Unknown;
  }

 private:
  const std::string& search_;
  const FindFilter* filter_;
  bool newFormat_;
  bool wildcard_;
  bool dated_;
};

// The line around a place of the search text, as the walk will read it.
struct StoredLine {
  bool asStored = false;  // the line reads as it is stored; else the walk alone knows it
  std::string_view text;  // without its line end
  const char* next = nullptr;  // where the line after it starts
};

// Where the line around `at` starts (no earlier than `from`) and ends (at
// its LF or `dataEnd`), with the CRs between. Frequent texts find a line
// every hundred bytes or so: sixteen bytes a step where they lie within
// the data, byte by byte near its ends.
struct LineBounds {
  const char* start;
  const char* end;
  int crs = 0;
};

LineBounds BoundsAround(const char* from, const char* at, const char* dataEnd) {
  LineBounds bounds{at, at};
  bool startFound = false;
  bool endFound = false;
#ifdef VARDEK_COLLECT_SSE2
  const __m128i lf = _mm_set1_epi8('\n');
  const __m128i cr = _mm_set1_epi8('\r');
  const auto bitsOf = [](__m128i bytes, __m128i byte) {
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, byte)));
  };
  while (!startFound && bounds.start - from >= 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bounds.start - 16));
    const std::uint32_t lfs = bitsOf(bytes, lf);
    std::uint32_t crBits = bitsOf(bytes, cr);
    if (lfs != 0) {
      // The line starts after the last LF; only the CRs behind it are its own.
      const int last = 31 - std::countl_zero(lfs);
      crBits >>= last + 1;
      bounds.start += last + 1 - 16;
      startFound = true;
    } else {
      bounds.start -= 16;
    }
    if (crBits != 0) bounds.crs += CountBits(crBits);
  }
  while (!endFound && dataEnd - bounds.end >= 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bounds.end));
    const std::uint32_t lfs = bitsOf(bytes, lf);
    std::uint32_t crBits = bitsOf(bytes, cr);
    if (lfs != 0) {
      const int first = std::countr_zero(lfs);
      crBits &= (1u << first) - 1;
      bounds.end += first;
      endFound = true;
    } else {
      bounds.end += 16;
    }
    if (crBits != 0) bounds.crs += CountBits(crBits);
  }
#endif
  if (!startFound) {
    while (bounds.start > from && bounds.start[-1] != '\n') bounds.crs += *--bounds.start == '\r';
  }
  if (!endFound) {
    while (bounds.end < dataEnd && *bounds.end != '\n') bounds.crs += *bounds.end++ == '\r';
  }
  return bounds;
}

// `from` is where a line starts, at or before `at`. A line reads as stored
// when it holds no CR but the one before its LF and is too short to be cut.
StoredLine StoredLineAround(const char* from, const char* at, const char* dataEnd) {
  const LineBounds bounds = BoundsAround(from, at, dataEnd);
  const char* start = bounds.start;
  const char* end = bounds.end;
  int crs = bounds.crs;
  StoredLine line;
  line.next = end < dataEnd ? end + 1 : dataEnd;
  if (end < dataEnd && end > start && end[-1] == '\r') {
    --end;
    --crs;
  }
  const std::size_t size = static_cast<std::size_t>(end - start);
  line.asStored = crs == 0 && size + 2 <= static_cast<std::size_t>(kLineLimit);
  line.text = std::string_view(start, size);
  return line;
}

// What a search already knows about the catalog ahead: the next place where
// the search text stands in the bytes at hand on a line that may give a row. A
// stored line that lies wholly before it cannot give one: it is passed over
// without being handed out. Places on lines that read as stored and fail
// the file test are passed by, so the walk never sees those lines.
class HitAhead {
 public:
  HitAhead(std::string_view ahead, const FileTest& test) : ahead_(ahead), test_(test) {}

  // The next place at or after `from` (a line start) where the text stands
  // on a line that may give a row (the data's end when nowhere).
  const char* NextFrom(const char* from, const char* dataEnd, std::uint64_t readOns) {
    // A catalog read in pieces moved its bytes: what was found is elsewhere now.
    if (readOns != readOns_) {
      readOns_ = readOns;
      next_ = foundLine_ = nullptr;
    }
    if (next_ >= from) return next_;
    const char* lineStart = from;
    foundLine_ = nullptr;
    for (;;) {
      const std::size_t found =
          FindLoweredText(std::string_view(from, static_cast<std::size_t>(dataEnd - from)), ahead_);
      if (found == std::string_view::npos) return next_ = dataEnd;
      const char* at = from + found;
      const StoredLine line = StoredLineAround(lineStart, at, dataEnd);
      if (!line.asStored) return next_ = at;
      const auto place = static_cast<std::size_t>(at - line.text.data());
      const FileTest::Verdict verdict = test_.Judge(line.text, place, ahead_.size());
      if (verdict != FileTest::Verdict::NoRow) {
        foundLine_ = verdict == FileTest::Verdict::NameFound ? line.text.data() : nullptr;
        return next_ = at;
      }
      from = lineStart = line.next;
    }
  }

  bool MayMatch(const CatalogWalk& walk) {
    if (ahead_.empty() || !walk.LineInData()) return true;
    const std::string_view line = walk.Line();
    const char* lineEnd = line.data() + line.size();
    NextFrom(line.data(), walk.DataEnd(), walk.ReadOns());
    return next_ <= lineEnd && static_cast<std::size_t>(lineEnd - next_) >= ahead_.size();
  }

  // True when the walk's current line is the one NextFrom found the search
  // text in its name: its name test is already passed.
  bool NameFound(const CatalogWalk& walk) const {
    return foundLine_ != nullptr && walk.LineInData() && walk.Line().data() == foundLine_;
  }

 private:
  std::string_view ahead_;
  const FileTest& test_;
  const char* next_ = nullptr;
  const char* foundLine_ = nullptr;  // where the line of `next_` starts, when its name holds the text
  std::uint64_t readOns_ = 0;
};

WalkOutcome Walk(CatalogReader& reader, const char* catalogPath, WalkMode mode, const char* description,
                 const char* searchText, ResultList& list, Reporter& reporter,
                 const std::function<void()>& everyLines, CatalogPart* part = nullptr,
                 FindFilter* filter = nullptr) {
  std::string search = searchText == nullptr ? "" : searchText;
  for (char& c : search) c = LowerAsciiChar(c);
  // A pattern is looked ahead for by its longest plain run: every name that
  // fits holds it. A pattern without one ("*", "??") looks at every line.
  const bool wildcard = filter != nullptr && filter->wildcard;
  const std::string ahead(wildcard ? LongestLiteralRun(search) : std::string_view(search));
  const bool searchesFiles = mode == WalkMode::SearchFiles && !ahead.empty();
  CatalogWalk walk(reader, reporter, everyLines);
  if (part != nullptr) {
    walk.OpenPart(*part);
  } else if (!walk.Open(catalogPath)) {
    return walk.Outcome();
  }
  const std::string_view wanted = description == nullptr ? "" : description;
  const FileTest fileTest(search, filter, walk.NewFormat());
  HitAhead hits(mode == WalkMode::SearchFiles ? std::string_view(ahead) : std::string_view(), fileTest);

  // Lines before the first title line belong to no disc: their rows show an
  // empty description and, as at the end of a title, the root folder.
  FolderOfRows folder(list);
  std::uint32_t titleOffset = list.AddTitle("");
  bool inTitle = mode != WalkMode::Browse;
  const bool byDisc = filter != nullptr && filter->byDisc;
  // A listing takes the date filter too; folders have no dates.
  const bool dated = filter != nullptr && filter->dated && mode != WalkMode::SearchFolders;
  bool discWanted = !byDisc || NameMatches("", filter->disc);

  // File lines no row can come from are passed over: a search for files
  // passes over those before the next place of its text, a search for
  // folders all of them, a listing those before its title. But for the
  // search for folders, the folder and climb lines among them are followed.
  LineSkip otherLines = MakeLineSkip(kStructureLineStarts, LineTest::None, true, mode != WalkMode::SearchFolders);
  if (mode != WalkMode::SearchFiles || searchesFiles) walk.PassOver(&otherLines);

  for (;;) {
    if (searchesFiles && walk.Running())
      otherLines.stopAt = hits.NextFrom(walk.NextLineStart(), walk.DataEnd(), walk.ReadOns());
    if (!walk.Next()) break;
    switch (walk.Kind()) {
      case LineKind::Comment:
      case LineKind::Climb:
        break;
      case LineKind::Title:
        titleOffset = list.AddTitle(walk.Description());
        if (byDisc) discWanted = NameMatches(walk.Description(), filter->disc);
        if (mode == WalkMode::Browse && wanted == walk.Description()) {
          inTitle = true;
          walk.PassOver(nullptr);
        }
        break;
      case LineKind::Folder: {
        if (mode != WalkMode::SearchFolders || !discWanted) break;
        // A pattern is over the name; today's part may begin with the "\".
        std::string_view folderText = walk.FolderLine();
        if (wildcard && !folderText.empty()) folderText.remove_prefix(1);
        if (!SearchMatches(folderText, search, filter)) break;
        if (!list.AddRow("", "", folder.Offset(walk), titleOffset)) walk.Stop(WalkOutcome::ListFull);
        break;
      }
      case LineKind::EndOfTitle:
        if (mode == WalkMode::Browse && inTitle) walk.Stop(WalkOutcome::Complete);
        break;
      case LineKind::BlankLed:  // a file line to this walk
      case LineKind::File: {
        if (mode == WalkMode::SearchFolders || !inTitle || !hits.MayMatch(walk)) break;
        FileLineParts parts;
        // Old-format lines shorter than nine characters have no room for a
        // date and are passed over like new-format lines without ":".
        if (!SplitFileLine(walk.Line(), walk.NewFormat(), parts)) break;
        if (mode == WalkMode::SearchFiles &&
            (!discWanted || !(hits.NameFound(walk) || SearchMatches(parts.name, search, filter))))
          break;
        if (dated) {
          std::uint32_t date = 0;
          if (!FileDateNumber(parts.dateText, date)) {
            ++filter->undated;
            break;
          }
          if (date < filter->since || date > filter->until) break;
        }
        if (!list.AddRow(parts.name, parts.dateText, folder.Offset(walk), titleOffset))
          walk.Stop(WalkOutcome::ListFull);
        break;
      }
    }
  }
  if (part != nullptr) {
    part->endDepth = walk.Depth();
    part->lastLine = walk.LineNumber();
  }
  return walk.Outcome();
}

}  // namespace

bool FileDateNumber(std::string_view dateText, std::uint32_t& number) {
  if (!IsGoodDateText(dateText)) return false;
  const CatalogDate date = ReadDateText(dateText);
  number = static_cast<std::uint32_t>(date.year * 10000 + date.month * 100 + date.day);
  return true;
}

std::string IsoDate(std::uint32_t date) {
  if (date == 0) return "";
  // The digits put in place, no formatting call: json prints one a row.
  std::string text = "0000-00-00";
  for (const int at : {9, 8, 6, 5, 3, 2, 1, 0}) {
    text[static_cast<std::size_t>(at)] = static_cast<char>('0' + date % 10);
    date /= 10;
  }
  return text;
}

WalkOutcome CollectFiles(CatalogReader& reader, const char* catalogPath, const char* description,
                         const char* searchText, ResultList& list, Reporter& reporter,
                         const std::function<void()>& everyLines, FindFilter* filter) {
  const bool browse = description != nullptr && description[0] != '\0';
  return Walk(reader, catalogPath, browse ? WalkMode::Browse : WalkMode::SearchFiles, description, searchText,
              list, reporter, everyLines, nullptr, filter);
}

WalkOutcome CollectTitleFiles(CatalogReader& reader, const char* catalogPath, const char* description,
                              ResultList& list, Reporter& reporter) {
  return Walk(reader, catalogPath, WalkMode::Browse, description, "", list, reporter, {});
}

WalkOutcome CollectInPart(CatalogReader& reader, const char* searchText, bool folders, ResultList& list,
                          Reporter& reporter, CatalogPart& part, FindFilter* filter) {
  return Walk(reader, nullptr, folders ? WalkMode::SearchFolders : WalkMode::SearchFiles, nullptr, searchText,
              list, reporter, {}, &part, filter);
}

WalkOutcome CollectFolders(CatalogReader& reader, const char* catalogPath, const char* searchText,
                           ResultList& list, Reporter& reporter, const std::function<void()>& everyLines,
                           FindFilter* filter) {
  return Walk(reader, catalogPath, WalkMode::SearchFolders, nullptr, searchText, list, reporter, everyLines,
              nullptr, filter);
}

}  // namespace vardek
