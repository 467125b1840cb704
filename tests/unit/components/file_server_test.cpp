#include "components/file_server.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "components/catalog.h"
#include "components/help_files.h"
#include "server_address_guard.h"

namespace {

namespace fs = components::file_server;
using components::CatalogEntry;
using components::ComponentRow;

struct FolderCase {
  fs::ServerFolder folder;
  const char* path;
};

TEST(FileServerTest, EveryFolderFamilyHasItsPath) {
  const FolderCase cases[] = {
      {fs::suiteRepositoryFolder(), "/zephrion/files/InstallerRepositories/Zephrion12.0/760/ZephrionVisionSoftware/"},
      {fs::helpFilesFolder(), "/zephrion/files/InstallerRepositories/Zephrion12.0/760/ZephrionVisionSoftware/HelpFiles/"},
      {fs::pythonPackageListsFolder(), "/zephrion/files/InstallerRepositories/Zephrion12.0/760/PythonPackages/"},
      {fs::thirdPartyFolder("Basler"), "/zephrion/files/InstallerDownloads/_Installers3rdParty/Basler/"},
      {fs::thirdPartyFolder("SonyZCL/2.12.2"), "/zephrion/files/InstallerDownloads/_Installers3rdParty/SonyZCL/2.12.2/"},
      {fs::py27PackageFolder("numpy"), "/zephrion/files/InstallerDownloads/_Modules/Py27/numpy/"},
      {fs::py36PackageFolder("OpenCV"), "/zephrion/files/InstallerDownloads/_Modules/Py36/OpenCV/"},
      {fs::suiteModuleFolder("IPP"), "/zephrion/files/InstallerDownloads/_Modules/IPP/"},
      {fs::suiteModuleFolder("SMARTcard"), "/zephrion/files/InstallerDownloads/_Modules/SMARTcard/"},
      {fs::vividSightFolder("1.0.0.333"), "/zephrion/files/InstallerDownloads/ZeprionTemplateToolboxes/VividSight/1.0.0.333/"},
      {fs::vividSightPy36Folder("1.0.0.1114_Py36"),
       "/zephrion/files/InstallerDownloads/ZeprionTemplateToolboxes/VividSightPy36/1.0.0.1114_Py36/"},
      {fs::suiteDownloadsFolder(), "/zephrion/files/InstallerDownloads/Zephrion12.0/760/"},
      {fs::prerequisitesFolder(), "/zephrion/files/ZephrionPreRequisites/"},
      {fs::productDownloadsFolder("ZephrionWatchdog"), "/zephrion/files/InstallerDownloads/ZephrionWatchdog/"},
      {fs::outsideFilesFolder("RTSupervisor"), "/zephrion/RTSupervisor/"},
  };
  for (const FolderCase& c : cases) {
    EXPECT_EQ(fs::folderPath(c.folder), c.path);
  }
  EXPECT_EQ(fs::filePath(fs::suiteRepositoryFolder(), "760UpgradeInfo.ini.txt"),
            "/zephrion/files/InstallerRepositories/Zephrion12.0/760/ZephrionVisionSoftware/760UpgradeInfo.ini.txt");
}

TEST(FileServerTest, BaseAddressIsTheDefaultUnlessTheVariableSaysOtherwise) {
  {
    ServerAddressGuard server(std::nullopt);
    EXPECT_EQ(fs::baseAddress(), "http://files.zephrion.example");
    EXPECT_EQ(fs::fileAddress(fs::prerequisitesFolder(), "dotnetfx_2.0.50727.42.exe"),
              "http://files.zephrion.example/zephrion/files/ZephrionPreRequisites/dotnetfx_2.0.50727.42.exe");
  }
  {
    ServerAddressGuard server(std::string("http://127.0.0.1:8080"));
    EXPECT_EQ(fs::baseAddress(), "http://127.0.0.1:8080");
  }
  {
    ServerAddressGuard server(std::string("http://127.0.0.1:8080/"));
    EXPECT_EQ(fs::baseAddress(), "http://127.0.0.1:8080");
  }
  {
    ServerAddressGuard server(std::string(""));
    EXPECT_EQ(fs::baseAddress(), "http://files.zephrion.example");
  }
  {
    // Longer than any fixed buffer a caller might have guessed.
    const std::string longHost = "http://" + std::string(600, 'h') + ".example:81";
    ServerAddressGuard server(longHost);
    EXPECT_EQ(fs::baseAddress(), longHost);
  }
}

TEST(FileServerTest, ServerPathOfRemovesTheBaseInUse) {
  ServerAddressGuard server(std::string("http://127.0.0.1:9000"));
  EXPECT_EQ(fs::serverPathOf("http://127.0.0.1:9000/zephrion/files/x.exe"), "/zephrion/files/x.exe");
  EXPECT_EQ(fs::serverPathOf("http://files.zephrion.example/zephrion/files/x.exe"), "");
}

std::vector<ComponentRow> allRows() {
  std::vector<ComponentRow> rows;
  for (const auto& group : components::catalog::groups()) {
    for (const CatalogEntry& entry : group.entries) {
      rows.push_back(components::catalog::makeRow(entry, "C:\\inst"));
    }
  }
  for (const CatalogEntry& entry : components::help_files::helpFileEntries()) {
    rows.push_back(components::catalog::makeRow(entry, "C:\\inst"));
  }
  return rows;
}

TEST(FileServerTest, OverrideChangesEveryAddressAndNothingElse) {
  std::vector<ComponentRow> builtIn;
  {
    ServerAddressGuard server(std::nullopt);
    builtIn = allRows();
  }
  std::vector<ComponentRow> local;
  {
    ServerAddressGuard server(std::string("http://127.0.0.1:8080"));
    local = allRows();
  }
  ASSERT_EQ(builtIn.size(), local.size());
  ASSERT_FALSE(builtIn.empty());
  const std::string defaultBase = "http://files.zephrion.example";
  for (size_t i = 0; i < builtIn.size(); ++i) {
    const ComponentRow& a = builtIn[i];
    const ComponentRow& b = local[i];
    SCOPED_TRACE(a.getName());
    ASSERT_EQ(a.getDownloadUrl().rfind(defaultBase, 0), 0u);
    EXPECT_EQ(b.getDownloadUrl(), "http://127.0.0.1:8080" + a.getDownloadUrl().substr(defaultBase.size()));
    EXPECT_EQ(b.getName(), a.getName());
    EXPECT_EQ(b.getFileName(), a.getFileName());
    EXPECT_EQ(b.getInstallArguments(), a.getInstallArguments());
    EXPECT_EQ(b.getDownloadFolder(), a.getDownloadFolder());
    EXPECT_EQ(b.isMsiPackage(), a.isMsiPackage());
    EXPECT_EQ(b.sizeHint(), a.sizeHint());
    EXPECT_EQ(b.refreshOnDownload(), a.refreshOnDownload());
    EXPECT_EQ(b.getGroup(), a.getGroup());
    EXPECT_EQ(b.getMessage(), a.getMessage());
  }
}

}  // namespace
