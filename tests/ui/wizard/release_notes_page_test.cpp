// The "Readme Notes" page: what it fetches and what it shows.
#include <gtest/gtest.h>

#include <string>

#include "platform/ui/common_controls.h"
#include "resource_ids.h"
#include "support/process.h"
#include "support/test_files.h"
#include "support/ui_automation.h"
#include "support/unix_side.h"
#include "wizard/page_titles.h"
#include "wizard/property_page_base.h"
#include "wizard_test_world.h"

namespace {

struct ReadmeCase {
  const char* name;
  bool folderWritable;
  bool earlierCopy;
  const char* shownText;
};

class ReleaseNotesPageTest : public testing::TestWithParam<ReadmeCase> {};

TEST_P(ReleaseNotesPageTest, ShowsTheCopyInTheDataFolderOrTheErrorText) {
  const ReadmeCase& c = GetParam();
  ui::loadRichEdit2();
  wizardtest::World world("Python 2.7.9");
  const std::string app = testsupport::toWindowsPath(testsupport::freshUnixSandbox("readme"));
  world.services.applicationFolder = app;
  world.services.applicationFolderWritable = c.folderWritable;
  const std::string folder = app + "\\_ZephrionInstallData\\Readme\\12_0_0";
  if (c.earlierCopy) {
    CreateDirectoryA((app + "\\_ZephrionInstallData").c_str(), nullptr);
    CreateDirectoryA((app + "\\_ZephrionInstallData\\Readme").c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    testsupport::writeFile(folder + "\\760readme.rtf", "{\\rtf1\\ansi Release notes of 760\\par}");
  }
  std::string fetchedFile;
  world.sessions.onDownload = [&](const components::ComponentRow& row) {
    fetchedFile = row.downloadUrl();
    return components::DownloadSessionResult{};  // the server cannot be reached
  };

  wizardtest::TestSheet sheet(world.services);
  sheet.setActivePage(sheet.sequenceIndexOfKey("Readme Notes"));
  wizardtest::RunningSheet running(sheet);
  ASSERT_TRUE(running.waitUntilShown());
  ASSERT_TRUE(running.waitForCaption(wizard::pageTitle("Readme Notes")));

  HWND page = nullptr;
  ASSERT_TRUE(running.invoke([&] { page = sheet.sequencePage(sheet.activeIndex())->hwnd(); }));
  EXPECT_NE(fetchedFile.find("/zephrion/files/InstallerRepositories/Zephrion12.0/760/ZephrionVisionSoftware/760readme.rtf"),
            std::string::npos)
      << fetchedFile;
  std::string shown = testsupport::windowText(GetDlgItem(page, IDC_README_TEXT));
  while (!shown.empty() && (shown.back() == '\r' || shown.back() == '\n')) shown.pop_back();
  EXPECT_EQ(shown, c.shownText);
  EXPECT_EQ(IsWindowVisible(GetDlgItem(page, IDC_REFRESH_README)) != FALSE, c.folderWritable);
  EXPECT_EQ(testsupport::windowText(GetDlgItem(page, IDC_STATUS_LINE)),
            "Please click on the 'Next' button to install the pre-requisites.");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReleaseNotesPageTest,
    testing::Values(ReadmeCase{"ReadOnlyFolderShowsTheEarlierCopy", false, true, "Release notes of 760"},
                    ReadmeCase{"NoCopyShowsTheErrorText", true, false,
                               "Error: Unable to get the 'Readme Notes' from the server.\r\nPlease try again."}),
    [](const testing::TestParamInfo<ReadmeCase>& info) { return std::string(info.param.name); });

}  // namespace
