// The catalog's groups against the product's component tables: the groups in
// page order with their sizes, and a sample of rows field by field (with the
// rows whose data have odd shapes: blanks in arguments, "+" names whose files
// have "-", the folder outside "/zephrion/files/", generated toolbox rows).

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "components/catalog.h"
#include "components/help_files.h"

namespace {

using components::CatalogEntry;
using components::InstalledBy;
namespace catalog = components::catalog;

constexpr InstalledBy kRuns = InstalledBy::RunsFile;
constexpr InstalledBy kRecipe = InstalledBy::Recipe;

TEST(CatalogGroupsTest, GroupsComeInPageOrderWithTheirSizes) {
  const std::vector<std::pair<std::string, size_t>> expected = {
      {"Prerequisites", 10},
      {"Core Components", 3},
      {"Zephrion Lumenix SDK Installer", 1},
      {"Recommended Zephrion Extensions", 32},
      {"Recommended Zephrion Extensions (Python 36)", 21},
      {"Optional Zephrion Extensions", 13},
      {"Optional Zephrion Extensions (Python 36)", 12},
      {"Optional Zephrion Modules", 1},
      {"Optional Zephrion Modules 2", 2},
      {"Optional Utility Software", 16},
      {"Zephrion IO System", 5},
      {"3rd Party Softwares", 32},
      {"3D Toolbox Vivid Sight", 36},
      {"3D Toolbox Vivid Sight (Python 36)", 8},
  };
  const auto& groups = catalog::groups();
  ASSERT_EQ(groups.size(), expected.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(groups[i].name, expected[i].first);
    EXPECT_EQ(groups[i].entries.size(), expected[i].second) << groups[i].name;
    for (const CatalogEntry& entry : groups[i].entries) {
      EXPECT_EQ(entry.group, groups[i].name) << entry.name;
    }
  }
  EXPECT_EQ(components::help_files::helpFileEntries().size(), 21u);
}

struct ExpectedRow {
  const char* group;
  size_t index;
  const char* name;
  const char* serverPath;
  const char* fileName;
  const char* installArguments;
  bool isMsiPackage;
  const char* downloadSubfolder;
  InstalledBy installedBy;
  bool refreshOnDownload;
};

const ExpectedRow kSamples[] = {
    {"Prerequisites", 0, "MS VC++ 2005 SP1 Redist", "/zephrion/files/ZephrionPreRequisites/vc2005sp1 - redist_x86.exe",
     "vc2005sp1 - redist_x86.exe", " /q:a ", false, "Prerequisites", kRuns, false},
    {"Prerequisites", 2, "MS VC++ 2010 SP1 Redist",
     "/zephrion/files/InstallerDownloads/_Installers3rdParty/Microsoft/vc2010sp1 - redist_x86.exe",
     "vc2010sp1 - redist_x86.exe", " /q:a ", false, "Prerequisites", kRuns, false},
    {"Prerequisites", 3, "Microsoft .Net 2.0.50727.42 Redist", "/zephrion/files/ZephrionPreRequisites/dotnetfx_2.0.50727.42.exe",
     "dotnetfx_2.0.50727.42.exe", " ", false, "Prerequisites", kRuns, false},
    {"Prerequisites", 6, "MS VC++ 2015-2019 Redist (x86) 14.26.28720",
     "/zephrion/files/InstallerDownloads/_Installers3rdParty/Microsoft/VC_14.26.28720.3_redist_x86.exe",
     "VC_14.26.28720.3_redist_x86.exe", " /q:a ", false, "Prerequisites", kRuns, false},
    {"Prerequisites", 7, "Python 2.7.9", "/zephrion/files/InstallerDownloads/_Modules/Py27/Python27/python-2.7.9.msi",
     "python-2.7.9.msi", "/passive ALLUSERS=1", true, "ExtensionsPY27\\Python2D", kRuns, false},
    {"Prerequisites", 9, "Python 3.6.6", "/zephrion/files/InstallerDownloads/_Modules/Py36/Python36/python-3.6.6.exe",
     "python-3.6.6.exe", "/passive InstallAllUsers=1", false, "ExtensionsPY36\\Python2D", kRuns, false},
    {"Core Components", 0, "Zephrion Version XII 12.0.0.760 Runtime",
     "/zephrion/files/InstallerDownloads/Zephrion12.0/760/ZephrionRuntime_12_0_0_760_ReDist_200830.exe",
     "ZephrionRuntime_12_0_0_760_ReDist_200830.exe", " ", false, "ZephrionRuntime", kRuns, false},
    {"Core Components", 2, "Zephrion Lumenix Version XII 12.0.0.760 SDK",
     "/zephrion/files/InstallerDownloads/Zephrion12.0/760/ZephrionLumenixSDK_12_0_0_760_200830.exe",
     "ZephrionLumenixSDK_12_0_0_760_200830.exe", " ", false, "ZephrionLumenixSDK", kRuns, false},
    {"Zephrion Lumenix SDK Installer", 0, "Zephrion Lumenix SDK XII 760 Installer",
     "/zephrion/files/InstallerDownloads/Zephrion12.0/760/ZephrionLumenixSDK_12_0_0_760_Installer_200830.exe",
     "ZephrionLumenixSDK_12_0_0_760_Installer_200830.exe", " ", false, "LumenixSDKInstaller", kRecipe, false},
    {"Recommended Zephrion Extensions", 0, "pythonnet-2.3.0-cp27-cp27m-win32",
     "/zephrion/files/InstallerDownloads/_Modules/Py27/PythonNet/pythonnet-2.3.0-cp27-cp27m-win32.whl",
     "pythonnet-2.3.0-cp27-cp27m-win32.whl", "", false, "ExtensionsPY27\\PythonNet", kRecipe, false},
    {"Recommended Zephrion Extensions", 5, "MySQL-python-1.2.4b4.win32-py2.7",
     "/zephrion/files/InstallerDownloads/_Modules/Py27/MySQLPython/MySQL-python-1.2.4b4.win32-py2.7.exe",
     "MySQL-python-1.2.4b4.win32-py2.7.exe", " /quiet ", false, "ExtensionsPY27\\PythonMySQL", kRuns, false},
    {"Recommended Zephrion Extensions", 12, "Paint.net 4.2.12",
     "/zephrion/files/InstallerDownloads/_Installers3rdParty/PaintDotNet/paint.net.4.2.12.install.exe",
     "paint.net.4.2.12.install.exe", " ", false, "ExtensionsOthers", kRecipe, false},
    {"Recommended Zephrion Extensions", 15, "numpy-1.14.0+mkl-cp27-cp27m-win32",
     "/zephrion/files/InstallerDownloads/_Modules/Py27/numpy/numpy-1.14.0-mkl-cp27-cp27m-win32.whl",
     "numpy-1.14.0-mkl-cp27-cp27m-win32.whl", "", false, "ExtensionsPY27\\Python3D", kRecipe, false},
    {"Recommended Zephrion Extensions", 31, "opencv_python-4.2.0.32-cp27-cp27m-win32",
     "/zephrion/files/InstallerDownloads/_Modules/Py27/OpenCV/opencv_python-4.2.0.32-cp27-cp27m-win32.whl",
     "opencv_python-4.2.0.32-cp27-cp27m-win32.whl", "", false, "ExtensionsPY27\\OpenCV", kRecipe, false},
    {"Recommended Zephrion Extensions (Python 36)", 1, "Paint.net 4.2.12",
     "/zephrion/files/InstallerDownloads/_Installers3rdParty/PaintDotNet/paint.net.4.2.12.install.exe",
     "paint.net.4.2.12.install.exe", " ", false, "ExtensionsOthers", kRecipe, false},
    {"Recommended Zephrion Extensions (Python 36)", 5, "pyserial-3.4-py2.py3-none-any-py36",
     "/zephrion/files/InstallerDownloads/_Modules/Py36/pyserial/pyserial-3.4-py2.py3-none-any.whl",
     "pyserial-3.4-py2.py3-none-any.whl", "", false, "ExtensionsPY36\\Python2D", kRecipe, false},
    {"Recommended Zephrion Extensions (Python 36)", 9, "opencv_python-4.0.0+contrib-cp36-cp36m-win32",
     "/zephrion/files/InstallerDownloads/_Modules/Py36/OpenCV/opencv_python-4.0.0-contrib-cp36-cp36m-win32.whl",
     "opencv_python-4.0.0-contrib-cp36-cp36m-win32.whl", "", false, "ExtensionsPY36\\OpenCV", kRecipe, false},
    {"Recommended Zephrion Extensions (Python 36)", 20, "scipy-1.3.0-cp36-cp36m-win32",
     "/zephrion/files/InstallerDownloads/_Modules/Py36/scipy/scipy-1.3.0-cp36-cp36m-win32.whl",
     "scipy-1.3.0-cp36-cp36m-win32.whl", "", false, "ExtensionsPY36\\Python3D", kRecipe, false},
    {"Optional Zephrion Extensions", 8, "Python 27 extension - dxfgrabber",
     "/zephrion/files/InstallerDownloads/_Modules/Py27/dxfgrabber/dxfgrabber-0.7.5.win32-py2.7.exe",
     "dxfgrabber-0.7.5.win32-py2.7.exe", " /quiet ", false, "ExtensionsPY27\\PythonOtherExt", kRuns, false},
    {"Optional Zephrion Extensions", 11, "Python 27 extension - Theano",
     "/zephrion/files/InstallerDownloads/_Modules/Py27/theano/Theano-1.0.4.tar.gz", "Theano-1.0.4.tar.gz", "", false,
     "ExtensionsPY27\\PythonOtherExt", kRecipe, false},
    {"Optional Zephrion Extensions (Python 36)", 0, "Python 36 extension - Keras",
     "/zephrion/files/InstallerDownloads/_Modules/Py36/Keras/Keras-2.2.4-py2.py3-none-any.whl",
     "Keras-2.2.4-py2.py3-none-any.whl", "", false, "ExtensionsPY36\\PythonOtherExt", kRecipe, false},
    {"Optional Zephrion Modules", 0, "Zephrion 2018.0.0.992 IPP",
     "/zephrion/files/InstallerDownloads/_Modules/IPP/Zephrion_2018.0.0.992_IPP.zip", "Zephrion_2018.0.0.992_IPP.zip", "",
     false, "Modules", kRecipe, false},
    {"Optional Zephrion Modules 2", 1, "Zephrion Dartfin SMARTcard Program and Driver 5.0",
     "/zephrion/files/InstallerDownloads/_Modules/SMARTcard/SMARTcard_Program_And_Driver_5.0.zip",
     "SMARTcard_Program_And_Driver_5.0.zip", "", false, "Modules2", kRecipe, false},
    {"Optional Utility Software", 0, "Zephrion Watchdog 3.0.0.11",
     "/zephrion/files/InstallerDownloads/ZephrionWatchdog/Zephrion_Watchdog_3_0_0_11_200130_Beta.exe",
     "Zephrion_Watchdog_3_0_0_11_200130_Beta.exe", " /passive ", false, "Utilities", kRuns, false},
    {"Optional Utility Software", 1, "RT Supervisor 1.0.0.1(3587)", "/zephrion/RTSupervisor/RTSupervisor_1.0.0.1(3587).zip",
     "RTSupervisor_1.0.0.1(3587).zip", "", false, "Utilities", kRecipe, false},
    {"Optional Utility Software", 3, "OPC Scout (SIMATIC NET OPC-Client V6.2-3133)",
     "/zephrion/files/InstallerDownloads/_Installers3rdParty/OPCScout/SIMATIC_NET_OPC_Client_V6.2_3133.zip",
     "SIMATIC_NET_OPC_Client_V6.2_3133.zip", " \\silent", false, "Utilities", kRecipe, false},
    {"Optional Utility Software", 8, "TightVNC 2.6.4 - 64 bit",
     "/zephrion/files/InstallerDownloads/_Installers3rdParty/TightVNC/tightvnc-2.6.4-setup-64bit.msi",
     "tightvnc-2.6.4-setup-64bit.msi", "/passive", true, "Utilities", kRuns, false},
    {"Optional Utility Software", 10, "Speccy v1.25", "/zephrion/files/InstallerDownloads/_Installers3rdParty/Piriform/spsetup125.exe",
     "spsetup125.exe", " /passive", false, "Installations3rdParty", kRuns, false},
    {"Optional Utility Software", 14, "TortoiseHg 3.6.3 (x86)",
     "/zephrion/files/InstallerDownloads/_Installers3rdParty/TortoiseHg/tortoisehg-3.6.3-x86.msi", "tortoisehg-3.6.3-x86.msi",
     " ", true, "Utilities", kRuns, false},
    {"Zephrion IO System", 3, "DAQNavi SDK and Drivers 3.1.4.0",
     "/zephrion/files/InstallerDownloads/_Installers3rdParty/Advantech/DAQNavi_SDK&Drivers_3.1.4.0.exe",
     "DAQNavi_SDK&Drivers_3.1.4.0.exe", " /passive", false, "IOSystem", kRuns, false},
    {"Zephrion IO System", 4, "Adam/Apax .NET Utility 2.05.10",
     "/zephrion/files/InstallerDownloads/_Installers3rdParty/Advantech/ADAMAPAX .NET UTILITY V2.05.10 B04.MSI",
     "ADAMAPAX .NET UTILITY V2.05.10 B04.MSI", " /passive", true, "IOSystem", kRuns, false},
    {"3rd Party Softwares", 8, "ZCL for SONYGigECAM 2.12.2 - Windows 8 (64 bit)",
     "/zephrion/files/InstallerDownloads/_Installers3rdParty/SonyZCL/2.12.2/Sony_ZCL_SDK_v2.12.2_Win8_64bit.exe",
     "Sony_ZCL_SDK_v2.12.2_Win8_64bit.exe", " /passive", false, "Installations3rdParty", kRuns, false},
    {"3rd Party Softwares", 11, "Imaging Source Camera Driver",
     "/zephrion/files/InstallerDownloads/_Installers3rdParty/ImagingSource/usbcam_2.6.5_tis_02.zip", "usbcam_2.6.5_tis_02.zip",
     "", false, "Installations3rdParty", kRecipe, false},
    {"3rd Party Softwares", 20, "Basler pylon 4 Runtime 4.0.1.3425 - 32 bit",
     "/zephrion/files/InstallerDownloads/_Installers3rdParty/Basler/pylon 4 Runtime x86 4.0.1.3425.msi",
     "pylon 4 Runtime x86 4.0.1.3425.msi", "/passive", true, "Installations3rdParty", kRuns, false},
    {"3rd Party Softwares", 31, "Pylon 6 Camera Software Suite 6.1.0.19674",
     "/zephrion/files/InstallerDownloads/_Installers3rdParty/Basler/Basler_pylon_6.1.0.19674.exe",
     "Basler_pylon_6.1.0.19674.exe", " ", false, "Installations3rdParty", kRuns, false},
    {"3D Toolbox Vivid Sight", 0, "Vivid Sight 1.0.0.333",
     "/zephrion/files/InstallerDownloads/ZeprionTemplateToolboxes/VividSight/1.0.0.333/1.0.0.333_Files.zip",
     "1.0.0.333_Files.zip", " ", false, "ToolboxVividSight", kRecipe, false},
    {"3D Toolbox Vivid Sight", 1, "Vivid Sight 1.0.0.333 - Templates",
     "/zephrion/files/InstallerDownloads/ZeprionTemplateToolboxes/VividSight/1.0.0.333/1.0.0.333_ZTC.txt",
     "1.0.0.333_ZTC.txt", " ", false, "ToolboxVividSight", kRecipe, true},
    {"3D Toolbox Vivid Sight", 34, "Vivid Sight 1.0.0.1114 - Demo Profiles",
     "/zephrion/files/InstallerDownloads/ZeprionTemplateToolboxes/VividSight/1.0.0.1114/1.0.0.1114_ZTP.txt",
     "1.0.0.1114_ZTP.txt", " ", false, "ToolboxVividSight", kRecipe, true},
    {"3D Toolbox Vivid Sight (Python 36)", 0, "Vivid Sight 1.0.0.819(02) (Python 36)",
     "/zephrion/files/InstallerDownloads/ZeprionTemplateToolboxes/VividSightPy36/1.0.0.819_02_Py36/1.0.0.819_02_Py36_Files.zip",
     "1.0.0.819_02_Py36_Files.zip", " ", false, "ToolboxVividSightPy36", kRecipe, false},
    {"3D Toolbox Vivid Sight (Python 36)", 2, "Vivid Sight 1.0.0.819(02) - Demo Profiles (Python 36)",
     "/zephrion/files/InstallerDownloads/ZeprionTemplateToolboxes/VividSightPy36/1.0.0.819_02_Py36/1.0.0.819_02_Py36_ZTP.txt",
     "1.0.0.819_02_Py36_ZTP.txt", " ", false, "ToolboxVividSightPy36", kRecipe, true},
    {"3D Toolbox Vivid Sight (Python 36)", 7, "Vivid Sight 1.0.0.1114 - Readme (Python 36)",
     "/zephrion/files/InstallerDownloads/ZeprionTemplateToolboxes/VividSightPy36/1.0.0.1114_Py36/1.0.0.1114_Py36_readme.rtf",
     "1.0.0.1114_Py36_readme.rtf", " ", false, "ToolboxVividSightPy36", kRecipe, true},
};

void PrintTo(const ExpectedRow& row, std::ostream* os) {
  *os << row.group << " #" << row.index << " \"" << row.name << "\"";
}

class CatalogSampleTest : public testing::TestWithParam<ExpectedRow> {};

TEST_P(CatalogSampleTest, RowMatchesTheTableFieldByField) {
  const ExpectedRow& expected = GetParam();
  const catalog::CatalogGroup* group = catalog::findGroup(expected.group);
  ASSERT_NE(group, nullptr);
  ASSERT_LT(expected.index, group->entries.size());
  const CatalogEntry& entry = group->entries[expected.index];
  EXPECT_EQ(entry.name, expected.name);
  EXPECT_EQ(entry.serverPath(), expected.serverPath);
  EXPECT_EQ(entry.fileName, expected.fileName);
  EXPECT_EQ(entry.installArguments, expected.installArguments);
  EXPECT_EQ(entry.isMsiPackage, expected.isMsiPackage);
  EXPECT_EQ(entry.downloadSubfolder, expected.downloadSubfolder);
  EXPECT_EQ(entry.installedBy, expected.installedBy);
  EXPECT_EQ(entry.refreshOnDownload, expected.refreshOnDownload);
  EXPECT_EQ(entry.sizeHint, 0);
}

INSTANTIATE_TEST_SUITE_P(Tables, CatalogSampleTest, testing::ValuesIn(kSamples));

TEST(CatalogGroupsTest, ToolboxBuildsComeInListOrderFourRowsEach) {
  const char* builds[] = {"333", "355", "383", "550", "612", "719", "758", "819", "1114"};
  const catalog::CatalogGroup* group = catalog::findGroup("3D Toolbox Vivid Sight");
  ASSERT_NE(group, nullptr);
  ASSERT_EQ(group->entries.size(), 36u);
  for (size_t k = 0; k < std::size(builds); ++k) {
    const std::string name = std::string("Vivid Sight 1.0.0.") + builds[k];
    EXPECT_EQ(group->entries[4 * k].name, name);
    EXPECT_EQ(group->entries[4 * k + 1].name, name + " - Templates");
    EXPECT_EQ(group->entries[4 * k + 2].name, name + " - Demo Profiles");
    EXPECT_EQ(group->entries[4 * k + 3].name, name + " - Readme");
    EXPECT_EQ(group->entries[4 * k + 3].fileName, std::string("1.0.0.") + builds[k] + "_readme.rtf");
  }
  const catalog::CatalogGroup* py36 = catalog::findGroup("3D Toolbox Vivid Sight (Python 36)");
  ASSERT_NE(py36, nullptr);
  EXPECT_EQ(py36->entries[1].name, "Vivid Sight 1.0.0.819(02) - Templates (Python 36)");
  EXPECT_EQ(py36->entries[4].name, "Vivid Sight 1.0.0.1114 (Python 36)");
  EXPECT_EQ(py36->entries[5].fileName, "1.0.0.1114_Py36_ZTC.txt");
}

TEST(CatalogGroupsTest, HelpFilesFollowTheTopicsInOrder) {
  const auto entries = components::help_files::helpFileEntries();
  ASSERT_EQ(entries.size(), 21u);
  EXPECT_EQ(entries[0].name, "Zephrion Vision Software Help File - Installation Welcome");
  EXPECT_EQ(entries[12].fileName, "760Help - Tutorials.rtf");
  EXPECT_EQ(entries[8].serverPath(),
            "/zephrion/files/InstallerRepositories/Zephrion12.0/760/ZephrionVisionSoftware/HelpFiles/"
            "760Help - ZTC - Tool Components.rtf");
  EXPECT_EQ(entries[20].fileName, "760Help - Halvoren Utilities.rtf");
  for (const CatalogEntry& entry : entries) {
    EXPECT_EQ(entry.group, "Help Files");
    EXPECT_EQ(entry.installArguments, "");
    EXPECT_FALSE(entry.isMsiPackage);
    EXPECT_TRUE(entry.refreshOnDownload);
    EXPECT_EQ(entry.downloadSubfolder, "_Help2Zephrion\\12_0_0");
    EXPECT_EQ(entry.installedBy, InstalledBy::DownloadOnly);
  }
}

TEST(CatalogGroupsTest, HelpRowNamesUseThePageTitleAndFilesTheKey) {
  const CatalogEntry entry = components::help_files::helpFileEntry("Resources", "Zephrion Vision Resources");
  EXPECT_EQ(entry.name, "Zephrion Vision Software Help File - Zephrion Vision Resources");
  EXPECT_EQ(entry.fileName, "760Help - Resources.rtf");

  // The help window asks for any page, also one without a topic of its own.
  const components::ComponentRow row =
      components::help_files::makeHelpFileRow("CoreComponents", "CoreComponents", "C:\\inst");
  EXPECT_EQ(row.getFileName(), "760Help - CoreComponents.rtf");
  EXPECT_EQ(row.getDownloadFolder(), "C:\\inst\\_ZephrionInstallData\\_Help2Zephrion\\12_0_0");
  EXPECT_TRUE(row.refreshOnDownload());
}

}  // namespace
