// The uninstaller stub in its legacy-package form: it asks "Please confirm",
// removes only on Yes, and then shows "Uninstall Finished!" until closed,
// which is what the installer's uninstall runner answers by window title.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "e2e/world_helpers.h"
#include "support/process.h"
#include "support/ui_automation.h"

namespace {

const char kKey[] = "Software\\ZephrionTestWorld\\UninstallDialogs";

// The uninstaller stub carrying `manifest`, laid out as the world generator does.
std::string uninstallerWith(const std::string& manifest, const std::string& folder) {
  std::string exe;
  {
    HANDLE file = CreateFileA(world::worldPath("stubs/uninstaller_stub.exe").c_str(), GENERIC_READ, FILE_SHARE_READ,
                              nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, file);
    const DWORD size = GetFileSize(file, nullptr);
    exe.resize(size);
    DWORD read = 0;
    ReadFile(file, exe.data(), size, &read, nullptr);
    CloseHandle(file);
  }
  const unsigned long long offset = exe.size();
  exe += "ZWPAYLOAD1\nmanifest\n" + std::to_string(manifest.size()) + "\n" + manifest;
  for (int i = 0; i < 8; ++i) exe.push_back(static_cast<char>((offset >> (8 * i)) & 0xff));
  exe += "ZWTRAIL1";
  const std::string path = folder + "\\Removepackage.exe";
  HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(out, exe.data(), static_cast<DWORD>(exe.size()), &written, nullptr);
  CloseHandle(out);
  return path;
}

class UninstallerDialogsTest : public testing::Test {
 protected:
  void SetUp() override {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
    RegSetValueExA(key, "DisplayName", 0, REG_SZ, reinterpret_cast<const BYTE*>("x"), 2);
    RegCloseKey(key);
    const std::string folder = world::scratchFolder("uninstaller-dialogs");
    uninstaller_ = uninstallerWith(
        "uninstall-dialogs\tconfirm\nreg\tHKCU\t" + std::string(kKey) + "\tDisplayName\tsz\tx\n", folder);
  }
  void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\ZephrionTestWorld"); }

  std::string uninstaller_;
};

TEST_F(UninstallerDialogsTest, RemovesOnYesAndWaitsToBeClosed) {
  testsupport::ChildProcess child;
  ASSERT_TRUE(child.start(uninstaller_, "-u \"C:\\Python27\\package-wininst.log\""));
  HWND confirm = testsupport::waitForWindow("Please confirm", 10000, child.pid());
  ASSERT_NE(nullptr, confirm);
  PostMessageA(confirm, WM_COMMAND, IDYES, 0);
  HWND finished = testsupport::waitForWindow("Uninstall Finished!", 10000, child.pid());
  ASSERT_NE(nullptr, finished);
  EXPECT_FALSE(world::registryKeyExists(HKEY_CURRENT_USER, kKey));
  EXPECT_FALSE(child.waitForExit(300)) << "ended before \"Uninstall Finished!\" was closed";
  PostMessageA(finished, WM_CLOSE, 0, 0);
  EXPECT_TRUE(child.waitForExit(10000));
}

TEST_F(UninstallerDialogsTest, KeepsEverythingOnNo) {
  testsupport::ChildProcess child;
  ASSERT_TRUE(child.start(uninstaller_, "-u"));
  HWND confirm = testsupport::waitForWindow("Please confirm", 10000, child.pid());
  ASSERT_NE(nullptr, confirm);
  PostMessageA(confirm, WM_COMMAND, IDNO, 0);
  DWORD exitCode = 0;
  ASSERT_TRUE(child.waitForExit(10000, &exitCode));
  EXPECT_NE(0u, exitCode);
  EXPECT_TRUE(world::registryKeyExists(HKEY_CURRENT_USER, kKey));
}

}  // namespace
