// The pure parts of a download: the install command lines, the failure
// texts, the announced length, the download folder's file steps and the
// category list behind the selection dialog.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "app/folders.h"
#include "components/install_manager.h"
#include "sessions/download_categories.h"
#include "sessions/download_failure_text.h"
#include "sessions/download_paths.h"
#include "sessions/http_download.h"
#include "sessions/install_step.h"
#include "support/process.h"
#include "support/test_files.h"
#include "support/unix_side.h"

namespace {

using sessions::TransferResult;

TEST(InstallCommandTest, ProgramAndCommandLinePerKindOfRow) {
  struct Case {
    bool msi;
    const char* arguments;
    const char* program;
    const char* commandLine;
  };
  const Case cases[] = {
      // msiexec sees its own name first, so "/i" is not lost.
      {true, "", "C:\\windows\\system32\\msiexec.exe",
       "\"C:\\windows\\system32\\msiexec.exe\" /i \"C:\\data\\my pkg.msi\" /passive"},
      {true, "/passive ALLUSERS=1", "C:\\windows\\system32\\msiexec.exe",
       "\"C:\\windows\\system32\\msiexec.exe\" /i \"C:\\data\\my pkg.msi\" /passive ALLUSERS=1"},
      {false, " /q:a ", "C:\\data\\my pkg.msi", " /q:a "},
      {false, "CopyEXEFullPath", "C:\\data\\my pkg.msi", "C:\\data\\my pkg.msi"},
      {false, "", "C:\\data\\my pkg.msi", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.arguments);
    const auto command = sessions::installCommandFor(c.msi, c.arguments, "C:\\data\\my pkg.msi", "C:\\windows\\system32");
    EXPECT_EQ(command.program, c.program);
    EXPECT_EQ(command.commandLine, c.commandLine);
  }
}

TEST(DownloadFailureTextTest, ReasonPerFailure) {
  struct Case {
    TransferResult::Kind kind;
    int code;
    const char* text;
  };
  const Case cases[] = {
      {TransferResult::Kind::ServerError, 404, "Error. Unable to download file - Server responded with HTTP error - 404"},
      {TransferResult::Kind::ServerError, -1001, "Error. Unable to download file - Error - Invalid URL"},
      {TransferResult::Kind::ServerError, -1002,
       "Error. Unable to download file - Error - Server does not provide HTTP service"},
      {TransferResult::Kind::ServerError, -1003, "Error. Unable to download file - Error - Login rejected by the server"},
      {TransferResult::Kind::ServerError, -1004, "Error. Unable to download file - Error - Server Redirection"},
      {TransferResult::Kind::ServerError, -1005, "Error. Unable to download file - Error - Insufficient buffers"},
      {TransferResult::Kind::ServerError, -1006, "Error. Unable to download file - Unexpected error"},
      {TransferResult::Kind::Unexpected, 0, "Error. Unable to download file - Unexpected error"},
  };
  for (const Case& c : cases) {
    TransferResult failure;
    failure.kind = c.kind;
    failure.code = c.code;
    EXPECT_EQ(sessions::downloadFailureText(failure), c.text) << c.code;
  }
}

TEST(ContentLengthTest, SixtyFourBitsAndNothingForGarbage) {
  EXPECT_EQ(sessions::parseContentLength("3000000000"), 3000000000ull);
  EXPECT_EQ(sessions::parseContentLength("1536"), 1536u);
  EXPECT_EQ(sessions::parseContentLength(""), 0u);
  EXPECT_EQ(sessions::parseContentLength("-5"), 0u);
  EXPECT_EQ(sessions::parseContentLength("12abc"), 0u);
  EXPECT_EQ(sessions::parseContentLength(nullptr), 0u);
}

class DownloadFolderTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string unix = testsupport::freshUnixSandbox("download_folder");
    ASSERT_FALSE(unix.empty());
    paths_ = sessions::downloadPathsFor(testsupport::toWindowsPath(unix), "setup.exe");
  }
  sessions::DownloadPaths paths_;
};

TEST_F(DownloadFolderTest, MoveReplacingNeedsASourceAndReplacesAReadOnlyTarget) {
  EXPECT_FALSE(sessions::moveReplacing(paths_.finalPath, paths_.tempPath));
  testsupport::writeFile(paths_.finalPath, "old");
  SetFileAttributesA(paths_.finalPath.c_str(), FILE_ATTRIBUTE_READONLY);
  testsupport::writeFile(paths_.tempPath, "new");
  EXPECT_TRUE(sessions::moveReplacing(paths_.finalPath, paths_.tempPath));
  EXPECT_EQ(testsupport::readFile(paths_.finalPath), "new");
  EXPECT_FALSE(app::pathExists(paths_.tempPath));
}

TEST_F(DownloadFolderTest, RestoreBringsTheBackupBackOnlyWhenNothingNewArrived) {
  testsupport::writeFile(paths_.backupPath, "earlier");
  sessions::restoreBackup(paths_);
  EXPECT_EQ(testsupport::readFile(paths_.finalPath), "earlier");
  EXPECT_FALSE(app::pathExists(paths_.backupPath));

  testsupport::writeFile(paths_.backupPath, "earlier");
  SetFileAttributesA(paths_.backupPath.c_str(), FILE_ATTRIBUTE_READONLY);
  testsupport::writeFile(paths_.finalPath, "fresh");
  sessions::restoreBackup(paths_);
  EXPECT_EQ(testsupport::readFile(paths_.finalPath), "fresh");
  EXPECT_FALSE(app::pathExists(paths_.backupPath));
}

