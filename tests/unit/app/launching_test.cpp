#include "app/launching.h"

#include <gtest/gtest.h>
#include <windows.h>


#include "app/folders.h"
#include "platform/debug_log.h"
#include "support/test_files.h"
#include "support/process.h"
#include "support/waiting.h"

namespace {

using testsupport::readFile;
using testsupport::writeFile;


// Waits until the logging stub has written something.
std::string waitForLog(const std::string& path, DWORD timeoutMs = 15000) {
  std::string text;
  testsupport::waitUntil([&] { return !(text = readFile(path)).empty(); }, timeoutMs);
  return text;
}

std::vector<std::string> shortcutsIn(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((folder + "\\hn*tmp.lnk").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    names.push_back(entry.cFileName);
  } while (FindNextFileA(find, &entry));
  FindClose(find);
  return names;
}

class LaunchingTest : public testing::Test {
 protected:
  void SetUp() override {
    // On the prefix's own drive: a shortcut to a file on Z: makes Wine probe
    // that drive's volume label, which it reports as noise.
    root_ = "C:\\zephrion-test-launching";
    app::deleteFolderTree(root_.c_str(), root_.c_str());
    ASSERT_TRUE(app::createFolderPath(root_.c_str()));
    SetEnvironmentVariableA("TMP", (root_ + "\\").c_str());
    SetEnvironmentVariableA("TEMP", (root_ + "\\").c_str());
    logger_ = root_ + "\\launch_logger.exe";
    ASSERT_TRUE(CopyFileA(testsupport::toWindowsPath(LAUNCH_LOGGER_EXE).c_str(), logger_.c_str(), FALSE));
    log_ = root_ + "\\launch_logger.log";
  }

  std::string root_, logger_, log_;
};

TEST_F(LaunchingTest, ArgumentsAreCheckedFirst) {
  int shellResult = 0;
  EXPECT_EQ(app::launchAppManagingUACElevation(nullptr, root_.c_str(), nullptr, &shellResult), -1);
  EXPECT_EQ(app::launchAppManagingUACElevation(nullptr, nullptr, logger_.c_str(), &shellResult), -2);
  EXPECT_EQ(app::launchAppManagingUACElevation(nullptr, root_.c_str(), logger_.c_str(), nullptr), -2);
  Sleep(300);
  EXPECT_EQ(readFile(log_), "") << "nothing may be started";
}

TEST_F(LaunchingTest, ThisSystemIsNotPreVista) {
  bool preVista = true;
  EXPECT_EQ(app::isPreVistaWindows(&preVista), 1);
  EXPECT_FALSE(preVista);
}

TEST_F(LaunchingTest, WithoutParametersExplorerStartsTheFile) {
  int shellResult = 0;
  EXPECT_EQ(app::launchAppManagingUACElevation(nullptr, root_.c_str(), logger_.c_str(), &shellResult), 1);
  EXPECT_GT(shellResult, 32);
  EXPECT_NE(waitForLog(log_).find("launch_logger.exe"), std::string::npos);
  EXPECT_TRUE(shortcutsIn(root_ + "\\Zephrion10_9267").empty());
}

TEST_F(LaunchingTest, ParametersTravelInAFreshShortcut) {
  int shellResult = 0;
  EXPECT_EQ(app::launchAppManagingUACElevation("\"System=C:\\p\" --python36", root_.c_str(), logger_.c_str(),
                                               &shellResult),
            1);
  EXPECT_GT(shellResult, 32);
  EXPECT_NE(waitForLog(log_).find("\"System=C:\\p\" --python36"), std::string::npos) << readFile(log_);
  const auto shortcuts = shortcutsIn(root_ + "\\Zephrion10_9267");
  ASSERT_EQ(shortcuts.size(), 1u);
  // "hn" + year..millisecond (17 digits) + "tmp.lnk"
  EXPECT_EQ(shortcuts[0].size(), 2u + 17u + 7u) << shortcuts[0];
}

TEST_F(LaunchingTest, OnWindowsXpTheFileIsOpenedDirectly) {
  // Wine gives a program another Windows version through its per-program
  // settings; the probe runs the helper under that version.
  const std::string probe = root_ + "\\launch_probe_xp.exe";
  ASSERT_TRUE(CopyFileA(testsupport::toWindowsPath(LAUNCH_PROBE_EXE).c_str(), probe.c_str(), FALSE));
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\launch_probe_xp.exe", 0, nullptr, 0,
                            KEY_SET_VALUE, nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegSetValueExA(key, "Version", 0, REG_SZ, reinterpret_cast<const BYTE*>("winxp"), 6);
  RegCloseKey(key);

  testsupport::ChildProcess child;
  ASSERT_TRUE(child.start(probe, "\"one two\" \"" + root_ + "\" \"" + logger_ + "\""));
  DWORD exitCode = 99;
  ASSERT_TRUE(child.waitForExit(30000, &exitCode));
  EXPECT_EQ(exitCode, 10u) << "expected: started, and pre-Vista";
  EXPECT_NE(waitForLog(log_).find("one two"), std::string::npos) << readFile(log_);
  EXPECT_TRUE(shortcutsIn(root_ + "\\Zephrion10_9267").empty()) << "no shortcut on XP";
  RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\launch_probe_xp.exe");
}

}  // namespace
