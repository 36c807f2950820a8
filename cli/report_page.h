#pragma once
// The parts of the printable HTML report: the page's head with its style,
// a catalog's table of discs (the numbers of `stats`) and the folder tree
// of each of its discs.
#include <string>
#include <vector>

#include "browse/disc_lines.h"
#include "cli/html_file.h"
#include "maintenance/disc_stats.h"

namespace vardek::cli {

void AddPageStart(HtmlFile& page, const std::vector<std::string>& catalogs);
// The catalog's heading and its table: a row a disc, then the total.
void AddDiscTable(HtmlFile& page, const std::string& catalog, const CatalogStats& stats);
// A line under the table when the catalog could not be read to its end.
void AddReadingNote(HtmlFile& page, const char* note);
void AddCatalogEnd(HtmlFile& page);
void AddPageEnd(HtmlFile& page);

// Reads a catalog's lines into one <details> a disc, folders nested in it
// and files listed with their dates. Discs come as `stats` found them.
class DiscTreeHtml : public DiscLines {
 public:
  DiscTreeHtml(HtmlFile& page, const CatalogStats& stats) : page_(page), stats_(stats) {}
  void Title(const char* description) override;
  void Folder(std::string_view name, const CatalogWalk& walk) override;
  void Climb(const CatalogWalk& walk) override;
  void EndOfTitle() override;
  void File(std::string_view name, std::string_view dateText, const CatalogWalk& walk) override;
  // Closes what is open; call once after the walk.
  void Finish();

 private:
  void OpenDisc(const std::string& description);
  void EnsureDisc();
  void CloseFolders();
  void CloseDisc();

  HtmlFile& page_;
  const CatalogStats& stats_;
  std::size_t nextDisc_ = 0;
  bool discOpen_ = false;
  int openFolders_ = 0;
  std::string line_;
};

}  // namespace vardek::cli
