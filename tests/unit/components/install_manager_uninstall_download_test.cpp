// Uninstall runs, download-only runs with the download-error dialog's
// answers, and the deletion of old downloads.

#include <gtest/gtest.h>

#include "components/install_manager_messages.h"
#include "scripted_manager_fixture.h"
#include "scripted_message_boxes.h"
#include "support/test_files.h"

namespace {

using components::DownloadErrorChoice;
using components::DownloadSessionResult;
using scripted::ManagerTest;
using scripted::MessageBoxAnswerer;
using Strings = std::vector<std::string>;
namespace messages = components::manager_messages;

const DownloadSessionResult kFailed{IDCANCEL, false};
const DownloadSessionResult kUserCancelled{IDCANCEL, true};

std::string askedFor(const std::string& fileName) {
  return "ask-download-error Error - Unable to download the component '" + fileName + "'";
}

// --- Uninstall ----------------------------------------------------------------

using UninstallRangeTest = ManagerTest;

TEST_F(UninstallRangeTest, RunsFromLastToFirstWithPositionsOneToN) {
  useRows({"R0", "R1", "R2", "R3", "R4", "R5", "R6"});
  for (const char* name : {"R2", "R3", "R5", "R6"}) present(name);
  evaluateAll();
  manager_.row(5)->setMessage("R5 1.0");

  EXPECT_EQ(manager_.uninstallRange(2, 5, true), 1);
  // R4 is not there: "Ok" without a session.
  EXPECT_EQ(world_.calls(), (Strings{"uninstall R5 1/4 stop=1", "uninstall R3 3/4 stop=1", "uninstall R2 4/4 stop=1"}));
  EXPECT_EQ(rows_->progressHistories(),
            (Strings{"R0: <empty>", "R1: <empty>", "R2: Pending > Uninstalling... > Ok",
                     "R3: Pending > Uninstalling... > Ok", "R4: Pending > Ok", "R5: Pending > Uninstalling... > Ok",
                     "R6: <empty>"}));
  EXPECT_EQ(statusOf(5), "Not Installed");
  EXPECT_EQ(manager_.row(5)->message(), "");
  EXPECT_EQ(statusOf(6), "Installed");
}

TEST_F(UninstallRangeTest, AComponentStillPresentEndsTheRun) {
  useRows({"R0", "R1", "R2"});
  for (const char* name : {"R0", "R1", "R2"}) present(name);
  world_.component("R1").uninstallTakesEffect = false;
  evaluateAll();
  EXPECT_EQ(manager_.uninstallRange(0, 2, false), -1);
  EXPECT_EQ(world_.calls(), (Strings{"uninstall R2 1/3 stop=0", "uninstall R1 2/3 stop=0"}));
  EXPECT_EQ(rows_->progressHistories(),
            (Strings{"R0: Pending", "R1: Pending > Uninstalling... > Uninstall Error",
                     "R2: Pending > Uninstalling... > Ok"}));
  EXPECT_EQ(statusOf(1), "Installed");
}

// --- Download only --------------------------------------------------------------

using DownloadTest = ManagerTest;

TEST_F(DownloadTest, DownloadsEveryRowAndCountsAFileAlreadyThere) {
  useRows({"Alpha", "Bravo", "Charlie"});
  testsupport::writeFile(downloadFolder_ + "\\Bravo.exe", "earlier download");
  bool ignoreErrors = false;
  MessageBoxAnswerer boxes({IDOK});
  EXPECT_EQ(manager_.downloadAll(true, ignoreErrors), 1);
  EXPECT_EQ(boxes.finish(),
            Strings{"Successfully downloaded the files.\nDownload directory - " + app::dataFolderPath()});
  EXPECT_EQ(world_.calls(), (Strings{"session Alpha 1/1 download", "session Charlie 1/1 download"}));
  for (const auto& options : world_.sessionOptions) {
    EXPECT_TRUE(options.downloadOnly);
    EXPECT_FALSE(options.redownload);
    EXPECT_TRUE(options.interactive);
  }
  EXPECT_EQ(rows_->progressHistories(),
            (Strings{"Alpha: Pending > Downloading... > Downloaded", "Bravo: Pending > Downloading... > Downloaded",
                     "Charlie: Pending > Downloading... > Downloaded"}));
  EXPECT_FALSE(ignoreErrors);
}

TEST_F(DownloadTest, RetryFetchesTheSameRowAgain) {
  useRows({"Alpha", "Bravo"});
  world_.component("Alpha").sessionResults = {kFailed, kFailed};
  world_.downloadErrorAnswers = {DownloadErrorChoice::Retry, DownloadErrorChoice::Retry};
  bool ignoreErrors = false;
  const std::uint32_t chosen[] = {0};
  EXPECT_EQ(manager_.downloadSelected(chosen, 1, false, ignoreErrors), 1);
  EXPECT_EQ(world_.calls(), (Strings{"session Alpha 1/1 download", askedFor("Alpha.exe"), "session Alpha 1/1 download",
                                     askedFor("Alpha.exe"), "session Alpha 1/1 download"}));
  EXPECT_EQ(rows_->progressHistories(),
            (Strings{"Alpha: Pending > Downloading... > Download Error > Downloading... > Download Error > "
                     "Downloading... > Downloaded",
                     "Bravo: <empty>"}));
}

TEST_F(DownloadTest, IgnoreGoesOnAndAbortEndsTheRun) {
  struct Case {
    DownloadErrorChoice answer;
    int result;
    Strings progress;
  };
  const Case cases[] = {
      {DownloadErrorChoice::Ignore, 1,
       {"Alpha: Pending > Downloading... > Download Error", "Bravo: Pending > Downloading... > Downloaded"}},
      {DownloadErrorChoice::Abort, -1, {"Alpha: Pending > Downloading... > Download Error", "Bravo: Pending"}},
  };
  for (const Case& c : cases) {
    world_ = scripted::World();
    useRows({"Alpha", "Bravo"});
    world_.component("Alpha").sessionResults = {kFailed};
    world_.downloadErrorAnswers = {c.answer};
    bool ignoreErrors = false;
    MessageBoxAnswerer boxes;
    EXPECT_EQ(manager_.downloadAll(true, ignoreErrors), c.result);
    // The summary comes only after a run that went to its end.
    EXPECT_EQ(boxes.finish().size(), c.result == 1 ? 1u : 0u);
    EXPECT_EQ(rows_->progressHistories(), c.progress);
    EXPECT_FALSE(ignoreErrors);
  }
}

TEST_F(DownloadTest, IgnoreAllPassesLaterFailuresOverAndStaysSetForTheCaller) {
  useRows({"Alpha", "Bravo", "Charlie"});
  world_.component("Alpha").sessionResults = {kFailed};
  world_.component("Bravo").sessionResults = {kFailed, kFailed};
  world_.downloadErrorAnswers = {DownloadErrorChoice::IgnoreAll};
  bool ignoreErrors = false;
  EXPECT_EQ(manager_.downloadAll(false, ignoreErrors), 1);
  EXPECT_TRUE(ignoreErrors);
  EXPECT_EQ(world_.calls(), (Strings{"session Alpha 1/1 download", askedFor("Alpha.exe"), "session Bravo 1/1 download",
                                     "session Charlie 1/1 download"}));
  EXPECT_EQ(rows_->progressHistories(),
            (Strings{"Alpha: Pending > Downloading... > Download Error", "Bravo: Pending > Downloading... > Download Error",
                     "Charlie: Pending > Downloading... > Downloaded"}));

  // The caller's next run with the same flag asks nothing either.
  world_.clearCalls();
  const std::uint32_t bravo[] = {1};
  EXPECT_EQ(manager_.downloadSelected(bravo, 1, false, ignoreErrors), 1);
  EXPECT_EQ(world_.calls(), Strings{"session Bravo 1/1 download"});
  EXPECT_EQ(rows_->progress(1).text(), "Download Error");
}

TEST_F(DownloadTest, ASessionTheUserCancelledEndsTheRunWithoutAsking) {
  useRows({"Alpha", "Bravo"});
  world_.component("Alpha").sessionResults = {kUserCancelled};
  bool ignoreErrors = false;
  MessageBoxAnswerer boxes;
  EXPECT_EQ(manager_.downloadAll(true, ignoreErrors), -1);
  EXPECT_TRUE(boxes.finish().empty());
  EXPECT_EQ(world_.calls(), Strings{"session Alpha 1/1 download"});
  EXPECT_EQ(rows_->progressHistories(),
            (Strings{"Alpha: Pending > Downloading... > Download Error", "Bravo: Pending"}));
}

// --- Old downloads ----------------------------------------------------------------

using DeleteOldDownloadsTest = ManagerTest;

TEST_F(DeleteOldDownloadsTest, DeletesTheRowsFilesAndStopsAtAFileInUse) {
  useRows({"List", "Setup", "Readme"}, {"List", "Readme"});

  MessageBoxAnswerer summary({IDOK});
  EXPECT_EQ(manager_.deleteOldDownloads(true, true), 1);
  EXPECT_EQ(summary.finish(),
            Strings{"Successfully deleted the old downloads.\nFrom directory - " + app::dataFolderPath()});
  EXPECT_EQ(world_.calls(), (Strings{"delete List", "delete Readme"}));

  world_.clearCalls();
  world_.component("Setup").deleteResult = false;
  MessageBoxAnswerer error({IDOK});
  EXPECT_EQ(manager_.deleteOldDownloads(false, true), -1);
  EXPECT_EQ(error.finish(), Strings{"Error - Unable to delete the old download file for the component 'Setup'. "
                                    "Please confirm whether the file is in use."});
  EXPECT_EQ(world_.calls(), (Strings{"delete List", "delete Setup"}));
}

}  // namespace
