// Install runs: the repair that comes first, the rows installed one by one,
// and the progress each row shows on the page while that happens.

#include <gtest/gtest.h>

#include "components/install_manager_messages.h"
#include "scripted_manager_fixture.h"
#include "scripted_message_boxes.h"

namespace {

using scripted::ManagerTest;
using scripted::MessageBoxAnswerer;
using Strings = std::vector<std::string>;
namespace messages = components::manager_messages;

const std::string kRepairQuestion(messages::kRepairQuestion);

using InstallRangeTest = ManagerTest;

TEST_F(InstallRangeTest, InstallsEachRowAndShowsItsProgress) {
  useRows({"Present", "Absent", "Other"});
  present("Present");
  evaluateAll();
  manager_.row(1)->setMessage("stale");

  MessageBoxAnswerer boxes;
  EXPECT_EQ(manager_.installRange(0, 1, false, true, true), 1);
  EXPECT_TRUE(boxes.finish().empty());

  // An installed row is "Ok" without a session; the other is downloaded and
  // run, its recipe and post-install actions follow.
  EXPECT_EQ(world_.calls(), (Strings{"session Absent 2/2 install", "recipe Absent stop=1", "post Absent"}));
  EXPECT_EQ(rows_->progressHistories(),
            (Strings{"Present: Pending > Ok", "Absent: Pending > Installing... > Ok", "Other: <empty>"}));
  EXPECT_EQ(statusOf(1), "Installed");
  EXPECT_EQ(manager_.row(1)->message(), "");
  ASSERT_EQ(world_.sessionOptions.size(), 1u);
  EXPECT_FALSE(world_.sessionOptions[0].redownload);
  EXPECT_TRUE(world_.sessionOptions[0].interactive);
}

TEST_F(InstallRangeTest, TheFirstFailingRowEndsTheRunAndLaterRowsKeepPending) {
  struct Case {
    const char* what;
    void (*script)(scripted::Component&);
    Strings calls;
  };
  const Case cases[] = {
      {"installer without effect", [](scripted::Component& c) { c.installTakesEffect = false; },
       {"session Bravo 2/3 install", "recipe Bravo stop=0"}},
      {"recipe fails", [](scripted::Component& c) { c.recipeResult = false; },
       {"session Bravo 2/3 install", "recipe Bravo stop=0"}},
      {"session aborted by the user",
       [](scripted::Component& c) { c.sessionResults.push_back({IDCANCEL, true}); },
       {"session Bravo 2/3 install"}},
  };
  for (const Case& c : cases) {
    world_ = scripted::World();
    useRows({"Alpha", "Bravo", "Charlie"});
    c.script(world_.component("Bravo"));
    evaluateAll();
    world_.component("Alpha").present = true;  // installed meanwhile: no session for it

    EXPECT_EQ(manager_.installRange(0, 2, false, false, false), -1) << c.what;
    EXPECT_EQ(world_.calls(), c.calls) << c.what;
    EXPECT_EQ(rows_->progressHistories(),
              (Strings{"Alpha: Pending > Ok", "Bravo: Pending > Installing... > Failed", "Charlie: Pending"}))
        << c.what;
    EXPECT_EQ(statusOf(1), "Not Installed") << c.what;
  }
}

TEST_F(InstallRangeTest, FailedPostInstallActionsWarnAndTheRunGoesOn) {
  useRows({"Alpha", "Bravo"});
  world_.component("Alpha").postInstallResult = false;
  evaluateAll();
  MessageBoxAnswerer boxes({IDOK});
  EXPECT_EQ(manager_.installRange(0, 1, false, true, false), 1);
  EXPECT_EQ(boxes.finish(), Strings{std::string(messages::kCustomActionsWarning)});
  EXPECT_EQ(rows_->progressHistories(),
            (Strings{"Alpha: Pending > Installing... > Ok", "Bravo: Pending > Installing... > Ok"}));
}

TEST_F(InstallRangeTest, PyserialSetupIsAnnouncedBeforeItRuns) {
  useRows({"pyserial-2.7.win32"});
  evaluateAll();
  MessageBoxAnswerer boxes({IDOK});
  EXPECT_EQ(manager_.installRange(0, 0, false, true, false), 1);
  EXPECT_EQ(boxes.finish(), Strings{std::string(messages::kPyserialWizardNotice)});
  EXPECT_EQ(world_.calls().front(), "session pyserial-2.7.win32 1/1 install");
}

// Rows installed by a recipe only download in the session; toolbox list rows
// cannot be detected, so their recipe succeeding is the install.
TEST_F(InstallRangeTest, RecipeRowsDownloadOnlyAndUndetectableRowsTrustTheirRecipe) {
  useRows({"Paint.net 4.0.19", "Vivid Sight 1.0.0.333 - Templates", "Unknown Thing"});
  world_.component("Paint.net 4.0.19").recipeInstalls = true;
  evaluateAll();
  EXPECT_EQ(manager_.installRange(0, 1, false, false, false), 1);
  EXPECT_EQ(world_.calls(), (Strings{"session Paint.net 4.0.19 1/2 download", "recipe Paint.net 4.0.19 stop=0",
                                     "post Paint.net 4.0.19", "session Vivid Sight 1.0.0.333 - Templates 2/2 download",
                                     "recipe Vivid Sight 1.0.0.333 - Templates stop=0",
                                     "post Vivid Sight 1.0.0.333 - Templates"}));
  EXPECT_EQ(statusOf(1), "Installed");

  // Any other row that stays undetected after its recipe has failed.
  world_.component("Unknown Thing").installTakesEffect = false;
  EXPECT_EQ(manager_.installRange(2, 2, false, false, false), -1);
  EXPECT_EQ(rows_->progress(2).text(), "Failed");
}

TEST_F(InstallRangeTest, RepairCoversTheWholeListButOnlyTheRangeIsInstalled) {
  useRows({"Alpha", "Bravo", "Charlie", "Delta"});
  present("Charlie", "Reinstall Needed");
  present("Delta");
  evaluateAll();

  MessageBoxAnswerer boxes({IDYES});
  EXPECT_EQ(manager_.installRange(0, 1, true, true, true), 1);
  EXPECT_EQ(boxes.finish(), Strings{kRepairQuestion});
  EXPECT_EQ(world_.calls(), (Strings{"repair Charlie stop=1", "session Alpha 1/2 install", "recipe Alpha stop=1",
                                     "post Alpha", "session Bravo 2/2 install", "recipe Bravo stop=1", "post Bravo"}));
  // The repaired row was evaluated again; it is not part of the install.
  EXPECT_EQ(statusOf(2), "Not Installed");
  EXPECT_EQ(rows_->progressHistories(),
            (Strings{"Alpha: Pending > Installing... > Ok", "Bravo: Pending > Installing... > Ok", "Charlie: <empty>",
                     "Delta: <empty>"}));
}

TEST_F(InstallRangeTest, WithoutTheWholeListOnlyErrorsInTheRangeAreRepaired) {
  useRows({"Alpha", "Bravo"});
  present("Bravo", "Incomplete Module");
  evaluateAll();
  MessageBoxAnswerer boxes;
  EXPECT_EQ(manager_.installRange(0, 0, false, true, false), 1);
  EXPECT_TRUE(boxes.finish().empty());
  EXPECT_EQ(statusOf(1), "Incomplete Module");
}

TEST_F(InstallRangeTest, NoToTheRepairQuestionInstallsNothing) {
  useRows({"Alpha", "Bravo"});
  present("Bravo", "Multiple Versions");
  evaluateAll();
  MessageBoxAnswerer boxes({IDNO});
  EXPECT_EQ(manager_.installRange(0, 1, false, true, false), -1);
  EXPECT_EQ(boxes.finish(), Strings{kRepairQuestion});
  EXPECT_TRUE(world_.calls().empty());
  EXPECT_EQ(rows_->progressHistories(), (Strings{"Alpha:", "Bravo:"}));
  EXPECT_EQ(statusOf(1), "Multiple Versions");
}

TEST_F(InstallRangeTest, WhileAnErrorRemainsTheQuestionComesAgain) {
  useRows({"Alpha"});
  present("Alpha", "Reinstall Needed");
  world_.component("Alpha").repairResult = -1;
  evaluateAll();
  MessageBoxAnswerer boxes({IDYES, IDYES, IDNO});
  EXPECT_EQ(manager_.installRange(0, 0, false, true, false), -1);
  EXPECT_EQ(boxes.finish(), (Strings{kRepairQuestion, kRepairQuestion, kRepairQuestion}));
  EXPECT_EQ(world_.calls(), (Strings{"repair Alpha stop=0", "repair Alpha stop=0"}));
}

// Nobody is asked (the quick update): a repair that keeps failing must not
// repeat for ever. One repair pass, then the install, whose own detection
// decides.
TEST_F(InstallRangeTest, WithoutAskingThereIsOneRepairPass) {
  useRows({"Alpha", "Bravo", "Charlie"});
  present("Alpha", "Reinstall Needed");
  world_.component("Alpha").repairResult = -1;
  present("Charlie", "Version Mismatch");
  evaluateAll();

  MessageBoxAnswerer boxes;
  EXPECT_EQ(manager_.installRange(0, 2, true, false, false), 1);
  EXPECT_TRUE(boxes.finish().empty());
  // The pass stops at the failing row and nothing is repaired twice; the
  // rows still present count as installed.
  EXPECT_EQ(world_.calls(), (Strings{"repair Alpha stop=0", "session Bravo 2/3 install", "recipe Bravo stop=0",
                                     "post Bravo"}));
  EXPECT_EQ(rows_->progressHistories(),
            (Strings{"Alpha: Pending > Ok", "Bravo: Pending > Installing... > Ok", "Charlie: Pending > Ok"}));
}

TEST_F(InstallRangeTest, WithoutAskingASuccessfulRepairIsFollowedByTheInstall) {
  useRows({"Alpha"});
  present("Alpha", "Version Mismatch");
  evaluateAll();
  EXPECT_EQ(manager_.installRange(0, 0, false, false, true), 1);
  EXPECT_EQ(world_.calls(),
            (Strings{"repair Alpha stop=1", "session Alpha 1/1 install", "recipe Alpha stop=1", "post Alpha"}));
  EXPECT_EQ(statusOf(0), "Installed");
}

using InstallSelectedTest = ManagerTest;

TEST_F(InstallSelectedTest, InstallsTheChosenRowsInTheOrderGiven) {
  useRows({"Alpha", "Bravo", "Charlie", "Delta"});
  evaluateAll();
  const std::uint32_t chosen[] = {3, 1};
  EXPECT_EQ(manager_.installSelected(chosen, 2, true, false), 1);
  EXPECT_EQ(world_.calls(), (Strings{"session Delta 1/2 install redownload", "recipe Delta stop=0", "post Delta",
                                     "session Bravo 2/2 install redownload", "recipe Bravo stop=0", "post Bravo"}));
  EXPECT_EQ(rows_->progressHistories(),
            (Strings{"Alpha: <empty>", "Bravo: Pending > Installing... > Ok", "Charlie: <empty>",
                     "Delta: Pending > Installing... > Ok"}));
}

TEST_F(InstallSelectedTest, RepairOfAllRowsRepairsRowsThatWereNotChosen) {
  useRows({"Alpha", "Bravo", "Charlie"});
  present("Charlie", "Reinstall Needed");
  evaluateAll();
  const std::uint32_t chosen[] = {0};
  MessageBoxAnswerer boxes({IDYES});
  EXPECT_EQ(manager_.installSelected(chosen, 1, false, true), 1);
  EXPECT_EQ(boxes.finish(), Strings{kRepairQuestion});
  EXPECT_EQ(world_.calls(),
            (Strings{"repair Charlie stop=0", "session Alpha 1/1 install", "recipe Alpha stop=0", "post Alpha"}));
  EXPECT_EQ(rows_->progressHistories(),
            (Strings{"Alpha: Pending > Installing... > Ok", "Bravo: <empty>", "Charlie: <empty>"}));
}

TEST_F(InstallSelectedTest, AFailedRepairOfAllRowsEndsWithTheUnexpectedError) {
  useRows({"Alpha", "Bravo"});
  present("Bravo", "Reinstall Needed");
  world_.component("Bravo").repairResult = -1;
  evaluateAll();
  const std::uint32_t chosen[] = {0};
  MessageBoxAnswerer boxes({IDYES, IDOK});
  EXPECT_EQ(manager_.installSelected(chosen, 1, false, true), -1);
  EXPECT_EQ(boxes.finish(), (Strings{kRepairQuestion, std::string(messages::kUnexpectedError)}));
  EXPECT_EQ(world_.calls(), Strings{"repair Bravo stop=0"});
}

TEST_F(InstallSelectedTest, WithoutRepairOfAllRowsOnlyChosenRowsAreRepaired) {
  useRows({"Alpha", "Bravo", "Charlie", "Delta"});
  present("Alpha", "Version Mismatch");
  present("Bravo", "Reinstall Needed");
  present("Delta", "Incomplete Module");
  evaluateAll();

  // An error outside the chosen rows asks nothing.
  const std::uint32_t third[] = {2};
  MessageBoxAnswerer quiet;
  EXPECT_EQ(manager_.installSelected(third, 1, false, false), 1);
  EXPECT_TRUE(quiet.finish().empty());
  world_.clearCalls();

  // Chosen in reverse order, repaired in row order.
  const std::uint32_t chosen[] = {3, 0};
  MessageBoxAnswerer boxes({IDYES});
  EXPECT_EQ(manager_.installSelected(chosen, 2, false, false), 1);
  EXPECT_EQ(boxes.finish(), Strings{kRepairQuestion});
  EXPECT_EQ(world_.calls(), (Strings{"repair Alpha stop=0", "repair Delta stop=0", "session Delta 1/2 install",
                                     "recipe Delta stop=0", "post Delta", "session Alpha 2/2 install",
                                     "recipe Alpha stop=0", "post Alpha"}));
  EXPECT_EQ(statusOf(1), "Reinstall Needed");
}

}  // namespace
