#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <thread>

#include "app/running_processes.h"
#include "platform/ui/common_controls.h"
#include "support/process.h"
#include "support/test_files.h"
#include "support/ui_automation.h"
#include "support/unix_side.h"
#include "wizard/controls/information_display_dlg.h"
#include "wizard/controls/opc_scout_install_please_wait.h"
#include "resource_ids.h"

namespace {

class OpcScoutWaitTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string unixRoot = testsupport::freshUnixSandbox("opc_wait");
    ASSERT_FALSE(unixRoot.empty());
    program_ = testsupport::toWindowsPath(unixRoot) + "\\OPCScoutSetup.exe";
    ASSERT_TRUE(CopyFileA(testsupport::toWindowsPath(SHORT_LIVED_PROGRAM_EXE).c_str(), program_.c_str(), FALSE));
  }
  void TearDown() override { DOpcScoutInstallPleaseWait::setLimitsForTests({}); }

  std::string program_;
};

TEST_F(OpcScoutWaitTest, ProcessesAreFoundByTheirFullPath) {
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  EXPECT_TRUE(app::isProcessRunning(self));
  EXPECT_FALSE(app::isProcessRunning(program_.c_str()));
  EXPECT_FALSE(app::isProcessRunning(nullptr));
}

TEST_F(OpcScoutWaitTest, EndsWhenTheWatchedProgramHasComeAndGone) {
  testsupport::ChildProcess program;
  std::thread starter([&] {
    Sleep(500);
    program.start(program_, "3000");
  });
  const ULONGLONG started = GetTickCount64();
  DOpcScoutInstallPleaseWait dialog(program_);
  EXPECT_EQ(dialog.doModal(), IDOK);
  const ULONGLONG elapsed = GetTickCount64() - started;
  starter.join();
  EXPECT_GE(elapsed, 3000u) << "ended before the program did";
  EXPECT_LE(elapsed, 9000u) << "kept waiting after the program ended";
}

TEST_F(OpcScoutWaitTest, GivesUpWhenTheProgramNeverStarts) {
  DOpcScoutInstallPleaseWait::Limits limits;
  limits.appearRounds = 10;  // a few rounds instead of two minutes
  DOpcScoutInstallPleaseWait::setLimitsForTests(limits);
  const ULONGLONG started = GetTickCount64();
  DOpcScoutInstallPleaseWait dialog(program_);
  EXPECT_EQ(dialog.doModal(), IDOK);
  EXPECT_LE(GetTickCount64() - started, 8000u);
}

TEST_F(OpcScoutWaitTest, ClosingTheWindowStopsTheWaitAtOnce) {
  std::thread closer([] {
    HWND window = testsupport::waitForWindow("Please wait...", 10000, GetCurrentProcessId());
    Sleep(300);
    if (window != nullptr) PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
  });
  const ULONGLONG started = GetTickCount64();
  DOpcScoutInstallPleaseWait dialog(program_);
  EXPECT_EQ(dialog.doModal(), IDCANCEL);
  closer.join();
  EXPECT_LE(GetTickCount64() - started, 5000u);
}

// Reads the window's text from another thread, then presses OK.
std::string showAndReadText(ui::Dialog& dialog, int textId) {
  std::string text;
  std::thread reader([&] {
    HWND window = nullptr;
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while ((window = dialog.hwnd()) == nullptr && GetTickCount64() < deadline) Sleep(20);
    Sleep(200);
    if (window == nullptr) return;
    text = testsupport::windowText(GetDlgItem(window, textId));
    testsupport::clickControl(window, IDOK);
  });
  dialog.doModal();
  reader.join();
  return text;
}

TEST(InformationDisplayTest, ShowsAnRtfFileAndStaysEmptyWithoutOne) {
  ui::loadRichEdit2();
  const std::string unixRoot = testsupport::freshUnixSandbox("information");
  ASSERT_FALSE(unixRoot.empty());
  const std::string file = testsupport::toWindowsPath(unixRoot) + "\\notes.rtf";
  testsupport::writeFile(file, "{\\rtf1\\ansi Toolbox notes {\\b in bold}.}");

  DInformationDisplayDlg shown("Vivid Sight", file);
  EXPECT_EQ(showAndReadText(shown, IDC_HELP_TEXT), "Toolbox notes in bold.");
  DInformationDisplayDlg empty("Vivid Sight", file + ".missing");
  EXPECT_EQ(showAndReadText(empty, IDC_HELP_TEXT), "");
}

}  // namespace
