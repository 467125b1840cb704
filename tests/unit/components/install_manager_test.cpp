// The manager's rows, their evaluation, the questions a page asks about them,
// the page warning, and the refusal of ranges outside the rows.

#include <gtest/gtest.h>

#include "components/install_manager_messages.h"
#include "components/status_texts.h"
#include "scripted_manager_fixture.h"
#include "scripted_message_boxes.h"

namespace {

using scripted::ManagerTest;
using scripted::MessageBoxAnswerer;
namespace messages = components::manager_messages;

using InstallManagerRowsTest = ManagerTest;

TEST_F(InstallManagerRowsTest, SetRowsCopiesTheRowsAndClearRowsEmptiesTheManager) {
  useRows({"Alpha", "Bravo"});
  EXPECT_EQ(manager_.rowCount(), 2u);
  EXPECT_EQ(manager_.row(1)->name(), "Bravo");
  EXPECT_EQ(manager_.row(2), nullptr);
  // The copies share the page's cells.
  manager_.row(0)->setProgressText("Pending");
  EXPECT_EQ(rows_->progress(0).text(), "Pending");

  EXPECT_EQ(manager_.setRows(3, nullptr), -1);
  EXPECT_EQ(manager_.rowCount(), 2u);

  manager_.clearRows();
  EXPECT_EQ(manager_.rowCount(), 0u);
  EXPECT_EQ(manager_.row(0), nullptr);
}

TEST_F(InstallManagerRowsTest, FindRowComparesTheNameExactly) {
  useRows({"Python 2.7.9", "Python 2.7.13"});
  ASSERT_NE(manager_.findRow("Python 2.7.13"), nullptr);
  EXPECT_EQ(manager_.findRow("Python 2.7.13")->name(), "Python 2.7.13");
  EXPECT_EQ(manager_.findRow("python 2.7.9"), nullptr);
  EXPECT_EQ(manager_.findRow("Python 2.7"), nullptr);
}

TEST_F(InstallManagerRowsTest, EvaluateWritesEveryStatusOfTheRangeAndClearsMessages) {
  useRows({"Absent", "Good", "Old", "Outside"});
  present("Good");
  present("Old", "Version Mismatch");
  present("Outside");
  for (std::uint32_t i = 0; i < 4; ++i) manager_.row(i)->setMessage("earlier listing");

  // The first row fails, the others are still evaluated.
  EXPECT_EQ(manager_.evaluateRows(0, 2), -1);
  EXPECT_EQ(statusOf(0), "Not Installed");
  EXPECT_EQ(statusOf(1), "Installed");
  EXPECT_EQ(statusOf(2), "Version Mismatch");
  EXPECT_EQ(statusOf(3), "");
  EXPECT_EQ(manager_.row(2)->message(), "");
  EXPECT_EQ(manager_.row(3)->message(), "earlier listing");

  EXPECT_EQ(manager_.evaluateRows(1, 1), 1);
  EXPECT_EQ(manager_.evaluateRows(3, 3), 1);
}

TEST_F(InstallManagerRowsTest, AllAndNoneInstalledLookAtEveryStatus) {
  struct Case {
    std::vector<std::string> statuses;
    bool all;
    bool none;
  };
  const Case cases[] = {
      {{}, false, true},
      {{"Installed", "Installed"}, true, false},
      {{"Installed", "Not Installed"}, false, false},
      {{"Not Installed", "Not Installed"}, false, true},
      {{"Not Installed", "Reinstall Needed"}, false, false},
      {{"installed"}, false, false},  // statuses compare exactly
  };
  for (const Case& c : cases) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < c.statuses.size(); ++i) names.push_back("Row" + std::to_string(i));
    useRows(names);
    for (std::size_t i = 0; i < c.statuses.size(); ++i) manager_.row(static_cast<std::uint32_t>(i))->setStatusText(c.statuses[i]);
    EXPECT_EQ(manager_.areAllInstalled(), c.all) << ::testing::PrintToString(c.statuses);
    EXPECT_EQ(manager_.areNoneInstalled(), c.none) << ::testing::PrintToString(c.statuses);
  }
}

