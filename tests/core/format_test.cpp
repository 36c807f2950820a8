#include <gtest/gtest.h>

#include "catalog/catalog_format.h"

namespace vardek {
namespace {

TEST(CatalogFormat, DetectsNewFormatByFirstBytesOnly) {
  EXPECT_TRUE(IsNewFormat("|||Disc\r\n", 9));
  EXPECT_TRUE(IsNewFormat("*@@@ anything", 13));
  EXPECT_FALSE(IsNewFormat("|Disc", 5));
  EXPECT_FALSE(IsNewFormat("@@@Disc", 7));
  EXPECT_FALSE(IsNewFormat("||", 2));
}

}  // namespace
}  // namespace vardek
