// Catalog tables: Prerequisites, the suite's core, the SDK installer and the suite modules.
// Install arguments are kept exactly as the setup programs expect them,
// blanks included.

#include "components/catalog_tables.h"
#include "components/component_names.h"
#include "components/install_data_folders.h"

namespace components::catalog_tables {

namespace subfolder = install_data::subfolder;
using namespace file_server;

namespace {

// Server folders used by more than one row.
constexpr ServerFolder kPrerequisitesFolder = prerequisitesFolder();
constexpr ServerFolder kMicrosoftFolder = thirdPartyFolder("Microsoft");
constexpr ServerFolder kPy27Python27Folder = py27PackageFolder("Python27");
constexpr ServerFolder kSuiteDownloadsFolder = suiteDownloadsFolder();
constexpr ServerFolder kSmartCardFolder = suiteModuleFolder("SMARTcard");

}  // namespace

// Group "Prerequisites".
std::span<const CatalogTableRow> prerequisitesTable() {
  static constexpr CatalogTableRow kRows[] = {
    {names::kMsVcpp2005Sp1Redist, kPrerequisitesFolder, "vc2005sp1 - redist_x86.exe", " /q:a ", kNotMsi, subfolder::kPrerequisites, kRunsFile},
    {names::kMsVcpp2008Sp1Redist, kPrerequisitesFolder, "vc2008sp1 - redist_x86.exe", " /q:a ", kNotMsi, subfolder::kPrerequisites, kRunsFile},
    {names::kMsVcpp2010Sp1Redist, kMicrosoftFolder, "vc2010sp1 - redist_x86.exe", " /q:a ", kNotMsi, subfolder::kPrerequisites, kRunsFile},
    {names::kMicrosoftNet2_0_50727_42Redist, kPrerequisitesFolder, "dotnetfx_2.0.50727.42.exe", " ", kNotMsi, subfolder::kPrerequisites, kRunsFile},
    {names::kWindowsInstaller3_1, kPrerequisitesFolder, "WindowsInstaller-KB893803-v2-x86.exe", " ", kNotMsi, subfolder::kPrerequisites, kRunsFile},
    {names::kMsVcpp2017Redist14_15_26706, kMicrosoftFolder, "vc2017_14.15.26706_redist_x86.exe", " /q:a ", kNotMsi, subfolder::kPrerequisites, kRunsFile},
    {names::kMsVcpp2015_2019RedistX86_14_26_28720, kMicrosoftFolder, "VC_14.26.28720.3_redist_x86.exe", " /q:a ", kNotMsi, subfolder::kPrerequisites, kRunsFile},
    {names::kPython2_7_9, kPy27Python27Folder, "python-2.7.9.msi", "/passive ALLUSERS=1", kMsi, subfolder::kPy27Python2D, kRunsFile},
    {names::kPython2_7_13, kPy27Python27Folder, "python-2.7.13.msi", "/passive ALLUSERS=1", kMsi, subfolder::kPy27Python2D, kRunsFile},
    {names::kPython3_6_6, py36PackageFolder("Python36"), "python-3.6.6.exe", "/passive InstallAllUsers=1", kNotMsi, subfolder::kPy36Python2D, kRunsFile},
  };
  return kRows;
}

// Group "Core Components".
std::span<const CatalogTableRow> coreComponentsTable() {
  static constexpr CatalogTableRow kRows[] = {
    {names::kZephrionVersionXii12_0_0_760Runtime, kSuiteDownloadsFolder, "ZephrionRuntime_12_0_0_760_ReDist_200830.exe", " ", kNotMsi, subfolder::kZephrionRuntime, kRunsFile},
    {names::kZephrionVisionSoftwareVersionXii12_0_0_760, kSuiteDownloadsFolder, "ZephrionVisionSoftware_12_0_0_760_200830.exe", " ", kNotMsi, subfolder::kZephrionVisionSoftware, kRunsFile},
    {names::kZephrionLumenixVersionXii12_0_0_760Sdk, kSuiteDownloadsFolder, "ZephrionLumenixSDK_12_0_0_760_200830.exe", " ", kNotMsi, subfolder::kZephrionLumenixSdk, kRunsFile},
  };
  return kRows;
}

// Group "Zephrion Lumenix SDK Installer".
std::span<const CatalogTableRow> lumenixSdkInstallerTable() {
  static constexpr CatalogTableRow kRows[] = {
    {names::kZephrionLumenixSdkXii760Installer, suiteDownloadsFolder(), "ZephrionLumenixSDK_12_0_0_760_Installer_200830.exe", " ", kNotMsi, subfolder::kLumenixSdkInstaller, kRecipe},
  };
  return kRows;
}

// Group "Optional Zephrion Modules".
std::span<const CatalogTableRow> optionalModulesTable() {
  static constexpr CatalogTableRow kRows[] = {
    {names::kZephrion2018_0_0_992Ipp, suiteModuleFolder("IPP"), "Zephrion_2018.0.0.992_IPP.zip", "", kNotMsi, subfolder::kModules, kRecipe},
  };
  return kRows;
}

// Group "Optional Zephrion Modules 2".
std::span<const CatalogTableRow> optionalModules2Table() {
  static constexpr CatalogTableRow kRows[] = {
    {names::kZephrionDartfinSMARTcardConfig4_0, kSmartCardFolder, "Zephrion_Dartfin_SMARTcard_Config_4.0.zip", "", kNotMsi, subfolder::kModules2, kRecipe},
    {names::kZephrionDartfinSMARTcardProgramAndDriver5_0, kSmartCardFolder, "SMARTcard_Program_And_Driver_5.0.zip", "", kNotMsi, subfolder::kModules2, kRecipe},
  };
  return kRows;
}

}  // namespace components::catalog_tables