// An empty manager or a range beyond the rows is refused before anything is
// read, asked or run.
TEST_F(InstallManagerRowsTest, RangesOutsideTheRowsAreRefused) {
  MessageBoxAnswerer boxes;
  bool ignoreErrors = false;
  const std::uint32_t beyond[] = {0, 5};

  // Empty manager: "0 to rowCount - 1" must not wrap around.
  const std::uint32_t lastOfEmpty = manager_.rowCount() - 1;
  EXPECT_EQ(manager_.evaluateRows(0, lastOfEmpty), -1);
  EXPECT_EQ(manager_.installRange(0, lastOfEmpty, true, true, false), -1);
  EXPECT_EQ(manager_.installRange(0, 0, false, true, false), -1);
  EXPECT_EQ(manager_.uninstallRange(0, lastOfEmpty, false), -1);
  EXPECT_EQ(manager_.repairRange(false, 0, lastOfEmpty), -1);
  EXPECT_EQ(manager_.listInstalledVersions(lastOfEmpty), -1);
  EXPECT_EQ(manager_.downloadAll(false, ignoreErrors), -1);
  EXPECT_EQ(manager_.deleteOldDownloads(false, false), 1);
  EXPECT_FALSE(manager_.showErrorStatusWarning());

  useRows({"Alpha", "Bravo", "Charlie"});
  manager_.row(2)->setStatusText("Reinstall Needed");
  EXPECT_EQ(manager_.uninstallRange(8, 8, false), -1);
  EXPECT_EQ(manager_.installRange(2, 1, false, true, false), -1);
  EXPECT_EQ(manager_.installRange(1, 3, true, true, false), -1);
  EXPECT_EQ(manager_.evaluateRows(0, 3), -1);
  EXPECT_EQ(manager_.listInstalledVersions(3), -1);
  EXPECT_EQ(manager_.installSelected(beyond, 2, false, true), -1);
  EXPECT_EQ(manager_.installSelected(nullptr, 2, false, true), -1);
  EXPECT_EQ(manager_.installSelected(beyond, 0, false, true), -1);
  EXPECT_EQ(manager_.downloadSelected(beyond, 2, true, ignoreErrors), -1);
  EXPECT_EQ(manager_.downloadSelected(beyond, 0, true, ignoreErrors), -1);

  EXPECT_TRUE(boxes.finish().empty());
  EXPECT_TRUE(world_.calls().empty());
  EXPECT_EQ(world_.detectCount("Alpha") + world_.detectCount("Bravo") + world_.detectCount("Charlie"), 0);
  EXPECT_EQ(rows_->progress(0).history(), std::vector<std::string>{});
  EXPECT_EQ(statusOf(2), "Reinstall Needed");
}

TEST_F(InstallManagerRowsTest, PageWarningNamesTheStatusOfTheFirstRowWithAnError) {
  struct Case {
    std::vector<std::string> statuses;
    std::string_view warning;  // empty: no message box
  };
  const Case cases[] = {
      {{"Installed", "Version Mismatch", "Incomplete Module"}, messages::kVersionMismatchWarning},
      {{"Reinstall Needed"}, messages::kReinstallNeededWarning},
      {{"Not Installed", "Multiple Versions", "Version Mismatch"}, messages::kMultipleVersionsWarning},
      {{"Incomplete Module"}, messages::kIncompleteModuleWarning},
      {{"Installed", "Not Installed", "Failed"}, {}},
  };
  for (const Case& c : cases) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < c.statuses.size(); ++i) names.push_back("Row" + std::to_string(i));
    useRows(names);
    for (std::size_t i = 0; i < c.statuses.size(); ++i) manager_.row(static_cast<std::uint32_t>(i))->setStatusText(c.statuses[i]);
    MessageBoxAnswerer boxes;
    EXPECT_EQ(manager_.showErrorStatusWarning(), !c.warning.empty());
    const std::vector<std::string> expected =
        c.warning.empty() ? std::vector<std::string>{} : std::vector<std::string>{std::string(c.warning)};
    EXPECT_EQ(boxes.finish(), expected) << ::testing::PrintToString(c.statuses);
  }
}

TEST_F(InstallManagerRowsTest, PageWarningCanLeaveOneRowOut) {
  useRows({"Zephrion Watchdog 3.0.0.11", "Tera Term 4.88"});
  manager_.row(0)->setStatusText("Version Mismatch");
  manager_.row(1)->setStatusText("Installed");
  MessageBoxAnswerer boxes;
  EXPECT_FALSE(manager_.showErrorStatusWarning("Zephrion Watchdog 3.0.0.11"));
  manager_.row(1)->setStatusText("Incomplete Module");
  EXPECT_TRUE(manager_.showErrorStatusWarning("Zephrion Watchdog 3.0.0.11"));
  EXPECT_EQ(boxes.finish(), std::vector<std::string>{std::string(messages::kIncompleteModuleWarning)});
}

}  // namespace
