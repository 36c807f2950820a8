#include "shell/session.h"

#include "catalog/reporter.h"
#include "catalog/text_routines.h"
#include "shell/command_texts.h"

namespace vardek {

void Session::ChooseCatalog(const char* path) {
  CopyText(state_.catalogPath, sizeof state_.catalogPath, path);
  state_.saveName = true;
}

void Session::ForgetCatalog() {
  state_.catalogPath[0] = '\0';
  state_.saveName = true;
}

bool Session::OneCatalogLoaded(Reporter& reporter) const {
  if (catalogs_.Count() <= 1) return true;
  reporter.ErrorBox(kOneCatalogOnly, kProductName);
  return false;
}

bool Session::ChangeAllowed(Reporter& reporter) const {
  if (!OneCatalogLoaded(reporter)) return false;
  if (state_.newFormat) return true;
  reporter.ErrorBox(kNewFormatOnly, kProductName);
  return false;
}

}  // namespace vardek
