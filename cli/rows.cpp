#include "cli/rows.h"

#include <cstdint>
#include <memory>

#include "cli/cli.h"
#include "cli/output.h"
#include "cli/progress.h"

namespace vardek::cli {

const std::string& ShownPoolText::Of(std::uint32_t offset, const char* text) {
  if (!made_ || offset != offset_) {
    shown_ = CatalogToNative(text);
    offset_ = offset;
    made_ = true;
  }
  return shown_;
}

void PrintRows(const ResultList& list, const std::vector<int>* order) {
  RowWriter out;
  ShownPoolText folder;
  ShownPoolText title;
  const int count = order != nullptr ? static_cast<int>(order->size()) : list.Count();
  for (int i = 0; i < count; ++i) {
    const ResultRow& row = list.Row(order != nullptr ? (*order)[i] : i);
    out.Row(list.Name(row), list.Date(row).text, folder.Of(row.folderOffset, list.Folder(row)),
            title.Of(row.titleOffset, list.Title(row)));
  }
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
