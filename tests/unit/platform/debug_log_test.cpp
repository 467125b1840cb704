#include "platform/debug_log.h"

#include <gtest/gtest.h>
#include <windows.h>


#include "support/test_files.h"

namespace {

using testsupport::readFile;
using testsupport::writeFile;


class DebugLogTest : public testing::Test {
 protected:
  void SetUp() override { platform::debug_capture::start(); }
  void TearDown() override { platform::debug_capture::stop(); }
};

TEST_F(DebugLogTest, CaptureKeepsExactLinesInOrder) {
  platform::debugOutput("createTempSubFolder - unable to get temp directory\n");
  platform::debugOutputF("%s::%s - NULL pointer %d\n", "hnPyhton27InstallFunctions",
                         "checkPy27ModuleWhlInstalledVersion", 1);
  const auto lines = platform::debug_capture::lines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "createTempSubFolder - unable to get temp directory\n");
  EXPECT_EQ(lines[1], "hnPyhton27InstallFunctions::checkPy27ModuleWhlInstalledVersion - NULL pointer 1\n");
  EXPECT_TRUE(platform::debug_capture::contains(lines[1]));
}

TEST_F(DebugLogTest, ClearAndStopEndTheCapture) {
  platform::debugOutput("first\n");
  platform::debug_capture::clear();
  EXPECT_TRUE(platform::debug_capture::lines().empty());
  platform::debug_capture::stop();
  platform::debugOutput("not captured\n");
  EXPECT_TRUE(platform::debug_capture::lines().empty());
}

TEST_F(DebugLogTest, LinesAreAppendedToTheLogFileInTheTempFolder) {
  const std::string path = platform::debugLogFilePath();
  ASSERT_FALSE(path.empty());
  EXPECT_NE(path.find(platform::kDebugLogFileName), std::string::npos);
  const std::string marker = "DebugLogTest - marker " + std::to_string(GetTickCount64()) + "\n";
  platform::debugOutput(marker);
  EXPECT_NE(readFile(path).find(marker), std::string::npos);
}

TEST_F(DebugLogTest, LongFormattedLinesAreNotCut) {
  const std::string longPart(5000, 'x');
  platform::debugOutputF("f - %s\n", longPart.c_str());
  ASSERT_EQ(platform::debug_capture::lines().size(), 1u);
  EXPECT_EQ(platform::debug_capture::lines()[0], "f - " + longPart + "\n");
}

}  // namespace
