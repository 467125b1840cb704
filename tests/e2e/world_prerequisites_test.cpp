// The prerequisites of the test world, installed the way the installer's
// download session runs them (the catalog's arguments as the whole command
// line), read back with the calls the detection uses, and removed again the
// way the uninstall runners do.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "e2e/world_helpers.h"

namespace {

const char kUninstallRoot[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\";

// The served setup copied into a scratch folder, as the download session
// leaves it in the data folder before starting it.
std::string downloadedCopy(const std::string& urlPath, const std::string& folderName) {
  const std::string folder = world::scratchFolder(folderName);
  const std::string target = folder + "\\" + urlPath.substr(urlPath.rfind('/') + 1);
  EXPECT_TRUE(CopyFileA(world::servedFile(urlPath).c_str(), target.c_str(), FALSE)) << urlPath;
  return target;
}

void expectRegistryWritesPresent(const std::string& table, const std::string& setupPath) {
  const auto writes = world::manifestRegistryWrites(table, setupPath);
  ASSERT_FALSE(writes.empty()) << table;
  for (const world::RegistryWrite& write : writes) {
    if (write.type == "dword") {
      DWORD value = 0;
      ASSERT_TRUE(world::readRegistryDword(write.hive, write.key, write.name, value)) << write.key << " " << write.name;
      EXPECT_EQ(std::stoul(write.value, nullptr, 0), value) << write.key << " " << write.name;
    } else {
      std::string value;
      ASSERT_TRUE(world::readRegistryText(write.hive, write.key, write.name, value)) << write.key << " " << write.name;
      EXPECT_EQ(write.value, value) << write.key << " " << write.name;
    }
  }
}

struct KeyedPrerequisite {
  const char* table;
  const char* urlPath;
  const char* uninstallKey;
  const char* displayName;
};

class KeyedPrerequisiteTest : public testing::TestWithParam<KeyedPrerequisite> {};

TEST_P(KeyedPrerequisiteTest, SetupWritesItsUninstallEntryAndItsUninstallerRemovesIt) {
  const KeyedPrerequisite& row = GetParam();
  const std::string setup = downloadedCopy(row.urlPath, row.table);
  const world::RunResult installed = world::run(setup, " /q:a ");
  ASSERT_TRUE(installed.started && installed.ended);
  EXPECT_EQ(0u, installed.exitCode);

  const std::string key = std::string(kUninstallRoot) + row.uninstallKey;
  std::string displayName;
  ASSERT_TRUE(world::readRegistryText(HKEY_LOCAL_MACHINE, key, "DisplayName", displayName));
  EXPECT_EQ(row.displayName, displayName);
  expectRegistryWritesPresent(row.table, setup);

  // The quoted-uninstall runner: program between the quotes, arguments only.
  std::string uninstallString, program, arguments;
  ASSERT_TRUE(world::readRegistryText(HKEY_LOCAL_MACHINE, key, "UninstallString", uninstallString));
  ASSERT_TRUE(world::splitQuotedCommand(uninstallString, program, arguments)) << uninstallString;
  ASSERT_TRUE(world::fileExists(program)) << program;
  const world::RunResult removed = world::run(program, arguments);
  ASSERT_TRUE(removed.started && removed.ended);
  EXPECT_FALSE(world::registryKeyExists(HKEY_LOCAL_MACHINE, key));

  bool setupLogged = false, uninstallerLogged = false;
  for (const std::string& line : world::stubLogLines()) {
    setupLogged = setupLogged || line == setup.substr(setup.rfind('\\') + 1) + "| /q:a ";
    uninstallerLogged = uninstallerLogged || line == "VC_redist.x86.exe|" + arguments;
  }
  EXPECT_TRUE(setupLogged) << "the setup's command line is not in " << world::stubLogPath();
  EXPECT_TRUE(uninstallerLogged) << "the uninstaller's command line is not in " << world::stubLogPath();
}

INSTANTIATE_TEST_SUITE_P(
    World, KeyedPrerequisiteTest,
    testing::Values(
        KeyedPrerequisite{"vc2017",
                          "/zephrion/files/InstallerDownloads/_Installers3rdParty/Microsoft/"
                          "vc2017_14.15.26706_redist_x86.exe",
                          "{7e9fae12-5bbf-47fb-b944-09c49e75c061}",
                          "Microsoft Visual C++ 2017 Redistributable (x86) - 14.15.26706"},
        KeyedPrerequisite{"vc2015_2019",
                          "/zephrion/files/InstallerDownloads/_Installers3rdParty/Microsoft/"
                          "VC_14.26.28720.3_redist_x86.exe",
                          "{86380aef-fd23-4fc3-8723-a98ccad8f2c6}",
                          "Microsoft Visual C++ 2015-2019 Redistributable (x86) - 14.26.28720"}),
    [](const testing::TestParamInfo<KeyedPrerequisite>& info) { return std::string(info.param.table); });

struct MsiPrerequisite {
  const char* table;
  const char* urlPath;
  const char* productCode;
  const char* version;
};

class MsiPrerequisiteTest : public testing::TestWithParam<MsiPrerequisite> {};

TEST_P(MsiPrerequisiteTest, SetupRegistersTheProductTheDetectionAsksFor) {
  const MsiPrerequisite& row = GetParam();
  std::string version;
  ASSERT_FALSE(world::msiProductProperty(row.productCode, "VersionString", version)) << "left over from a run";
  const std::string setup = downloadedCopy(row.urlPath, row.table);
  const world::RunResult installed = world::run(setup, " /q:a ");
  ASSERT_TRUE(installed.started && installed.ended);
  EXPECT_EQ(0u, installed.exitCode);

  EXPECT_TRUE(world::msiProductProperty(row.productCode, "VersionString", version));
  EXPECT_EQ(row.version, version);

  // The installer removes these by product code.
  EXPECT_EQ(0u, world::removeMsiProduct(row.productCode));
  EXPECT_FALSE(world::msiProductProperty(row.productCode, "VersionString", version));
  EXPECT_EQ(static_cast<UINT>(ERROR_UNKNOWN_PRODUCT), world::removeMsiProduct(row.productCode));
}

INSTANTIATE_TEST_SUITE_P(
    World, MsiPrerequisiteTest,
    testing::Values(MsiPrerequisite{"vc2005", "/zephrion/files/ZephrionPreRequisites/vc2005sp1 - redist_x86.exe",
                                    "{7299052B-02A4-4627-81F2-1818DA5D550D}", "8.0.61001"},
                    MsiPrerequisite{"vc2010",
                                    "/zephrion/files/InstallerDownloads/_Installers3rdParty/Microsoft/"
                                    "vc2010sp1 - redist_x86.exe",
                                    "{F0C3E5D1-1ADE-321E-8167-68EF0DE699A5}", "10.0.40219"}),
    [](const testing::TestParamInfo<MsiPrerequisite>& info) { return std::string(info.param.table); });

TEST(WorldDotNet, SetupWritesTheNdpInstallValue) {
  const char key[] = "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v2.0.50727";
  const std::string setup = downloadedCopy("/zephrion/files/ZephrionPreRequisites/dotnetfx_2.0.50727.42.exe", "net");
  const world::RunResult installed = world::run(setup, " ");
  ASSERT_TRUE(installed.started && installed.ended);
  DWORD install = 0;
  EXPECT_TRUE(world::readRegistryDword(HKEY_LOCAL_MACHINE, key, "Install", install));
  EXPECT_EQ(1u, install);
  expectRegistryWritesPresent("dotnet20", setup);
  RegDeleteTreeA(HKEY_LOCAL_MACHINE, key);
}

TEST(WorldSetupStub, ExitsWithAnErrorWithoutItsManifest) {
  // The bare stub (no payload) must not pretend to have installed anything.
  const world::RunResult result = world::run(world::worldPath("stubs/setup_stub.exe"), " /q:a ");
  ASSERT_TRUE(result.started && result.ended);
  EXPECT_EQ(2u, result.exitCode);
}

}  // namespace
