#include "maintenance/delete_title.h"

#include <cstring>
#include <string>

#include "catalog/catalog_format.h"
#include "catalog/line_reader.h"
#include "catalog/text_buffer.h"
#include "catalog/text_routines.h"
#include "platform/text_compare.h"

namespace vardek {

namespace {

struct Removal {
  int removed = 0;
  int kept = 0;  // titles left in the catalog
};

// Copies the catalog's lines into `output`, leaving out every title of that
// description. The rest of a cut line belongs to the line before it: it is
// neither a title line nor an end-of-title line.
Removal RemoveTitles(CatalogReader& reader, const char* description, TextBuffer& output) {
  char line[kLineBufferSize];
  Removal removal;
  bool removing = false;
  bool restOfCutLine = false;
  while (reader.HasData()) {
    reader.NextLine(line);
    const bool ownLine = !restOfCutLine;
    restOfCutLine = reader.Cut();
    const bool titleLine = ownLine && line[0] == '|';
    if (removing) {
      if (ownLine && std::strcmp(line, kEndOfTitleLine) == 0) {
        removing = false;
        continue;
      }
      // A damaged title without its end-of-title line ends at the next title
      // line, which is then judged like any other.
      if (!titleLine) continue;
      removing = false;
    }
    if (titleLine && platform::CompareTextNoCase(TitleDescription(line), description) == 0) {
      removing = true;
      ++removal.removed;
      continue;
    }
    if (titleLine) ++removal.kept;
    output.Append(line);
    output.Append("\r\n");
  }
  return removal;
}

}  // namespace

ChangeOutcome DeleteTitleFromCatalog(CatalogReader& reader, const char* catalogPath, const char* description,
                                     Reporter& reporter, int* titlesRemoved) {
  if (titlesRemoved != nullptr) *titlesRemoved = 0;
  std::string path = catalogPath == nullptr ? "" : catalogPath;
  SetExtension(path, kCatalogExtension);
  CatalogChange change(reporter);
  if (const ChangeOutcome taken = change.Begin(path); taken != ChangeOutcome::Ready) return taken;

  // The catalog is read through the one catalog reader, like every other
  // reading command, and released before the replace (Windows cannot
  // replace a mapped file).
  if (!reader.Map(change.CatalogFile().c_str(), kLineLimit)) {
    reporter.ErrorBox("Error opening file", path.c_str());
    return ChangeOutcome::Refused;
  }
  TextBuffer output;
  if (!output.Start(kDeleteBufferStart, kDeleteBufferGrowth)) {
    reader.Unmap();
    reporter.ErrorBox("Not enough memory", kProductName);
    return ChangeOutcome::Refused;
  }
  const Removal removal = RemoveTitles(reader, description, output);
  // A catalog cut short meanwhile by another program is not written back.
  const bool readWhole = !reader.ReadFailed();
  reader.Unmap();
  if (!readWhole) {
    reporter.ErrorBox("Error opening file", path.c_str());
    return ChangeOutcome::Refused;
  }

  ChangeOutcome outcome;
  if (removal.removed > 0 && removal.kept == 0) {
    // As when the only title is deleted: no catalog of no disc is kept.
    outcome = change.Remove();
    if (outcome == ChangeOutcome::Removed) reporter.InfoBox(kCatalogDeletedNoTitleLeft, path.c_str());
  } else if (output.Failed() || !output.SaveToFile(change.TempFile().c_str())) {
    outcome = ChangeOutcome::TempNotWritten;
  } else {
    output.Release();
    outcome = change.Replace();
  }
  if (titlesRemoved != nullptr && (outcome == ChangeOutcome::Replaced || outcome == ChangeOutcome::Removed))
    *titlesRemoved = removal.removed;
  return outcome;
}

}  // namespace vardek
