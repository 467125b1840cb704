#include <gtest/gtest.h>

#include "support/process.h"
#include "support/ui_automation.h"

namespace {

// The wizard shows the title of its first page.
constexpr const char* kCaption =
    "Zephrion Vision Software XII 760 Installer - Welcome to Zephrion Vision Software XII 760 System Management";

TEST(Startup, WizardShowsItsCaptionAndCancelEndsTheProgramWithZero) {
  testsupport::ChildProcess installer;
  ASSERT_TRUE(installer.start(ZEPHRION_INSTALLER_EXE)) << "could not start " << ZEPHRION_INSTALLER_EXE;

  HWND wizard = testsupport::waitForWindow(kCaption, 30000, installer.pid());
  ASSERT_NE(wizard, nullptr) << "no wizard window captioned \"" << kCaption << "\"";

  ASSERT_TRUE(testsupport::clickControl(wizard, IDCANCEL));
  DWORD exitCode = 1234;
  ASSERT_TRUE(installer.waitForExit(15000, &exitCode)) << "the installer did not end after Cancel";
  EXPECT_EQ(exitCode, 0u);
}

}  // namespace
