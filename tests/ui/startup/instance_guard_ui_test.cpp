// The instance guard as a user meets it: the real installer started twice,
// or next to programs named like sibling installers.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "app/folders.h"
#include "app/temp_folder.h"
#include "support/test_files.h"
#include "support/process.h"
#include "support/ui_automation.h"
#include "support/unix_side.h"

namespace {

using testsupport::readFile;
using testsupport::writeFile;

constexpr const char* kCaption = "Zephrion Vision Software XII 760 Installer";
// The wizard shows the title of its first page.
constexpr const char* kWizardCaption =
    "Zephrion Vision Software XII 760 Installer - Welcome to Zephrion Vision Software XII 760 System Management";
constexpr const char* kSameInstallerMessage =
    "Error: Another instance of the installer is already running. Unable to initiate the second instance.\n\n"
    "Please close all other instances of the installer application and try again.\n\n";
constexpr const char* kLumenixMessage =
    "Error: 'Zephrion Lumenix SDK Installer' is running. Unable to initiate 'Zephrion Vision Software Installer'."
    "\n\nPlease close all instances of 'Zephrion Lumenix SDK Installer' application and try again.\n\n";

// The guard waits four times five seconds.
constexpr DWORD kGuardMs = 20000;



// Starts the installer and waits for its wizard.
HWND startWizard(testsupport::ChildProcess& installer, const std::string& exe = ZEPHRION_INSTALLER_EXE) {
  if (!installer.start(exe)) return nullptr;
  return testsupport::waitForWindow(kWizardCaption, 30000, installer.pid());
}

void cancelWizard(testsupport::ChildProcess& installer, HWND wizard) {
  testsupport::clickControl(wizard, IDCANCEL);
  EXPECT_TRUE(installer.waitForExit(15000));
}

// Expects the guard's message box, answers it, and expects the program to end.
void expectRefusal(testsupport::ChildProcess& installer, const char* message) {
  HWND box = testsupport::waitForMessageBox(kCaption, kGuardMs + 15000, installer.pid());
  ASSERT_NE(box, nullptr) << "no message from the guard";
  EXPECT_EQ(testsupport::messageBoxText(box), message);
  testsupport::pressMessageBoxButton(box, IDOK);
  DWORD exitCode = 99;
  EXPECT_TRUE(installer.waitForExit(15000, &exitCode));
  EXPECT_EQ(testsupport::waitForWindow(kWizardCaption, 0, installer.pid()), nullptr) << "no wizard after a refusal";
}

TEST(InstanceGuardUi, ASecondCopyWaitsThenRefusesAndLeavesTheFirstCopysFilesAlone) {
  testsupport::ChildProcess first;
  HWND wizard = startWizard(first);
  ASSERT_NE(wizard, nullptr);
  // A file the running copy is working with.
  const std::string busy = app::tempSubFolderPath() + "\\x";
  ASSERT_TRUE(app::createFolderPath(busy.c_str()));
  writeFile(busy + "\\in-use.txt");

  testsupport::ChildProcess second;
  const ULONGLONG started = GetTickCount64();
  ASSERT_TRUE(second.start(ZEPHRION_INSTALLER_EXE));
  EXPECT_NE(testsupport::waitForWindow("Please wait...", 15000, second.pid()), nullptr);
  expectRefusal(second, kSameInstallerMessage);
  EXPECT_GE(GetTickCount64() - started, kGuardMs - 1000);
  EXPECT_TRUE(app::fileExists((busy + "\\in-use.txt").c_str())) << "the second start emptied the temporary folder";

  cancelWizard(first, wizard);

  // Started after the first has ended, it runs, and empties the folder.
  testsupport::ChildProcess third;
  HWND thirdWizard = startWizard(third);
  ASSERT_NE(thirdWizard, nullptr);
  EXPECT_TRUE(app::folderExists(app::tempSubFolderPath().c_str()));
  EXPECT_FALSE(app::folderExists(busy.c_str()));
  cancelWizard(third, thirdWizard);
}

TEST(InstanceGuardUi, ASecondCopyStartsWhenTheFirstEndsDuringTheWait) {
  testsupport::ChildProcess first;
  HWND wizard = startWizard(first);
  ASSERT_NE(wizard, nullptr);
  testsupport::ChildProcess second;
  ASSERT_TRUE(second.start(ZEPHRION_INSTALLER_EXE));
  ASSERT_NE(testsupport::waitForWindow("Please wait...", 15000, second.pid()), nullptr);
  cancelWizard(first, wizard);
  HWND secondWizard = testsupport::waitForWindow(kWizardCaption, kGuardMs, second.pid());
  ASSERT_NE(secondWizard, nullptr);
  cancelWizard(second, secondWizard);
}

class SiblingInstallerTest : public testing::Test {
 protected:
  void SetUp() override {
    unixRoot_ = testsupport::freshUnixSandbox("siblings");
    ASSERT_FALSE(unixRoot_.empty());
    root_ = testsupport::toWindowsPath(unixRoot_);
  }
  // Runs the stand-in under `name`.
  void startSibling(const std::string& name) {
    const std::string path = root_ + "\\" + name;
    ASSERT_TRUE(CopyFileA(testsupport::toWindowsPath(STARTUP_SLEEPER_EXE).c_str(), path.c_str(), FALSE));
    siblings_.push_back(std::make_unique<testsupport::ChildProcess>());
    ASSERT_TRUE(siblings_.back()->start(path));
  }
  std::string unixRoot_, root_;
  std::vector<std::unique_ptr<testsupport::ChildProcess>> siblings_;
};

TEST_F(SiblingInstallerTest, NamesThatAreNotSiblingInstallersDoNotBlock) {
  for (const char* name :
       {"xZephrionLumenixSDK_1_Installer_2.exe", "ZephrionLumenixSDK_1.exe", "zephrionlumenixsdk_1_installer_2.exe"}) {
    startSibling(name);
  }
  Sleep(500);
  testsupport::ChildProcess installer;
  HWND wizard = startWizard(installer);
  ASSERT_NE(wizard, nullptr);
  EXPECT_EQ(testsupport::waitForWindow("Please wait...", 0, installer.pid()), nullptr);
  cancelWizard(installer, wizard);
}

TEST_F(SiblingInstallerTest, ASiblingInstallerBlocksTheStart) {
  startSibling("ZephrionLumenixSDK_1_Installer_2.exe");
  Sleep(500);
  testsupport::ChildProcess installer;
  ASSERT_TRUE(installer.start(ZEPHRION_INSTALLER_EXE));
  expectRefusal(installer, kLumenixMessage);
}

class ExecutableFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    unixRoot_ = testsupport::freshUnixSandbox("exefolder");
    ASSERT_FALSE(unixRoot_.empty());
    root_ = testsupport::toWindowsPath(unixRoot_);
  }
  void TearDown() override { testsupport::setUnixFolderReadOnly(unixRoot_, false); }

  std::string installerIn(const std::string& folder) {
    const std::string exe = folder + "\\ZephrionVisionSoftware_12_0_0_760_Installer_200830.exe";
    EXPECT_TRUE(CopyFileA(testsupport::toWindowsPath(ZEPHRION_INSTALLER_EXE).c_str(), exe.c_str(), FALSE));
    return exe;
  }
  std::string unixRoot_, root_;
};

