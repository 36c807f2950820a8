#pragma once
// The rows of a search of several catalogs, or of the parts of one: a list
// for each, kept apart in catalog order, so that rows found side by side are
// printed as they stand instead of being copied into one list first. Only a
// sort needs them in one list.
#include <memory>
#include <string>
#include <vector>

#include "browse/result_list.h"
#include "cli/row_catalogs.h"

namespace vardek::cli {

class FoundRows {
 public:
  // A new, empty list for rows of `catalog`, after the others; nullptr when
  // there is no memory for it.
  ResultList* Add(const std::string& catalog);
  // Takes over a list already filled (a search done side by side).
  void Add(std::unique_ptr<ResultList> list, const std::string& catalog);
  // Drops every list from `first` on (a search of parts given up).
  void DropFrom(std::size_t first);

  std::size_t Size() const { return lists_.size(); }
  const ResultList& List(std::size_t i) const { return *lists_[i].list; }
  const std::string& Catalog(std::size_t i) const { return lists_[i].catalog; }
  int Count() const;

 private:
  struct Found {
    std::unique_ptr<ResultList> list;
    std::string catalog;
  };
  std::vector<Found> lists_;
};

// Every row of `found` copied into `list`, in order, and where each
// catalog's rows begin into `catalogs`; false when `list` took no more (the
// rows so far stay).
bool TakeFoundRows(const FoundRows& found, ResultList& list, RowCatalogs& catalogs);

}  // namespace vardek::cli
