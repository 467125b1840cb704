// The page base's session entry points on the running wizard, and the
// sheet's background upgrade check and installer launch.
#include <gtest/gtest.h>

#include <atomic>
#include <set>
#include <stdexcept>
#include <string>
#include <thread>

#include "components/catalog.h"
#include "components/page_rows.h"
#include "platform/ui/message_box.h"
#include "platform/ui/worker.h"
#include "resource_ids.h"
#include "support/process.h"
#include "support/test_files.h"
#include "support/ui_automation.h"
#include "support/unix_side.h"
#include "support/waiting.h"
#include "wizard/page_titles.h"
#include "wizard/property_page_base.h"
#include "wizard_test_world.h"

namespace {

using wizardtest::RunningSheet;
using wizardtest::TestSheet;
using wizardtest::World;

constexpr const char* kPageTitle = "Session Test Page";

// A page with one row (the suite runtime) whose progress cell its status
// line shows, and which counts its activations.
class SessionTestPage : public zpDPropertyPageBase {
 public:
  explicit SessionTestPage(wizard::WizardServices& services)
      : zpDPropertyPageBase(services, IDD_RESOURCES_PAGE, kPageTitle, "Session Test") {
    uiDlgName = "Session Test";
  }

  std::atomic<int> activations{0};
  std::atomic<int> controlUpdates{0};

  int updatePageControls() override {
    ++controlUpdates;
    return 1;
  }
  int initPageControls() override { return 1; }
  int buildComponentRows() override {
    const components::CatalogEntry* runtime = components::page_rows::coreInstallationStatusPageRows().front();
    const components::ComponentRow row =
        components::catalog::makeRow(*runtime, services().applicationFolder, {&name_, &status_, &progress_});
    return installManager().setRows(1, &row);
  }

 protected:
  void doDataExchange(ui::DataExchange& dx) override { dx.text(IDC_STATUS_LINE, progress_.value()); }
  bool onSetActive() override {
    ++activations;
    return activatePage(PSWIZB_BACK | PSWIZB_NEXT, "Finish");
  }

 private:
  components::StringCell name_, status_, progress_;
};

class PageBaseSessionTest : public testing::Test {
 protected:
  PageBaseSessionTest() : world_("Python 2.7.9"), sheet_(world_.services), page_(world_.services) {
    sheet_.addPage(&page_);
    sheet_.setActivePage(&page_);
  }

  void start() {
    running_ = std::make_unique<RunningSheet>(sheet_);
    ASSERT_TRUE(running_->waitUntilShown());
    ASSERT_TRUE(running_->waitForCaption(kPageTitle));
  }

  // Runs a page operation from another thread (it may show message boxes
  // that this thread answers); the result arrives in `result`.
  std::thread runOnSheet(std::function<int()> operation, std::atomic<int>& result) {
    return std::thread([this, operation, &result] {
      int value = -99;
      running_->invoke([&] { value = operation(); });
      result = value;
    });
  }

  std::string statusLine() { return testsupport::windowText(GetDlgItem(page_.hwnd(), IDC_STATUS_LINE)); }

