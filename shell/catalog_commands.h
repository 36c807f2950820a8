#pragma once
// CatalogCommands: New, Open and Open all, reopening the last catalog at
// start-up, and the window title that says what is loaded.
#include <cstddef>
#include <string>

#include "shell/session_state.h"

namespace vardek {

class CatalogLoader;
class CommandWindow;
class Reporter;
class Session;
class WorkWindow;
enum class OpenOutcome;

inline constexpr char kSuggestedCatalogName[] = "Vardek.cat";
inline constexpr int kPatternSize = 300;  // Open all's search pattern, terminator included
inline constexpr char kNameTooLong[] = "The file name is too long.";
inline constexpr char kCatalogsLeftOut[] =
    "Only the first 100 catalogs were opened.\nThe others in the folder were not opened.";

// The search pattern of Open all: the catalog path's folder (up to and with
// its last separator or a drive's colon; none for a bare name) and "*.cat".
// False when it does not fit `capacity` bytes.
bool BuildCatalogPattern(const char* catalogPath, char* pattern, std::size_t capacity);

class CatalogCommands {
 public:
  CatalogCommands(CommandWindow& window, Session& session, CatalogLoader& catalogs, WorkWindow& work,
                  Reporter& report)
      : window_(window), session_(session), catalogs_(catalogs), work_(work), report_(report) {}

  // Chooses a catalog name (nothing is read or written); the next scan creates it.
  void NewCatalog();
  // Chooses a catalog and opens it, expanded.
  void OpenCatalog();
  // Opens every catalog of the current catalog's folder, collapsed; does
  // nothing while two or more are loaded. At most 100 are opened; the user
  // is told when more were left out.
  void OpenAll();
  // Start-up: opens the current catalog path when it is set (titles
  // expanded); empties the path when that fails. Then the window title.
  void ReopenLastCatalog();
  void UpdateWindowTitle();

 private:
  // Runs the file dialog on `path` (kPathSize bytes); true when a name was chosen.
  bool ChooseCatalog(char* path);
  // Opens one file Open all found in `folder`; a path too long to open is reported.
  OpenOutcome OpenFound(const std::string& folder, const char* name);

  CommandWindow& window_;
  Session& session_;
  CatalogLoader& catalogs_;
  WorkWindow& work_;
  Reporter& report_;
};

}  // namespace vardek