TEST_F(ExecutableFolderTest, AReadOnlyFolderStartsWithoutWriteAccess) {
  const std::string exe = installerIn(root_);
  ASSERT_TRUE(testsupport::setUnixFolderReadOnly(unixRoot_, true));
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string log = std::string(temp) + "ZephrionVisionSoftwareInstaller.log";
  const size_t logSizeBefore = readFile(log).size();

  testsupport::ChildProcess installer;
  HWND wizard = startWizard(installer, exe);
  ASSERT_NE(wizard, nullptr);
  EXPECT_NE(readFile(log).find("CZephrionLumenixSDKInstallerApp::CZephrionLumenixSDKInstallerApp - application "
                               "folder not writable\n",
                               logSizeBefore),
            std::string::npos);
  cancelWizard(installer, wizard);
}

TEST_F(ExecutableFolderTest, ALeftoverTestFileIsRemoved) {
  const std::string exe = installerIn(root_);
  writeFile(root_ + "\\testFile.txt");
  testsupport::ChildProcess installer;
  HWND wizard = startWizard(installer, exe);
  ASSERT_NE(wizard, nullptr);
  EXPECT_FALSE(app::fileExists((root_ + "\\testFile.txt").c_str()));
  cancelWizard(installer, wizard);
}

}  // namespace
