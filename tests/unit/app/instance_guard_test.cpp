#include "app/instance_guard.h"

#include <gtest/gtest.h>

namespace {

using app::InstanceConflict;

TEST(InstanceGuardTest, NameRules) {
  struct Case {
    const char* module;
    bool exact;
    bool lumenixPrefix;
  } cases[] = {
      {"ZephrionVisionSoftware_12_0_0_760_Installer_200830.exe", true, false},
      {"zephrionvisionsoftware_12_0_0_760_installer_200830.EXE", true, false},  // exact rule ignores case
      {"ZephrionLumenixSDK_1_Installer_2.exe", false, true},
      {"xZephrionLumenixSDK_1_Installer_2.exe", false, false},
      {"ZephrionLumenixSDK_1.exe", false, false},
      {"zephrionlumenixsdk_1_installer_2.exe", false, false},  // prefix and marker are case-sensitive
  };
  for (const Case& c : cases) {
    EXPECT_EQ(app::matchesExactName(c.module, app::kOwnExecutableName), c.exact) << c.module;
    EXPECT_EQ(app::matchesInstallerPrefix(c.module, app::kLumenixSdkInstallerPrefix), c.lumenixPrefix) << c.module;
  }
}

TEST(InstanceGuardTest, FirstRuleOverItsThresholdDecides) {
  const std::string self = app::kOwnExecutableName;
  struct Case {
    std::vector<std::string> processes;
    InstanceConflict conflict;
  } cases[] = {
      {{self, "explorer.exe"}, InstanceConflict::None},
      {{self, self}, InstanceConflict::SameInstaller},
      {{self, "ZephrionVisionSoftware_11_0_Installer_1.exe"}, InstanceConflict::OtherVisionSoftwareInstaller},
      {{self, "ZephrionLumenixSDK_1_Installer_2.exe", "ZPA_SonySmartCams_1_Installer_2.exe"},
       InstanceConflict::LumenixSdkInstaller},
      {{self, "ZPA_SonySmartCams_1_Installer_2.exe"}, InstanceConflict::SonySmartCamsInstaller},
      {{self, "ZephrionLumenixSDK_1.exe"}, InstanceConflict::None},
  };
  for (const Case& c : cases) EXPECT_EQ(app::findInstanceConflict(c.processes), c.conflict);
}

// Drives the guard with a scripted process list: each evaluation takes the
// next list (the last one repeats).
using Script = std::vector<std::vector<std::string>>;

struct ScriptedGuard {
  explicit ScriptedGuard(Script scripted) : lists(std::move(scripted)) {}
  std::vector<std::vector<std::string>> lists;
  size_t evaluations = 0;
  std::vector<unsigned> sleeps;
  int shown = 0, hidden = 0;
  std::vector<std::string> messages;

  bool run() {
    app::InstanceGuardHooks hooks;
    hooks.listProcesses = [this] { return lists[std::min(evaluations++, lists.size() - 1)]; };
    hooks.showPleaseWait = [this] { ++shown; };
    hooks.hidePleaseWait = [this] { ++hidden; };
    hooks.sleep = [this](unsigned ms) { sleeps.push_back(ms); };
    hooks.showMessage = [this](const char* text) { messages.push_back(text); };
    return app::runInstanceGuard(hooks);
  }
};

TEST(InstanceGuardTest, PassesAtOnceWithoutAnyWait) {
  ScriptedGuard guard(Script{{app::kOwnExecutableName}});
  EXPECT_TRUE(guard.run());
  EXPECT_EQ(guard.shown, 0);
  EXPECT_TRUE(guard.sleeps.empty());
}

TEST(InstanceGuardTest, WaitsForTheOtherInstanceToEnd) {
  const std::string self = app::kOwnExecutableName;
  ScriptedGuard guard(Script{{self, self}, {self, self}, {self}});
  EXPECT_TRUE(guard.run());
  EXPECT_EQ(guard.sleeps, (std::vector<unsigned>{5000, 5000}));
  EXPECT_EQ(guard.shown, 1);
  EXPECT_EQ(guard.hidden, 1);
  EXPECT_TRUE(guard.messages.empty());
}

TEST(InstanceGuardTest, GivesUpAfterFourWaitsWithTheMessageOfTheRuleThatStillRefuses) {
  const std::string self = app::kOwnExecutableName;
  // The sibling installer is what remains at the last evaluation.
  ScriptedGuard guard(Script{{self, self}, {self, self}, {self, self}, {self, self}, {self, self},
                       {self, "ZephrionLumenixSDK_1_Installer_2.exe"}});
  EXPECT_FALSE(guard.run());
  EXPECT_EQ(guard.sleeps.size(), 4u);
  EXPECT_EQ(guard.hidden, 1);
  ASSERT_EQ(guard.messages.size(), 1u);
  EXPECT_EQ(guard.messages[0], app::instanceConflictMessage(InstanceConflict::LumenixSdkInstaller));
}

TEST(InstanceGuardTest, PassesWhenTheConflictEndsRightAfterTheLastWait) {
  const std::string self = app::kOwnExecutableName;
  ScriptedGuard guard(Script{{self, self}, {self, self}, {self, self}, {self, self}, {self, self}, {self}});
  EXPECT_TRUE(guard.run());
  EXPECT_TRUE(guard.messages.empty());
}

TEST(InstanceGuardTest, SeesTheRunningTestProgramItself) {
  const auto names = app::runningProcessModuleNames();
  EXPECT_NE(std::find(names.begin(), names.end(), "unit_app.exe"), names.end());
}

}  // namespace
