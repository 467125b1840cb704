// An MSI row's install step: the Windows Installer of the system folder gets
// "/i", the quoted package path and "/passive" (the row has no arguments),
// and the product is installed when the session ends. Installs and removes a
// product of the test world, so it takes the machine lock.
#include <gtest/gtest.h>

#include <windows.h>
#include <msi.h>

#include <string>

#include "sessions/download_and_install_dlg.h"
#include "support/process.h"
#include "ui/sessions/session_world.h"

namespace {

// The test world's SDK package (see testworld/world/components/lumenix_sdk.tsv).
constexpr const char* kProductCode = "{609C8C4C-0BB6-42C8-9EF4-E42DCB05CA97}";

TEST(SessionMsiTest, MsiRowWithoutArgumentsIsInstalledPassively) {
  if (MsiQueryProductStateA(kProductCode) == INSTALLSTATE_DEFAULT) GTEST_SKIP() << "the product is installed already";
  sessiontest::ServedFolder served("msi_row");
  ASSERT_TRUE(served.ok());
  const std::string url =
      served.serveCopyOf("sdk package.msi", testsupport::toWindowsPath(std::string(SESSION_WORLD_DIR) + "/msi/lumenix_sdk.msi"));
  const auto row = sessiontest::makeRow(url, "sdk package.msi", served.downloadFolder(), "", true);
  INT_PTR result = -1;
  {
    DDownloadAndInstallComponent session(1, 1, row, /*downloadOnly=*/false, false, /*interactive=*/false);
    result = session.doModal(nullptr);
  }
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(MsiQueryProductStateA(kProductCode), INSTALLSTATE_DEFAULT);

  MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
  MsiConfigureProductA(kProductCode, INSTALLLEVEL_DEFAULT, INSTALLSTATE_ABSENT);
  EXPECT_NE(MsiQueryProductStateA(kProductCode), INSTALLSTATE_DEFAULT);
}

}  // namespace
