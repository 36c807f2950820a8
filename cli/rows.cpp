#include "cli/rows.h"

#include <memory>

#include "cli/output.h"
#include "cli/progress.h"

namespace vardek::cli {

void PrintRows(const ResultList& list, const std::vector<int>* order) {
  RowWriter out;
  const int count = order != nullptr ? static_cast<int>(order->size()) : list.Count();
  for (int i = 0; i < count; ++i) {
    const ResultRow& row = list.Row(order != nullptr ? (*order)[i] : i);
    out.Row(list.Name(row), row.dateText, list.Folder(row), list.Title(row));
  }
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