  World world_;
  TestSheet sheet_;
  SessionTestPage page_;
  std::unique_ptr<RunningSheet> running_;
};

TEST_F(PageBaseSessionTest, AnExceptionOutOfTheManagerShowsUnexpectedError101AndThePageIsRefreshed) {
  world_.sessions.onDownload = [](const components::ComponentRow&) -> components::DownloadSessionResult {
    throw std::runtime_error("session failed on purpose");
  };
  start();
  const int detectsBefore = world_.operations.detectCount;
  const int updatesBefore = page_.controlUpdates;

  std::atomic<int> result{-99};
  std::thread operation = runOnSheet([this] { return page_.runInstallRange(0, 0, false); }, result);
  HWND box = testsupport::waitForMessageBox(ui::kMessageBoxCaption, 15000, GetCurrentProcessId());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(testsupport::messageBoxText(box), "Unexpected Error 101");
  testsupport::pressMessageBoxButton(box, IDOK);
  operation.join();

  EXPECT_EQ(result, 0);
  EXPECT_GT(world_.operations.detectCount, detectsBefore) << "rows evaluated again";
  EXPECT_GT(page_.controlUpdates, updatesBefore) << "controls refreshed";
}

TEST_F(PageBaseSessionTest, WhileASessionRunsThePageShowsItsProgressEveryTwoSeconds) {
  std::atomic<bool> sessionRunning{false};
  world_.sessions.onDownload = [&](const components::ComponentRow& row) {
    sessionRunning = true;
    // A session's modal loop: the row's progress changes every quarter second.
    for (int step = 1; step <= 22; ++step) {
      row.progressCell()->setText("step " + std::to_string(step));
      testsupport::pumpMessagesFor(250);
    }
    world_.operations.present.insert(row.name());
    sessionRunning = false;
    components::DownloadSessionResult done;
    done.dialogResult = IDOK;
    return done;
  };
  start();

  std::atomic<int> result{-99};
  std::thread operation = runOnSheet([this] { return page_.runInstallRange(0, 0, false); }, result);
  ASSERT_TRUE(wizardtest::waitUntil([&] { return sessionRunning.load(); }, 10000));
  std::set<std::string> seen;
  while (sessionRunning) {
    const std::string text = statusLine();
    if (text.rfind("step ", 0) == 0) seen.insert(text);
    Sleep(50);
  }
  operation.join();
  EXPECT_GE(seen.size(), 2u) << "the label followed the session at least twice";
  EXPECT_EQ(result, 1);
}

TEST_F(PageBaseSessionTest, AnUpgradeAnnouncementDuringAnOperationWaitsUntilItHasReturned) {
  std::atomic<bool> sessionRunning{false};
  std::atomic<int> activationsDuringSession{-1};
  world_.sessions.onDownload = [&](const components::ComponentRow&) {
    sessionRunning = true;
    testsupport::pumpMessagesFor(1500);
    activationsDuringSession = page_.activations.load();
    sessionRunning = false;
    components::DownloadSessionResult done;
    done.dialogResult = IDOK;
    return done;
  };
  start();
  const int activationsBefore = page_.activations;

  std::atomic<int> result{-99};
  std::thread operation = runOnSheet([this] { return page_.runInstallRange(0, 0, false); }, result);
  ASSERT_TRUE(wizardtest::waitUntil([&] { return sessionRunning.load(); }, 10000));
  DWORD_PTR answer = 0;
  SendMessageTimeoutA(running_->window(), kUpgradeStateChangedMessage, kUpgradeStateChangedCode, 0, SMTO_NORMAL,
                      5000, &answer);
  operation.join();

  EXPECT_EQ(activationsDuringSession, activationsBefore) << "not re-activated in the middle";
  EXPECT_TRUE(wizardtest::waitUntil([&] { return page_.activations > activationsBefore; }, 5000))
      << "re-activated once the operation returned";
}

TEST_F(PageBaseSessionTest, AnAnnouncedUpgradeActivatesThePageAgain) {
  world_.services.upgradeChecker = world_.upgradeChecker;
  world_.upgradeChecker->announce = true;
  start();
  // Release and beta both announce.
  EXPECT_TRUE(wizardtest::waitUntil([&] { return page_.activations >= 3; }, 10000)) << page_.activations;
  EXPECT_EQ(world_.release->state, 2);
}

TEST_F(PageBaseSessionTest, ClosingWhileTheUpgradeCheckHangsTakesAboutFiveSeconds) {
  world_.services.upgradeChecker = world_.upgradeChecker;
  world_.upgradeChecker->hang = true;
  start();
  ASSERT_TRUE(wizardtest::waitUntil([&] { return world_.upgradeChecker->checks > 0; }, 10000));

  const DWORD closing = GetTickCount();
  ASSERT_TRUE(running_->click(IDCANCEL));
  ASSERT_TRUE(running_->waitForEnd(15000));
  const DWORD elapsed = GetTickCount() - closing;
  EXPECT_GE(elapsed, 4000u);
  EXPECT_LE(elapsed, 8000u);

  // The left-behind check keeps its share of the channels; let it end.
  world_.upgradeChecker->hang = false;
  EXPECT_TRUE(wizardtest::waitUntil([] { return ui::Worker::detachedCount() == 0; }, 10000));
}

struct LaunchCase {
  const char* name;
  const char* fileName;      // the name the upgrade information gave
  bool sourceExists;
  const char* message;
};

class SheetLaunchTest : public testing::TestWithParam<LaunchCase> {};

TEST_P(SheetLaunchTest, ADownloadedInstallerThatCannotBePlacedIsReported) {
  const LaunchCase& c = GetParam();
  World world("Python 2.7.9");
  const std::string unixRoot = testsupport::freshUnixSandbox("launch");
  const std::string folder = testsupport::toWindowsPath(unixRoot);
  world.services.applicationFolder = folder + "\\app";
  CreateDirectoryA(world.services.applicationFolder.c_str(), nullptr);
  world.downloadedInstallerPath = folder + "\\downloaded.exe";
  world.downloadedInstallerFileName = c.fileName;
  if (c.sourceExists) testsupport::writeFile(world.downloadedInstallerPath, "MZ");
  TestSheet sheet(world.services);
  RunningSheet running(sheet);
  ASSERT_TRUE(running.waitUntilShown());

  PostMessageA(running.window(), kLaunchDownloadedInstallerMessage, 0, 0);
  HWND box = testsupport::waitForMessageBox(ui::kMessageBoxCaption, 10000, GetCurrentProcessId());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(testsupport::messageBoxText(box), c.message);
  testsupport::pressMessageBoxButton(box, IDOK);
  EXPECT_EQ(GetFileAttributesA(world.downloadedInstallerPath.c_str()) != INVALID_FILE_ATTRIBUTES, c.sourceExists)
      << "the downloaded file stays where it was";
  EXPECT_EQ(GetFileAttributesA((folder + "\\evil.exe").c_str()), INVALID_FILE_ATTRIBUTES);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SheetLaunchTest,
    testing::Values(
        LaunchCase{"NameLeavingTheFolder", "..\\evil.exe", true,
                   "Error: Unable to copy the selected installer file. Please try again."},
        LaunchCase{"MissingDownload", "Newer_Installer.exe", false,
                   "Error: Unable to copy the selected installer file. Please try again."}),
    [](const testing::TestParamInfo<LaunchCase>& info) { return std::string(info.param.name); });

TEST(SheetLaunch, AMissingInstallerFileIsReported) {
  World world("Python 2.7.9");
  TestSheet sheet(world.services);
  RunningSheet running(sheet);
  ASSERT_TRUE(running.waitUntilShown());
  std::atomic<int> result{-99};
  std::thread launch([&] {
    int value = -99;
    running.invoke([&] { value = sheet.launchInstallerFile("C:\\no-such-folder\\installer.exe", sheet.hwnd()); });
    result = value;
  });
  HWND box = testsupport::waitForMessageBox(ui::kMessageBoxCaption, 10000, GetCurrentProcessId());
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(testsupport::messageBoxText(box), "Error: Unable to locate the selected installer file. Please try again.");
  testsupport::pressMessageBoxButton(box, IDOK);
  launch.join();
  EXPECT_EQ(result, -1);
  EXPECT_FALSE(running.done()) << "the wizard stays open";
}

}  // namespace
