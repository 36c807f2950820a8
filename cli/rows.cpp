#include "cli/rows.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

#include "browse/collect.h"
#include "cli/cli.h"
#include "cli/every_core.h"
#include "cli/progress.h"
#include "cli/record_writer.h"

namespace vardek::cli {

namespace {

// The date as YYYY-MM-DD by the catalog's century rule; empty when it cannot be read.
std::string IsoDateOfText(std::string_view dateText) {
  std::uint32_t number = 0;
  return FileDateNumber(dateText, number) ? IsoDate(number) : std::string();
}

// A pool text by its offset, measured again only when the next row has
// another one: the rows of one folder and one disc follow each other.
class PoolText {
 public:
  std::string_view Of(std::uint32_t offset, const char* text) {
    if (!made_ || offset != offset_) {
      text_ = text;
      offset_ = offset;
      made_ = true;
    }
    return text_;
  }

 private:
  bool made_ = false;
  std::uint32_t offset_ = 0;
  std::string_view text_;
};

// A pool text as tsv shows it, made again only when the next row has
// another one.
class ShownPoolText {
 public:
  const std::string& Of(std::uint32_t offset, const char* text) {
    if (!made_ || offset != offset_) {
      shown_.clear();
      AppendField(shown_, RowFormat::Tsv, CatalogField(text));
      offset_ = offset;
      made_ = true;
    }
    return shown_;
  }

 private:
  bool made_ = false;
  std::uint32_t offset_ = 0;
  std::string shown_;
};

// Rows a piece of the output holds, made on a core of its own.
constexpr int kRowsAPiece = 4096;

// Rows as records of name, date, folder, disc and (json only) the ISO date
// and the catalog.
class RowPrinter {
 public:
  explicit RowPrinter(RowFormat format) : out_(format, Columns()), json_(format == RowFormat::Json) {}
  // A piece of the output, into `sink`.
  RowPrinter(RowFormat format, std::string& sink) : out_(format, Columns(), sink), json_(format == RowFormat::Json) {}

  void Print(const ResultList& list, int index, const std::string* catalog) {
    const ResultRow& row = list.Row(index);
    const RowDate date = list.Date(row);
    if (out_.Format() == RowFormat::Tsv) {
      PrintTsv(list, row, date);
      return;
    }
    // Only json shows these two: the other formats need not work them out.
    const std::string iso = json_ ? IsoDateOfText(date.text) : std::string();
    const Field catalogField = json_ && catalog != nullptr ? NativeField(*catalog, true) : NullField();
    out_.Write({CatalogField(list.Name(row)), CatalogField(date.text), iso.empty() ? NullField() : CatalogField(iso),
                CatalogField(folder_.Of(row.folderOffset, list.Folder(row)), true),
                CatalogField(title_.Of(row.titleOffset, list.Title(row)), true), catalogField});
  }

  void Flush() { out_.Flush(); }

 private:
  // The default format's four columns, each field as Write would write it.
  void PrintTsv(const ResultList& list, const ResultRow& row, const RowDate& date) {
    std::string& line = out_.Pending();
    AppendTsvText(line, list.Name(row));
    line += '\t';
    AppendTsvText(line, date.text);
    line += '\t';
    line += shownFolder_.Of(row.folderOffset, list.Folder(row));
    line += '\t';
    line += shownTitle_.Of(row.titleOffset, list.Title(row));
    out_.EndRecord();
  }

  static std::vector<Column> Columns() {
    return {{"name"}, {"date"}, {"iso", true}, {"folder"}, {"disc"}, {"catalog", true}};
  }

