#include "platform/text_encoding.h"

namespace vardek::platform {

// The ANSI interface already hands out catalog text.
std::string ToCatalogText(const std::string& native) { return native; }
std::string FromCatalogText(const std::string& catalog) { return catalog; }

}  // namespace vardek::platform
