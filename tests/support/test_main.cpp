// The main of every test binary: GoogleTest, plus a screenshot of the display
// for each failed test, kept in ZEPHRION_TEST_ARTIFACTS (when set).
#include <gtest/gtest.h>

#include <windows.h>

#include "support/process.h"
#include "support/screenshot.h"

namespace {

class ScreenshotOnFailure : public testing::EmptyTestEventListener {
 public:
  explicit ScreenshotOnFailure(std::string folder) : folder_(std::move(folder)) {}

  void OnTestEnd(const testing::TestInfo& test) override {
    if (!test.result()->Failed()) return;
    CreateDirectoryA(folder_.c_str(), nullptr);
    std::string name = std::string(test.test_suite_name()) + "." + test.name();
    for (char& c : name) {
      if (c == '/' || c == '\\' || c == ':') c = '_';
    }
    const std::string path = folder_ + "\\" + name + ".bmp";
    if (testsupport::saveScreenshot(path)) printf("screenshot of the failure: %s\n", path.c_str());
  }

 private:
  std::string folder_;
};

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  const std::string artifacts = testsupport::environmentValue("ZEPHRION_TEST_ARTIFACTS");
  if (!artifacts.empty()) {
    testing::UnitTest::GetInstance()->listeners().Append(
        new ScreenshotOnFailure(testsupport::toWindowsPath(artifacts)));
  }
  return RUN_ALL_TESTS();
}
