#include "cli/report_page.h"

#include "browse/collect.h"
#include "catalog/text_routines.h"
#include "cli/cli.h"

namespace vardek::cli {

namespace {

constexpr const char* kStyle = R"(
body { font: 11pt/1.4 "DejaVu Sans", "Segoe UI", Arial, sans-serif; color: #1d2430; margin: 2em auto;
       max-width: 60em; padding: 0 1.5em; }
header { border-bottom: 3px solid #2f5d8a; margin-bottom: 1.5em; }
h1 { font-size: 1.7em; margin: 0 0 .2em; color: #2f5d8a; }
h2 { font-size: 1.25em; margin: 1.8em 0 .6em; border-bottom: 1px solid #c9d3de; padding-bottom: .2em; }
h3 { font-size: 1em; margin: 1.4em 0 .4em; color: #4a5568; text-transform: uppercase; letter-spacing: .05em; }
.made, .note { color: #5a6678; font-size: .9em; margin: .2em 0 .8em; }
.note { color: #9b2c2c; }
table.discs { border-collapse: collapse; width: 100%; font-size: .95em; table-layout: fixed; }
table.discs th:first-child { width: 30%; }
table.discs th:nth-child(5), table.discs th:nth-child(6) { width: 7.5em; }
table.discs td.disc { overflow-wrap: anywhere; }
table.discs th, table.discs td { padding: .35em .6em; border-bottom: 1px solid #dde3ea; text-align: left; }
table.discs th { background: #eef2f7; font-weight: 600; }
table.discs td.number, table.discs th.number { text-align: right; font-variant-numeric: tabular-nums; }
table.discs td.date { white-space: nowrap; font-variant-numeric: tabular-nums; }
table.discs tr.total td { font-weight: 700; border-top: 2px solid #2f5d8a; border-bottom: none; }
table.discs td.bad.some { color: #9b2c2c; font-weight: 700; }
details.disc { border: 1px solid #dde3ea; border-radius: 4px; margin: .4em 0; padding: .3em .7em; }
details.disc > summary { font-weight: 600; cursor: pointer; }
details.disc > summary .counts { font-weight: 400; color: #5a6678; margin-left: .6em; font-size: .9em; }
ul.tree, ul.tree ul { list-style: none; margin: .2em 0; padding-left: 1.2em; }
ul.tree { padding-left: .4em; }
li.folder > details > summary { cursor: pointer; color: #2f5d8a; }
li.file { display: grid; grid-template-columns: minmax(0, 30em) auto; gap: 1.5em; justify-content: start; }
li.file:nth-child(even) { background: #f7f9fb; }
li.file .name { overflow-wrap: anywhere; }
li.file .date { color: #5a6678; font-variant-numeric: tabular-nums; white-space: nowrap; }
li.file .date.bad { color: #9b2c2c; }
@media print {
  body { margin: 0; max-width: none; font-size: 9pt; }
  h2 { break-after: avoid; }
  table.discs tr { break-inside: avoid; }
  details.disc { border: none; padding: 0; break-inside: auto; }
  details::details-content { content-visibility: visible; display: block; }
  summary { list-style: none; }
  summary::-webkit-details-marker { display: none; }
}
)";

std::string Cell(const char* kind, const std::string& text) {
  return std::string("<td class=\"") + kind + "\">" + text + "</td>";
}

std::string DiscRow(const char* kind, const DiscStats& disc) {
  std::string row = std::string("<tr class=\"") + kind + "\">";
  row += Cell("disc", kind[0] == 't' ? "Total" : HtmlText(disc.description));
  row += Cell("number files", FormatCount(disc.files));
  row += Cell("number folders", FormatCount(disc.folders));
  row += Cell("number deepest", std::to_string(disc.deepestLevel));
  row += Cell("date oldest", IsoDate(disc.oldest));
  row += Cell("date newest", IsoDate(disc.newest));
  row += Cell(disc.badDates > 0 ? "number bad some" : "number bad", FormatCount(disc.badDates));
  return row + "</tr>\n";
}

// A file's date as the user reads it: YYYY-MM-DD, or the stored text when
// it is no date.
std::string DateHtml(std::string_view dateText) {
  std::uint32_t date = 0;
  if (FileDateNumber(dateText, date)) return "<span class=\"date\">" + IsoDate(date) + "</span>";
  return "<span class=\"date bad\">" + HtmlText(dateText) + "</span>";
}

}  // namespace

void AddPageStart(HtmlFile& page, const std::vector<std::string>& catalogs) {
  page.Add("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>Disc catalog</title>\n<style>");
  page.Add(kStyle);
  page.Add("</style>\n</head>\n<body>\n<header>\n<h1>Disc catalog</h1>\n<p class=\"made\">");
  std::string names;
  for (const std::string& catalog : catalogs) names += (names.empty() ? "" : ", ") + HtmlNativeText(catalog);
  page.Add(names + " &middot; made by " + kVersionText + "</p>\n</header>\n");
}

void AddDiscTable(HtmlFile& page, const std::string& catalog, const CatalogStats& stats) {
  page.Add("<section class=\"catalog\">\n<h2>" + HtmlNativeText(catalog) + "</h2>\n");
  page.Add("<table class=\"discs\">\n<thead><tr><th>Disc</th><th class=\"number\">Files</th>"
           "<th class=\"number\">Folders</th><th class=\"number\">Deepest level</th><th>Oldest</th>"
           "<th>Newest</th><th class=\"number\">Bad dates</th></tr></thead>\n<tbody>\n");
  for (const DiscStats& disc : stats.discs) page.Add(DiscRow("disc", disc));
  page.Add(DiscRow("total", TotalOfDiscs(stats.discs)));
  page.Add("</tbody>\n</table>\n<h3>Folders and files</h3>\n");
}

void AddReadingNote(HtmlFile& page, const char* note) {
  page.Add(std::string("<p class=\"note\">") + note + "</p>\n");
}

void AddCatalogEnd(HtmlFile& page) { page.Add("</section>\n"); }

void AddPageEnd(HtmlFile& page) { page.Add("</body>\n</html>\n"); }

void DiscTreeHtml::OpenDisc(const std::string& description) {
  CloseDisc();
  const DiscStats* disc = nextDisc_ < stats_.discs.size() ? &stats_.discs[nextDisc_] : nullptr;
  ++nextDisc_;
  line_ = "<details class=\"disc\"><summary><span class=\"disc-name\">" + HtmlText(description) + "</span>";
  if (disc != nullptr) {
    line_ += "<span class=\"counts\">" + FormatCount(disc->files) + " files, " + FormatCount(disc->folders) +
             " folders</span>";
  }
  page_.Add(line_ + "</summary>\n<ul class=\"tree\">\n");
  discOpen_ = true;
}

// Files or folders before the first title make a disc of no description,
// as `stats` counts them.
void DiscTreeHtml::EnsureDisc() {
  if (!discOpen_ && nextDisc_ == 0) OpenDisc("");
}

void DiscTreeHtml::CloseFolders() {
  for (; openFolders_ > 0; --openFolders_) page_.Add("</ul></details></li>\n");
}

void DiscTreeHtml::CloseDisc() {
  CloseFolders();
  if (discOpen_) page_.Add("</ul>\n</details>\n");
  discOpen_ = false;
}

void DiscTreeHtml::Title(const char* description) { OpenDisc(description); }

void DiscTreeHtml::Folder(std::string_view name, const CatalogWalk&) {
  EnsureDisc();
  if (!discOpen_) return;
  page_.Add("<li class=\"folder\"><details open><summary>" + HtmlText(name) + "</summary><ul>\n");
  ++openFolders_;
}

void DiscTreeHtml::Climb(const CatalogWalk&) {
  if (openFolders_ == 0) return;
  page_.Add("</ul></details></li>\n");
  --openFolders_;
}

void DiscTreeHtml::EndOfTitle() { CloseDisc(); }

void DiscTreeHtml::File(std::string_view name, std::string_view dateText, const CatalogWalk&) {
  EnsureDisc();
  if (!discOpen_) return;
  page_.Add("<li class=\"file\"><span class=\"name\">" + HtmlText(name) + "</span>" + DateHtml(dateText) + "</li>\n");
}

void DiscTreeHtml::Finish() { CloseDisc(); }

}  // namespace vardek::cli
