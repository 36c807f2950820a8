#pragma once
// Which catalog each row of a result list came from. Rows are added catalog
// after catalog, so the row index where each catalog's rows begin tells it;
// the rows themselves stay sixteen bytes.
#include <string>
#include <vector>

namespace vardek::cli {

class RowCatalogs {
 public:
  // The rows from `firstRow` on, up to the next Begin, come from `catalog`.
  void Begin(int firstRow, const std::string& catalog);
  // The catalog of a row (by its index in the list, whatever order prints it);
  // empty before the first Begin.
  const std::string& Of(int row) const;

 private:
  std::vector<int> firstRows_;
  std::vector<std::string> catalogs_;
};

}  // namespace vardek::cli