  RecordWriter out_;
  bool json_;
  PoolText folder_;
  PoolText title_;
  ShownPoolText shownFolder_;
  ShownPoolText shownTitle_;
};

}  // namespace

void PrintRows(const ResultList& list, const std::vector<int>* order, const RowOutput& output) {
  RowPrinter printer(output.format);
  const int count = order != nullptr ? static_cast<int>(order->size()) : list.Count();
  for (int i = 0; i < count; ++i) {
    const int index = order != nullptr ? (*order)[static_cast<std::size_t>(i)] : i;
    printer.Print(list, index, output.catalogs != nullptr ? &output.catalogs->Of(index) : nullptr);
  }
}

void PrintRowsHeader(RowFormat format) {
  RowPrinter whole(format);  // the header, if the format has one
  whole.Flush();
}

void PrintListRows(const ResultList& list, const std::string& catalog, RowFormat format) {
  // Written a piece at a time: the text of every row at once would take
  // more memory than the list.
  std::string text;
  text.reserve(std::size_t{kRowsAPiece} * 128);
  RowPrinter printer(format, text);
  for (int row = 0; row < list.HeldRowCount(); ++row) {
    printer.Print(list, row, &catalog);
    if ((row + 1) % kRowsAPiece == 0 || row + 1 == list.HeldRowCount()) {
      std::fwrite(text.data(), 1, text.size(), stdout);
      text.clear();
    }
  }
  std::fflush(stdout);
}

void PrintFoundRows(const FoundRows& found, RowFormat format) {
  PrintRowsHeader(format);
  // A piece is kRowsAPiece rows, from as many lists as hold them: a search
  // of many catalogs gives many short lists.
  struct Stretch {
    std::size_t list;
    int first;
    int end;
  };
  std::vector<std::vector<Stretch>> pieces(1);
  int rowsInPiece = 0;
  for (std::size_t i = 0; i < found.Size(); ++i) {
    const int count = found.List(i).Count();
    for (int first = 0; first < count;) {
      if (rowsInPiece == kRowsAPiece) {
        pieces.emplace_back();
        rowsInPiece = 0;
      }
      const int end = std::min(count, first + (kRowsAPiece - rowsInPiece));
      pieces.back().push_back({i, first, end});
      rowsInPiece += end - first;
      first = end;
    }
  }
  // The pieces' text is made on every core and written in order, with a
  // few pieces for each core in memory at a time.
  std::vector<std::string> made(Cores() * 2);
  const PieceWork make = [&](std::size_t index, std::size_t slot) {
    made[slot].clear();
    for (const Stretch& stretch : pieces[index]) {
      // A printer of its own for each list: it keeps the texts of the rows
      // before by their offsets in that list's pools.
      RowPrinter printer(format, made[slot]);
      const ResultList& list = found.List(stretch.list);
      for (int row = stretch.first; row < stretch.end; ++row) printer.Print(list, row, &found.Catalog(stretch.list));
      printer.Flush();
    }
  };
  const PieceWork write = [&](std::size_t, std::size_t slot) {
    std::fwrite(made[slot].data(), 1, made[slot].size(), stdout);
  };
  InOrderOnEveryCore(pieces.size(), made.size(), make, write);
  std::fflush(stdout);
}

void WalkTally::Add(WalkOutcome outcome) {
  openFailed_ = openFailed_ || outcome == WalkOutcome::OpenFailed;
  endedEarly_ = endedEarly_ || outcome != WalkOutcome::Complete;
  listFull_ = listFull_ || outcome == WalkOutcome::ListFull;
}

int WalkTally::ExitStatus(int rows, Reporter& reporter) const {
  // The walk itself says nothing when the list is full (the desktop shows
  // the rows it has); a script must learn that some are missing.
  if (listFull_) reporter.ErrorBox(kNotEnoughMemory, kProductName);
  if (endedEarly_) return kExitFailure;
  return rows > 0 ? kExitSuccess : kExitFinding;
}

std::function<void()> PercentProgress(const CatalogReader& reader, std::string label) {
  // No hook at all when nothing would be shown: the walks then skip the call.
  if (!ProgressLine::Instance().Enabled()) return {};
  auto last = std::make_shared<int>(-1);
  return [&reader, label = std::move(label), last] {
    const int percent = reader.PercentRead();
    if (percent == *last) return;
    *last = percent;
    ProgressLine::Instance().Show(label + ": " + std::to_string(percent) + "%");
  };
}

}  // namespace vardek::cli
