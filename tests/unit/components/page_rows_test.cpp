#include "components/page_rows.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "components/group_names.h"

namespace {

namespace pages = components::page_rows;
using pages::EntryList;
using pages::SonyZclSystem;

std::vector<std::string> namesOf(const EntryList& rows) {
  std::vector<std::string> names;
  for (const auto* entry : rows) {
    names.push_back(entry != nullptr ? entry->name : std::string("<missing>"));
  }
  return names;
}

void expectCompleteAndUnique(const EntryList& rows) {
  std::set<std::string> seen;
  for (const auto* entry : rows) {
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(seen.insert(entry->name).second) << entry->name;
  }
}

TEST(PageRowsTest, PrerequisitesShowTheDetectedVcRuntimeAndKeepTheOther) {
  int calls = 0;
  const auto detected = pages::prerequisitesPageRows([&calls] {
    ++calls;
    return true;
  });
  EXPECT_EQ(calls, 1);
  const std::vector<std::string> expected = {
      "MS VC++ 2005 SP1 Redist", "MS VC++ 2008 SP1 Redist", "MS VC++ 2010 SP1 Redist",
      "Microsoft .Net 2.0.50727.42 Redist", "Windows Installer 3.1", "MS VC++ 2017 Redist 14.15.26706",
      "Python 2.7.9", "Python 2.7.13", "Python 3.6.6"};
  EXPECT_EQ(namesOf(detected.rows), expected);
  ASSERT_NE(detected.otherVcRuntime, nullptr);
  EXPECT_EQ(detected.otherVcRuntime->name, "MS VC++ 2015-2019 Redist (x86) 14.26.28720");

  const auto notDetected = pages::prerequisitesPageRows([] { return false; });
  ASSERT_EQ(notDetected.rows.size(), 9u);
  EXPECT_EQ(notDetected.rows[5]->name, "MS VC++ 2015-2019 Redist (x86) 14.26.28720");
  EXPECT_EQ(notDetected.otherVcRuntime->name, "MS VC++ 2017 Redist 14.15.26706");

  // Until the detection is wired in, no probe means "not detected".
  const auto withoutProbe = pages::prerequisitesPageRows({});
  EXPECT_EQ(withoutProbe.rows[5]->name, "MS VC++ 2015-2019 Redist (x86) 14.26.28720");
  expectCompleteAndUnique(withoutProbe.rows);
}

TEST(PageRowsTest, CorePagesListRuntimeSuiteAndTheSdkInstaller) {
  const EntryList core = pages::coreInstallationPageRows();
  EXPECT_EQ(namesOf(core), (std::vector<std::string>{"Zephrion Version XII 12.0.0.760 Runtime",
                                                      "Zephrion Vision Software Version XII 12.0.0.760",
                                                      "Zephrion Lumenix SDK XII 760 Installer"}));
  EXPECT_EQ(core[2]->group, "Zephrion Lumenix SDK Installer");
  EXPECT_EQ(pages::coreInstallationStatusPageRows().size(), 2u);
}

TEST(PageRowsTest, UtilityPagesSplitTheGroupAndPickTheSystemsWidth) {
  EXPECT_EQ(namesOf(pages::utilitiesPageRows()),
            (std::vector<std::string>{"Zephrion Watchdog 3.0.0.11", "RT Supervisor 1.0.0.1(3587)", "PerformanceTest 8.0",
                                      "OPC Scout (SIMATIC NET OPC-Client V6.2-3133)", "Zephrion KxOPCClient 1.9.0.28",
                                      "MatrikonOPC Server for Simulation", "Zephrion OPC Server 1.0.0.7"}));
  const EntryList on64 = pages::utilities2PageRows(true);
  EXPECT_EQ(namesOf(on64),
            (std::vector<std::string>{"TightVNC 2.6.4 - 64 bit", "Zephrion TeamViewer 13 Host", "Speccy v1.25",
                                      "TightVNC 2.6.4 - 32 bit", "Adobe Acrobat Reader", "Tera Term 4.88",
                                      "TortoiseHg 3.6.3 (x64)", "TortoiseHg 3.6.3 (x86)", "Zephrion TeamViewer 8 Host"}));
  const EntryList on32 = pages::utilities2PageRows(false);
  EXPECT_EQ(on32[0]->name, "TightVNC 2.6.4 - 32 bit");
  EXPECT_EQ(on32[3]->name, "TightVNC 2.6.4 - 64 bit");
  EXPECT_EQ(on32[6]->name, "TortoiseHg 3.6.3 (x86)");
  EXPECT_EQ(on32[7]->name, "TortoiseHg 3.6.3 (x64)");
}

struct CameraCase {
  bool is64Bit;
  SonyZclSystem system;
  const char* ubCore;
  const char* sonyZcl;
  const char* otherUbCore;
};

TEST(PageRowsTest, FirstCameraPageFollowsWidthAndWindowsVersion) {
  const CameraCase cases[] = {
      {true, SonyZclSystem::Windows7, "ubCore 6.00 Pro 1394a - 1394b drivers - 64 bit",
       "ZCL for SONYGigECAM 2.12.2 - Windows 7 (64 bit)", "ubCore 6.00 Pro 1394a - 1394b drivers - 32 bit"},
      {false, SonyZclSystem::Windows8, "ubCore 6.00 Pro 1394a - 1394b drivers - 32 bit",
       "ZCL for SONYGigECAM 2.12.2 - Windows 8 (32 bit)", "ubCore 6.00 Pro 1394a - 1394b drivers - 64 bit"},
      {true, SonyZclSystem::Other, "ubCore 6.00 Pro 1394a - 1394b drivers - 64 bit", "ZCL for SONYGigECAM 2.12 - 64 bit",
       "ubCore 6.00 Pro 1394a - 1394b drivers - 32 bit"},
  };
  for (const CameraCase& c : cases) {
    const EntryList rows = pages::cameraDrivers1PageRows(c.is64Bit, c.system);
    expectCompleteAndUnique(rows);
    ASSERT_EQ(rows.size(), 16u);
    EXPECT_EQ(rows[0]->name, c.ubCore);
    EXPECT_EQ(rows[2]->name, c.sonyZcl);
    EXPECT_EQ(rows[4]->name, "Imaging Source Camera Driver");
    EXPECT_EQ(rows[5]->name, c.otherUbCore);
    EXPECT_EQ(rows[10]->name, "MVS 2.2.3");
    EXPECT_EQ(rows[15]->name, "MVS 3.2.0");
    // The other width's three Sony builds, generic first.
    const std::string width = c.is64Bit ? "32 bit" : "64 bit";
    EXPECT_EQ(rows[7]->name, "ZCL for SONYGigECAM 2.12 - " + width);
    EXPECT_EQ(rows[8]->name, "ZCL for SONYGigECAM 2.12.2 - Windows 7 (" + width + ")");
    EXPECT_EQ(rows[9]->name, "ZCL for SONYGigECAM 2.12.2 - Windows 8 (" + width + ")");
  }
}

TEST(PageRowsTest, SecondCameraPageHasBothBaslerWidthsThenAvtAndPylon) {
  const EntryList rows = pages::cameraDrivers2PageRows(false);
  expectCompleteAndUnique(rows);
  EXPECT_EQ(namesOf(rows),
            (std::vector<std::string>{
                "Basler pylon SDK 2.3.5.2633 - 32 bit", "Basler pylon SDK 3.2.3.3215 - 32 bit",
                "Basler pylon 4 Runtime 4.0.1.3425 - 32 bit", "Basler pylon SDK 2.3.5.2633 - 64 bit",
                "Basler pylon SDK 3.2.3.3215 - 64 bit", "Basler pylon 4 Runtime 4.0.1.3425 - 64 bit",
                "Pylon 4 Camera Software Suite 4.2.2.5468 - 32 bit", "Pylon 4 Camera Software Suite 4.2.2.5468 - 64 bit",
                "AVT Universal Package 2.2.0", "AVT Fire Package 2.11", "Pylon 5 Camera Software Suite 5.0.5.8999",
                "Pylon 5 Camera Software Suite 5.0.10.10613", "Pylon 5 Camera Software Suite 5.0.12.11830",
                "Pylon 6 Camera Software Suite 6.1.0.19674"}));
  EXPECT_EQ(pages::cameraDrivers2PageRows(true)[0]->name, "Basler pylon SDK 2.3.5.2633 - 64 bit");
}

TEST(PageRowsTest, OptionalExtensionRowIndexesNameThePipPackageOfTheirButtons) {
  // The optional pages bind their controls and pip checks by row index.
  const std::vector<std::string> py27 = {"matplotlib", "scikit-learn", "scikit-image", "Keras",   "Sphinx",
                                         "enum34",     "paho-mqtt",    "opcua",        "dxfgrabber", "Shapely",
                                         "six",        "Theano",       "imutils"};
  const EntryList rows27 = pages::groupRows(components::groups::kOptionalExtensions);
  ASSERT_EQ(rows27.size(), py27.size());
  for (size_t i = 0; i < py27.size(); ++i) {
    EXPECT_EQ(rows27[i]->name, "Python 27 extension - " + py27[i]);
  }
  const std::vector<std::string> py36 = {"Keras",  "matplotlib", "scikit-learn", "scikit-image", "Sphinx", "enum34",
                                         "paho-mqtt", "opcua",   "Shapely",      "six",          "Theano", "imutils"};
  const EntryList rows36 = pages::groupRows(components::groups::kOptionalExtensionsPy36);
  ASSERT_EQ(rows36.size(), py36.size());
  for (size_t i = 0; i < py36.size(); ++i) {
    EXPECT_EQ(rows36[i]->name, "Python 36 extension - " + py36[i]);
  }
  EXPECT_TRUE(pages::groupRows("No Such Group").empty());
}

}  // namespace
