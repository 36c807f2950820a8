#pragma once
// The catalog check: one pass over a catalog against the format's structure
// rules, stopping at the first structural error. It changes nothing.
#include <functional>

#include "catalog/catalog_reader.h"
#include "catalog/catalog_walk.h"
#include "catalog/reporter.h"

namespace vardek {

enum class CheckOutcome {
  NotRun,       // empty catalog path: nothing done
  OpenFailed,   // the catalog could not be mapped ("Error opening file")
  Stopped,      // a structural error stopped the check ("Check incomplete")
  Damaged,      // read to the end, but the last title ended inside a folder
  Good,         // read to the end: "File is good" (cut lines are reported but
                // do not clear good)
};

struct CheckResult {
  CheckOutcome outcome = CheckOutcome::NotRun;
  long lineNumber = 0;   // lines read, skipped ones too
  long fileCount = 0;    // file lines that passed the separator test
};

// Checks the catalog at `catalogPath` by the separator rule of `newFormat`
// (the main window's flag, not the file's first bytes). Findings go to the
// reporter with the check's texts, captions and line numbers; the status text
// (" files found" or "Check incomplete") goes to Status(0, ...).
// `everyLines` runs when the line number is a multiple of 200, before the
// line is tested; it may read reader.PercentRead() for the progress meter.
// The reader is mapped only during the call.
CheckResult CheckCatalog(CatalogReader& reader, const char* catalogPath, bool newFormat,
                         Reporter& reporter, const std::function<void()>& everyLines = {});

// What the check reports once it has read as far as it could: the status
// text, then "File is good", or the error where the last title ended inside
// a folder (`depth` there). Returns the outcome that makes.
CheckOutcome ReportCheckEnd(const char* catalogPath, bool complete, long fileCount, int depth, Reporter& reporter);

// The check of one part of a catalog (see CatalogWalk::OpenPart), reporting
// nothing. `clean` when the walk read the part to its end and met nothing
// the check reports: then parts that are all clean, each before the last
// ending at the root, make the check of the whole, their counts added up.
struct CheckedPart {
  bool clean = false;
  long fileCount = 0;
};
CheckedPart CheckPart(CatalogPart& part, bool newFormat);

}  // namespace vardek
