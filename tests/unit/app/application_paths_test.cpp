#include "app/application_paths.h"

#include <gtest/gtest.h>

namespace {

TEST(ApplicationPathsTest, FolderIsCutAtTheLastSeparatorOfEitherKind) {
  struct Case {
    const char* module;
    const char* folder;
  } cases[] = {
      {"C:\\Installers\\setup.exe", "C:\\Installers"},
      {"C:\\a/b\\c/setup.exe", "C:\\a/b\\c"},
      {"setup.exe", "setup.exe"},
  };
  for (const Case& c : cases) EXPECT_EQ(app::folderOfModulePath(c.module), c.folder) << c.module;
}

TEST(ApplicationPathsTest, ReadsTheRunningProgramsFolder) {
  std::string folder;
  ASSERT_TRUE(app::readApplicationFolder(folder));
  EXPECT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
}

}  // namespace
