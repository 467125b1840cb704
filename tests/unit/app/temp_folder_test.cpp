#include "app/temp_folder.h"

#include <gtest/gtest.h>
#include <windows.h>


#include "app/folders.h"
#include "platform/debug_log.h"
#include "support/test_files.h"
#include "support/process.h"
#include "support/unix_side.h"

namespace {

using testsupport::readFile;
using testsupport::writeFile;

using platform::debug_capture::lines;



// Points the process's temporary folder at a sandbox, so the real one of the
// prefix is never touched.
class TempFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    unixTemp_ = testsupport::freshUnixSandbox("temp");
    ASSERT_FALSE(unixTemp_.empty()) << "no test sandbox";
    temp_ = testsupport::toWindowsPath(unixTemp_);
    SetEnvironmentVariableA("TMP", (temp_ + "\\").c_str());
    SetEnvironmentVariableA("TEMP", (temp_ + "\\").c_str());
    subFolder_ = temp_ + "\\Zephrion10_9267";
    unixSubFolder_ = unixTemp_ + "/Zephrion10_9267";
    platform::debug_capture::start();
  }
  void TearDown() override { platform::debug_capture::stop(); }

  std::string unixTemp_, temp_, subFolder_, unixSubFolder_;
};

TEST_F(TempFolderTest, PathIsTheProgramsSubfolderOfTheTemporaryFolder) {
  EXPECT_EQ(app::tempSubFolderPath(), subFolder_);
}

TEST_F(TempFolderTest, CleanUpEmptiesAStaleFolderAndKeepsIt) {
  ASSERT_TRUE(app::createFolderPath((subFolder_ + "\\old\\deeper").c_str()));
  writeFile(subFolder_ + "\\old\\deeper\\a.txt");
  writeFile(subFolder_ + "\\top.txt");
  SetFileAttributesA((subFolder_ + "\\top.txt").c_str(), FILE_ATTRIBUTE_READONLY);

  EXPECT_TRUE(app::cleanUpTempSubFolder());
  EXPECT_TRUE(app::folderExists(subFolder_.c_str()));
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((subFolder_ + "\\*").c_str(), &entry);
  ASSERT_NE(find, INVALID_HANDLE_VALUE);
  int entries = 0;
  do {
    if (strcmp(entry.cFileName, ".") != 0 && strcmp(entry.cFileName, "..") != 0) ++entries;
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  EXPECT_EQ(entries, 0);
}

TEST_F(TempFolderTest, CleanUpLeavesWhatAPlantedLinkPointsAt) {
  ASSERT_TRUE(testsupport::runUnixCommand("/bin/mkdir -p " + unixTemp_ + "/victim " + unixSubFolder_));
  writeFile(temp_ + "\\victim\\keep.txt");
  ASSERT_TRUE(testsupport::runUnixCommand("/bin/ln -s " + unixTemp_ + "/victim " + unixSubFolder_ + "/planted"));
  EXPECT_TRUE(app::cleanUpTempSubFolder());
  EXPECT_TRUE(app::fileExists((temp_ + "\\victim\\keep.txt").c_str()));
}

TEST_F(TempFolderTest, CleanUpCreatesAMissingFolder) {
  EXPECT_TRUE(app::cleanUpTempSubFolder());
  EXPECT_TRUE(app::folderExists(subFolder_.c_str()));
}

TEST_F(TempFolderTest, CreateTempSubFolderReportsNullArguments) {
  char buffer[app::kTempSubFolderBufferSize] = "unchanged";
  EXPECT_FALSE(app::createTempSubFolder(buffer, nullptr));
  EXPECT_FALSE(app::createTempSubFolder(nullptr, "x"));
  EXPECT_EQ(lines(), (std::vector<std::string>{"createTempSubFolder - NULL pointer 1\n",
                                               "createTempSubFolder - NULL pointer 2\n"}));
}

TEST_F(TempFolderTest, CreateTempSubFolderGivesAFreshEmptyFolder) {
  ASSERT_TRUE(app::createFolderPath((subFolder_ + "\\20240101101010\\inner").c_str()));
  writeFile(subFolder_ + "\\20240101101010\\inner\\old.txt");
  char buffer[app::kTempSubFolderBufferSize] = {};
  ASSERT_TRUE(app::createTempSubFolder(buffer, "20240101101010"));
  EXPECT_EQ(std::string(buffer), subFolder_ + "\\20240101101010");
  EXPECT_TRUE(app::folderExists(buffer));
  EXPECT_FALSE(app::folderExists((subFolder_ + "\\20240101101010\\inner").c_str()));
}

TEST_F(TempFolderTest, CreateTempSubFolderFailsWhenTheOldFolderCannotBeRemoved) {
  const std::string locked = subFolder_ + "\\busy\\in-use.txt";
  ASSERT_TRUE(app::createFolderPath((subFolder_ + "\\busy").c_str()));
  writeFile(locked);
  HANDLE open = CreateFileA(locked.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(open, INVALID_HANDLE_VALUE);
  char buffer[app::kTempSubFolderBufferSize] = "unchanged";
  EXPECT_FALSE(app::createTempSubFolder(buffer, "busy"));
  CloseHandle(open);
  EXPECT_STREQ(buffer, "");
  EXPECT_TRUE(platform::debug_capture::contains("createTempSubFolder - unable to create Zephrion temp sub-directory\n"));
}

TEST_F(TempFolderTest, CopyRenamedFileChecksItsArgumentsInOrder) {
  char output[MAX_PATH] = "unchanged";
  const std::string source = temp_ + "\\source.whl";
  writeFile(source);
  const std::string missing = temp_ + "\\missing.whl";
  struct Case {
    const char* name;
    const char* existing;
    char* output;
    int result;
    const char* line;
  } cases[] = {
      {"n", nullptr, output, -1, "copyRenamedFileToWindowsTempFolder - Null argument 2\n"},
      {nullptr, source.c_str(), output, -1, "copyRenamedFileToWindowsTempFolder - Null argument 3\n"},
      {"n", source.c_str(), nullptr, -1, "copyRenamedFileToWindowsTempFolder - Null argument 4\n"},
      {"n", missing.c_str(), output, -2,
       "copyRenamedFileToWindowsTempFolder - unable to locate original file\n"},
  };
  for (const Case& c : cases) {
    platform::debug_capture::clear();
    EXPECT_EQ(app::copyRenamedFileToWindowsTempFolder(c.name, c.existing, c.output), c.result) << c.line;
    EXPECT_EQ(lines(), std::vector<std::string>{c.line});
  }
}

TEST_F(TempFolderTest, CopyRenamedFileReplacesAnEarlierCopy) {
  const std::string source = temp_ + "\\numpy-1.16.4-cp27-none-win32.whl";
  writeFile(source, "new wheel");
  ASSERT_TRUE(app::createFolderPath(subFolder_.c_str()));
  writeFile(subFolder_ + "\\numpy-1.16.4-cp27-cp27m-win32.whl", "old");
  char output[MAX_PATH] = {};
  EXPECT_EQ(app::copyRenamedFileToWindowsTempFolder("numpy-1.16.4-cp27-cp27m-win32.whl", source.c_str(), output), 1);
  EXPECT_EQ(std::string(output), subFolder_ + "\\numpy-1.16.4-cp27-cp27m-win32.whl");
  EXPECT_EQ(readFile(output), "new wheel");
}

}  // namespace
