#pragma once
// Session: the state the commands share, each fact in one place: the current
// catalog with its flags and the remembered drives, the loaded-catalog table,
// the result list and the one catalog reader.
#include "browse/result_list.h"
#include "catalog/catalog_reader.h"
#include "shell/loaded_catalogs.h"
#include "shell/session_state.h"

namespace vardek {

class Reporter;

class Session {
 public:
  Session() = default;
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // As the settings read and write it, and the drives the commands remember.
  SessionState& State() { return state_; }

  const char* CatalogPath() const { return state_.catalogPath; }
  bool HasCatalog() const { return state_.catalogPath[0] != '\0'; }
  // The user chose this catalog (New, Open): its name is saved at exit.
  void ChooseCatalog(const char* path);
  // The catalog's file is gone: nothing is current, and that is saved at exit.
  void ForgetCatalog();
  // The catalog named at start-up could not be opened: nothing is current,
  // while the settings keep its name for the next run.
  void DropUnopenedCatalog() { state_.catalogPath[0] = '\0'; }
  // The name is saved at exit (a scan from another drive).
  void SaveNameAtExit() { state_.saveName = true; }

  bool NewFormat() const { return state_.newFormat; }
  void SetNewFormat(bool newFormat) { state_.newFormat = newFormat; }

  LoadedCatalogTable& Catalogs() { return catalogs_; }
  const LoadedCatalogTable& Catalogs() const { return catalogs_; }
  ResultList& Results() { return results_; }
  CatalogReader& Reader() { return reader_; }

  // The commands that work on the current catalog alone: false, reported,
  // while more than one catalog is loaded.
  bool OneCatalogLoaded(Reporter& reporter) const;
  // A change also needs the new format (reported when not met).
  bool ChangeAllowed(Reporter& reporter) const;

 private:
  SessionState state_;
  LoadedCatalogTable catalogs_;
  ResultList results_;
  CatalogReader reader_;
};

}  // namespace vardek
