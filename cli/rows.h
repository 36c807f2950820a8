#pragma once
// Result rows on standard output, and the progress of the walks that make them.
#include <functional>
#include <string>
#include <vector>

#include "browse/result_list.h"
#include "catalog/catalog_reader.h"

namespace vardek::cli {

// Writes the rows (all, or those of `order` in that order) as tab-separated
// fields: file name, date text, folder, disc description.
void PrintRows(const ResultList& list, const std::vector<int>* order);

// A hook for the core's walks that shows "label: NN%" on the progress line
// whenever the percent read changes.
std::function<void()> PercentProgress(const CatalogReader& reader, std::string label);

}  // namespace vardek::cli
