#pragma once

namespace vardek {

// The fallback of a class asked to create itself without providing Create:
// tells the developer with the platform's box and fails.
bool ReportMissingCreate();

}  // namespace vardek
