// The running wizard: Back and Next with skipped pages, the navigation bar,
// and where the frame of a page and the bar's buttons are placed.
#include <gtest/gtest.h>

#include <string>

#include <windows.h>
#include <shellapi.h>

#include <vector>

#include "platform/ui/common_controls.h"
#include "platform/ui/control.h"
#include "platform/ui/message_box.h"
#include "support/process.h"
#include "support/screenshot.h"
#include "support/ui_automation.h"
#include "wizard/controls/hyperlink_target.h"
#include "wizard/page_titles.h"
#include "wizard/property_page_base.h"
#include "wizard_test_world.h"

namespace {

using wizardtest::RunningSheet;
using wizardtest::TestSheet;
using wizardtest::World;

constexpr const char* kRuntime = "Zephrion Version XII 12.0.0.760 Runtime";
constexpr const char* kSuite = "Zephrion Vision Software Version XII 12.0.0.760";

std::string titleOf(const char* pageName) { return wizard::pageTitle(pageName); }

TEST(SheetNavigation, TheBarActivatesThePageOfTheSequenceAndIgnoresMissingTargets) {
  World world("Python 3.6.6");
  TestSheet sheet(world.services);
  RunningSheet running(sheet);
  ASSERT_TRUE(running.waitUntilShown());
  ASSERT_TRUE(running.waitForCaption(wizard::welcomePageTitle()));

  struct Case {
    int command;
    const char* pageName;
    const char* key;
  };
  const Case cases[] = {
      {kNavigateTemplates, "ZTC - Zephrion Tool Components (Python 36)", "ZTC - Tool Components (Python 36)"},
      {kNavigateDemoProfiles, "Machine Vision Demonstration Profiles (Python 36)",
       "Demonstration Profiles (Python 36)"},
      {kNavigateTutorials, "Zephrion Vision Tutorials", "Tutorials"},
      {kNavigateCameraDrivers, "3rd Party Camera Drivers - 1", "3rd Party Camera Drivers - 1"},
      {kNavigateUtilities, "Optional Utility Software I", "Optional Utility Software I"},
      {kNavigateCore, "Core Installation", "Core Installation"},
      {kNavigateHome, nullptr, "Installation Welcome"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(running.click(c.command)) << c.command;
    const std::string caption = c.pageName != nullptr ? titleOf(c.pageName) : wizard::welcomePageTitle();
    EXPECT_TRUE(running.waitForCaption(caption)) << c.command << " shows " << testsupport::windowText(running.window());
    EXPECT_EQ(running.activeKey(), c.key);
  }

  // Without the pages after "Core Installation Status", "Tutorials" has no
  // target: nothing happens.
  ASSERT_TRUE(running.invoke([&] { sheet.removeAllPagesAfterPage(sheet.sequencePage(5)); }));
  ASSERT_TRUE(running.click(kNavigateTutorials));
  Sleep(500);
  EXPECT_EQ(running.activeKey(), "Installation Welcome");
}

TEST(SheetNavigation, BackFallsBackToTheDefaultMoveWhenEveryEarlierPageIsSkipped) {
  World world("Python 2.7.9");
  TestSheet sheet(world.services);
  // The sequence starts with the two core pages, which extensions-only mode
  // passes over, and the wizard opens on the third page.
  sheet.removePage(0);
  sheet.removePage(0);
  sheet.removePage(0);
  sheet.removePage(0);
  ASSERT_EQ(sheet.sequencePage(0)->uiDlgName, "Core Installation");
  sheet.extensionsOnlyMode = true;
  sheet.setActivePage(2);
  RunningSheet running(sheet);
  ASSERT_TRUE(running.waitUntilShown());
  ASSERT_TRUE(running.waitForCaption(titleOf("Recommended Zephrion Extensions")));

  ASSERT_TRUE(running.click(ui::kWizardBackButton));
  // comctl32's own Back: the page just before.
  EXPECT_TRUE(running.waitForCaption(titleOf("Core Installation Status")));
  EXPECT_EQ(running.activeIndex(), 1);
}

struct SkipCase {
  const char* name;
  bool extensionsOnly;
  bool coreInstalled;
  const char* from;          // key of the page Next is pressed on
  const char* expectedPage;  // page name shown afterwards
};

class SheetNextSkipTest : public testing::TestWithParam<SkipCase> {};

TEST_P(SheetNextSkipTest, NextPassesOverSkippedPages) {
  const SkipCase& c = GetParam();
  World world("Python 2.7.9");
  if (c.coreInstalled) world.operations.present = {kRuntime, kSuite};
  TestSheet sheet(world.services);
  sheet.setActivePage(sheet.sequenceIndexOfKey(c.from));
  RunningSheet running(sheet);
  ASSERT_TRUE(running.waitUntilShown());
  ASSERT_TRUE(running.invoke([&] { sheet.extensionsOnlyMode = c.extensionsOnly; }));

  ASSERT_TRUE(running.click(ui::kWizardNextButton));
  EXPECT_TRUE(running.waitForCaption(titleOf(c.expectedPage)))
      << "shows " << testsupport::windowText(running.window());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SheetNextSkipTest,
    testing::Values(
        SkipCase{"ExtensionsOnlyPassesTheCorePages", true, false, "Prerequisite Installation",
                 "Recommended Zephrion Extensions"},
        SkipCase{"CoreNotInstalledShowsTheStatusPage", false, false, "Core Installation", "Core Installation Status"},
        SkipCase{"CoreInstalledPassesTheStatusPage", false, true, "Core Installation",
                 "Recommended Zephrion Extensions"},
        SkipCase{"NormalModeShowsTheCorePages", false, false, "Prerequisite Installation", "Core Installation"}),
    [](const testing::TestParamInfo<SkipCase>& info) { return std::string(info.param.name); });

TEST(SheetLayout, TheFrameAndTheNavigationBarSitWhereTheyBelong) {
  World world("Python 2.7.9");
  TestSheet sheet(world.services);
  RunningSheet running(sheet);
  ASSERT_TRUE(running.waitUntilShown());
  ASSERT_TRUE(running.waitForCaption(wizard::welcomePageTitle()));
  HWND wizard = running.window();

  const RECT back = ui::rectInParent(GetDlgItem(wizard, ui::kWizardBackButton));
  const int barTop = back.top - 33;
  const int ids[] = {kNavigateHome,      kNavigateCore,          kNavigateTemplates, kNavigateDemoProfiles,
                     kNavigateTutorials, kNavigateCameraDrivers, kNavigateUtilities};
  const char* texts[] = {"Home", "Core", "ZTC", "Demo Profiles", "Tutorials", "Camera Drivers", "Utility Software"};
  for (size_t i = 0; i < std::size(ids); ++i) {
    HWND button = GetDlgItem(wizard, ids[i]);
    ASSERT_NE(button, nullptr) << texts[i];
    EXPECT_EQ(testsupport::windowText(button), texts[i]);
    const RECT rect = ui::rectInParent(button);
    EXPECT_EQ(rect.left, 10 + static_cast<int>(i) * 89) << texts[i];
    EXPECT_EQ(rect.right - rect.left, 85) << texts[i];
    EXPECT_EQ(rect.top, barTop) << texts[i];
    EXPECT_EQ(rect.bottom, barTop + 23) << texts[i];
  }
  const RECT help = ui::rectInParent(GetDlgItem(wizard, IDHELP));
  HWND webHelp = GetDlgItem(wizard, kWebHelp);
  ASSERT_NE(webHelp, nullptr);
  EXPECT_EQ(testsupport::windowText(webHelp), "Web Help");
  const RECT web = ui::rectInParent(webHelp);
  EXPECT_EQ(web.left, help.left);
  EXPECT_EQ(web.right, help.right);
  EXPECT_EQ(web.bottom, help.top - 4);
  EXPECT_EQ(web.bottom - web.top, help.bottom - help.top);

  HWND page = nullptr;
  ASSERT_TRUE(running.invoke([&] { page = sheet.sequencePage(sheet.activeIndex())->hwnd(); }));
  RECT client{};
  GetClientRect(page, &client);
  HWND banner = GetDlgItem(page, 9702);
  HWND band = GetDlgItem(page, 9703);
  ASSERT_NE(banner, nullptr);
  ASSERT_NE(band, nullptr);
  const RECT bannerRect = ui::rectInParent(banner);
  EXPECT_EQ(bannerRect.left, 0);
  EXPECT_EQ(bannerRect.top, 0);
  EXPECT_EQ(bannerRect.right, client.right);
  EXPECT_EQ(bannerRect.bottom, 70);
  const RECT bandRect = ui::rectInParent(band);
  EXPECT_EQ(bandRect.left, 0);
  EXPECT_EQ(bandRect.top, 70);
  EXPECT_EQ(bandRect.right, 165);

  // For the eye: the first page as the user sees it.
  const std::string artifacts = testsupport::environmentValue("ZEPHRION_TEST_ARTIFACTS");
  if (!artifacts.empty()) {
    RedrawWindow(wizard, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Sleep(500);
    testsupport::saveScreenshot(testsupport::toWindowsPath(artifacts) + "\\wizard-first-page.bmp");
  }
}

}  // namespace

namespace {

TEST(SheetHelp, HelpOpensTheHelpWindowOfTheActivePage) {
  ui::loadRichEdit2();
  World world("Python 2.7.9");
  std::string fetched;
  world.sessions.onDownload = [&](const components::ComponentRow& row) {
    fetched = row.fileName();
    return components::DownloadSessionResult{};
  };
  TestSheet sheet(world.services);
  sheet.setActivePage(sheet.sequenceIndexOfKey("Tutorials"));
  RunningSheet running(sheet);
  ASSERT_TRUE(running.waitUntilShown());
  ASSERT_TRUE(running.waitForCaption(titleOf("Zephrion Vision Tutorials")));

  ASSERT_TRUE(running.click(IDHELP));
  HWND help = testsupport::waitForWindow("Zephrion Vision Tutorials", 10000, GetCurrentProcessId());
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(fetched, "760Help - Tutorials.rtf");
  ASSERT_TRUE(testsupport::clickControl(help, IDOK));
  EXPECT_TRUE(testsupport::waitForWindowGone(help, 10000));
}

TEST(SheetHelp, WebHelpOpensTheOnlineHelpOrSaysWhyNot) {
  World world("Python 2.7.9");
  std::vector<std::string> opened;
  INT_PTR shellResult = 42;
  setHyperlinkShellOpener([&](HWND, const std::string& target) {
    opened.push_back(target);
    return shellResult;
  });
  TestSheet sheet(world.services);
  RunningSheet running(sheet);
  ASSERT_TRUE(running.waitUntilShown());

  ASSERT_TRUE(running.click(kWebHelp));
  EXPECT_TRUE(wizardtest::waitUntil([&] { return running.invoke([] {}) && !opened.empty(); }, 5000));
  EXPECT_EQ(opened, std::vector<std::string>{kWebHelpAddress});

  shellResult = SE_ERR_NOASSOC;
  ASSERT_TRUE(running.click(kWebHelp));
  HWND box = testsupport::waitForMessageBox(ui::kMessageBoxCaption, 10000, GetCurrentProcessId());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(testsupport::messageBoxText(box), "Unable to access web help. Error code - 31");
  testsupport::pressMessageBoxButton(box, IDOK);
  setHyperlinkShellOpener({});
}

}  // namespace