TEST_F(DownloadFolderTest, DeleteDownloadedFilesRemovesBothAndClearsReadOnly) {
  EXPECT_TRUE(sessions::deleteDownloadedFiles(paths_)) << "nothing there counts as deleted";
  testsupport::writeFile(paths_.finalPath, "x");
  testsupport::writeFile(paths_.tempPath, "y");
  SetFileAttributesA(paths_.finalPath.c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(sessions::deleteDownloadedFiles(paths_));
  EXPECT_FALSE(app::pathExists(paths_.finalPath));
  EXPECT_FALSE(app::pathExists(paths_.tempPath));
}

DownloadComponent componentNamed(const std::string& name, int row) {
  DownloadComponent component;
  component.used = 1;
  component.rowIndex = row;
  component.selected = 1;
  component.name = name;
  return component;
}

TEST(DownloadCategoryListTest, KeepsSixtyFourPerCategoryAndGroupsIgnoringCase) {
  DownloadCategoryList list;
  for (int i = 0; i < 65; ++i) {
    EXPECT_EQ(list.addComponent("Drivers", componentNamed("driver " + std::to_string(i), i)), i < 64) << i;
  }
  EXPECT_TRUE(list.addComponent("RUNTIMES", componentNamed("first", 65)));
  EXPECT_TRUE(list.addComponent("runtimes", componentNamed("second", 66)));
  ASSERT_EQ(list.categories().size(), 2u);
  EXPECT_EQ(list.categories()[0].components.size(), 64u);
  EXPECT_EQ(list.categories()[0].components.back().name, "driver 63");
  EXPECT_EQ(list.categories()[1].name, "RUNTIMES");
  EXPECT_EQ(list.categories()[1].components.size(), 2u);
  EXPECT_EQ(list.findCategory("Runtimes"), &list.categories()[1]);
  EXPECT_EQ(list.findCategory("Utilities"), nullptr);
}

TEST(DownloadCategoryListTest, NoMoreThanSixtyFourCategories) {
  DownloadCategoryList list;
  for (int i = 0; i < 64; ++i) EXPECT_TRUE(list.addComponent("group " + std::to_string(i), componentNamed("c", i)));
  EXPECT_FALSE(list.addComponent("group 64", componentNamed("c", 64)));
  EXPECT_EQ(list.categories().size(), 64u);
}

// The manager's services are never reached by fillFromManager.
struct UnusedOperations : components::ComponentOperations {
  bool detectComponent(const components::ComponentRow&) override { return false; }
  bool verifyComponent(components::ComponentRow&) override { return false; }
  bool runInstallRecipe(components::ComponentRow&, bool) override { return false; }
  bool runPostInstallActions(components::ComponentRow&) override { return false; }
  int runRepairStep(components::ComponentRow&, bool) override { return -1; }
  bool runUninstallRecipe(const components::ComponentRow&, bool) override { return false; }
};
struct UnusedSessions : components::InstallSessions {
  components::DownloadSessionResult downloadAndInstall(const components::ComponentRow&,
                                                       const components::DownloadSessionOptions&) override {
    return {};
  }
  int uninstall(const components::ComponentRow&, int, int, bool) override { return IDCANCEL; }
  bool deleteDownloadedFiles(const components::ComponentRow&) override { return false; }
  components::DownloadErrorChoice askAfterDownloadError(const std::string&, HWND) override {
    return components::DownloadErrorChoice::Abort;
  }
};
struct UnusedProbes : components::version_listing::InstalledBuildProbes {
  bool uninstallDisplayNameEquals(std::string_view, std::string_view) override { return false; }
  std::string python27PackageVersion(std::string_view) override { return {}; }
  bool runtimeFolderExists(std::string_view) override { return false; }
  bool msiProductVersionIs(std::string_view, std::string_view) override { return false; }
  bool describePython36Builds(components::version_listing::Python36Family, std::string&) override { return false; }
};

TEST(DownloadCategoryListTest, FillFromManagerGroupsRowsInRowOrder) {
  UnusedOperations operations;
  UnusedSessions sessions;
  UnusedProbes probes;
  components::hnInstallManagerBase manager(operations, sessions, probes);
  std::vector<components::ComponentRow> rows;
  const std::pair<const char*, const char*> table[] = {
      {"VC 2010", "Runtimes"}, {"Pylon 6", "Camera Drivers"}, {"VC 2017", "runtimes"}, {"Speccy", "Utilities"}};
  for (const auto& [name, group] : table) {
    rows.emplace_back(name, "http://x/" + std::string(name), "f.exe", "", "C:\\d", false, 0, false,
                      components::RowCells{}, group);
  }
  manager.setRows(rows);
  DownloadCategoryList list;
  list.addComponent("stale", componentNamed("gone", 9));
  list.fillFromManager(manager);
  ASSERT_EQ(list.categories().size(), 3u);
  EXPECT_EQ(list.categories()[0].name, "Runtimes");
  ASSERT_EQ(list.categories()[0].components.size(), 2u);
  const DownloadComponent& second = list.categories()[0].components[1];
  EXPECT_EQ(second.name, "VC 2017");
  EXPECT_EQ(second.rowIndex, 2);
  EXPECT_EQ(second.used, 1);
  EXPECT_EQ(second.selected, 1);
  EXPECT_EQ(list.categories()[1].name, "Camera Drivers");
  EXPECT_EQ(list.categories()[2].components[0].rowIndex, 3);
}

}  // namespace
