#include <gtest/gtest.h>

#include <string>

#include "platform/path.h"

namespace vardek::platform {
namespace {

struct PathCase {
  const char* path;
  const char* folder;         // FolderOf
  const char* trimmed;        // WithoutTrailingSeparators
  const char* walkRoot;       // WalkRootOf
};

void ExpectPathRules(const PathCase& c) {
  SCOPED_TRACE(c.path);
  EXPECT_EQ(std::string(FolderOf(c.path)), c.folder);
  EXPECT_EQ(std::string(WithoutTrailingSeparators(c.path)), c.trimmed);
  EXPECT_EQ(WalkRootOf(c.path), c.walkRoot);
}

#ifdef _WIN32
TEST(PathRules, WindowsTakesBothSeparatorsAndDriveColons) {
  EXPECT_TRUE(IsPathSeparator('\\'));
  EXPECT_TRUE(IsPathSeparator('/'));
  EXPECT_FALSE(IsPathSeparator(':'));
  const PathCase cases[] = {
      {"Z:/discs/one/", "Z:/discs/one/", "Z:/discs/one", "Z:\\discs\\one\\"},
      {"Z:\\discs/one", "Z:\\discs/", "Z:\\discs/one", "Z:\\discs\\one\\"},
      {"Z:", "Z:", "Z:", "Z:\\"},
      {"Z:\\", "Z:\\", "Z:\\", "Z:\\"},
      {"Z:/", "Z:/", "Z:/", "Z:\\"},
      {"Z:x.cat", "Z:", "Z:x.cat", "Z:x.cat\\"},
      {"Z:\\x.cat", "Z:\\", "Z:\\x.cat", "Z:\\x.cat\\"},  // a catalog at a drive's root
      {"\\x.cat", "\\", "\\x.cat", "\\x.cat\\"},
      {"\\\\server\\share\\x.cat", "\\\\server\\share\\", "\\\\server\\share\\x.cat", "\\\\server\\share\\x.cat\\"},
      {"x.cat", "", "x.cat", "x.cat\\"},
      {"", "", "", ".\\"},
  };
  for (const PathCase& c : cases) ExpectPathRules(c);
}
#else
TEST(PathRules, LinuxTakesOnlySlashes) {
  EXPECT_TRUE(IsPathSeparator('/'));
  EXPECT_FALSE(IsPathSeparator('\\'));
  EXPECT_FALSE(IsPathSeparator(':'));
  const PathCase cases[] = {
      {"/mnt/cd/", "/mnt/cd/", "/mnt/cd", "/mnt/cd/"},
      {"/mnt/cd//", "/mnt/cd//", "/mnt/cd", "/mnt/cd//"},
      {"disc", "", "disc", "disc/"},
      {"a\\b:c", "", "a\\b:c", "a\\b:c/"},  // a Linux name may hold both
      {"/", "/", "/", "/"},
      {"/x.cat", "/", "/x.cat", "/x.cat/"},
      {"", "", "", "./"},
  };
  for (const PathCase& c : cases) ExpectPathRules(c);
}
#endif

}  // namespace
}  // namespace vardek::platform
