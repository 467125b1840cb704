// The main of every test binary: GoogleTest with GDI+ started as the
// program's application object does, plus a screenshot of the display for
// each failed test, kept in ZEPHRION_TEST_ARTIFACTS (when set).
#include <gtest/gtest.h>

#include <windows.h>
#include <objidl.h>  // gdiplus.h needs it with WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include "support/process.h"
#include "support/screenshot.h"

namespace {

// The picture controls draw with GDI+, which the program starts once.
class GdiplusEnvironment : public testing::Environment {
 public:
  void SetUp() override {
    Gdiplus::GdiplusStartupInput input;
    ASSERT_EQ(Gdiplus::GdiplusStartup(&token_, &input, nullptr), Gdiplus::Ok);
  }
  void TearDown() override { Gdiplus::GdiplusShutdown(token_); }

 private:
  ULONG_PTR token_ = 0;
};

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
  testing::AddGlobalTestEnvironment(new GdiplusEnvironment);
  const std::string artifacts = testsupport::environmentValue("ZEPHRION_TEST_ARTIFACTS");
  if (!artifacts.empty()) {
    testing::UnitTest::GetInstance()->listeners().Append(
        new ScreenshotOnFailure(testsupport::toWindowsPath(artifacts)));
  }
  return RUN_ALL_TESTS();
}
