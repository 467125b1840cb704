// Catalog tables: Camera drivers of outside vendors and the Advantech IO system.
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
constexpr ServerFolder kUbCoreFolder = thirdPartyFolder("ubCore");
constexpr ServerFolder kFireiFolder = thirdPartyFolder("Firei");
constexpr ServerFolder kSonyZCL2_12_2Folder = thirdPartyFolder("SonyZCL/2.12.2");
constexpr ServerFolder kSonyZCL2_12Folder = thirdPartyFolder("SonyZCL/2.12");
constexpr ServerFolder kImagingSourceFolder = thirdPartyFolder("ImagingSource");
constexpr ServerFolder kHikvisionFolder = thirdPartyFolder("Hikvision");
constexpr ServerFolder kBaslerFolder = thirdPartyFolder("Basler");
constexpr ServerFolder kAVTFolder = thirdPartyFolder("AVT");
constexpr ServerFolder kAdvantechFolder = thirdPartyFolder("Advantech");

}  // namespace

// Group "3rd Party Softwares".
std::span<const CatalogTableRow> thirdPartySoftwaresTable() {
  static constexpr CatalogTableRow kRows[] = {
    {names::kUbCore6_00Pro1394A1394BDrivers32Bit, kUbCoreFolder, "ubCorePro32_112912.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kFireIApplication4_0_32Bit, kFireiFolder, "FireiSetupX86_112912.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kZclForSONYGigECAM2_12_2Windows7_32Bit, kSonyZCL2_12_2Folder, "Sony_ZCL_SDK_v2.12.2_Win7_32bit.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kZclForSONYGigECAM2_12_2Windows8_32Bit, kSonyZCL2_12_2Folder, "Sony_ZCL_SDK_v2.12.2_Win8_32bit.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kZclForSONYGigECAM2_12_32Bit, kSonyZCL2_12Folder, "SonyZCL_2.12_setup_x86_RC1.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kUbCore6_00Pro1394A1394BDrivers64Bit, kUbCoreFolder, "ubCorePro64_112912.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kFireIApplication4_0_64Bit, kFireiFolder, "FireiSetupX64_112912.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kZclForSONYGigECAM2_12_2Windows7_64Bit, kSonyZCL2_12_2Folder, "Sony_ZCL_SDK_v2.12.2_Win7_64bit.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kZclForSONYGigECAM2_12_2Windows8_64Bit, kSonyZCL2_12_2Folder, "Sony_ZCL_SDK_v2.12.2_Win8_64bit.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kZclForSONYGigECAM2_12_64Bit, kSonyZCL2_12Folder, "SonyZCL_2.12_setup_x64_RC1.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kImagingSourceIcCapture2_3, kImagingSourceFolder, "setup_iccapture.en_US.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kImagingSourceCameraDriver, kImagingSourceFolder, "usbcam_2.6.5_tis_02.zip", "", kNotMsi, subfolder::kInstallations3rdParty, kRecipe},
    {names::kMvs2_2_3, kHikvisionFolder, "MVS_STD_2.2.3_170728.exe", " ", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kMvs2_3_1, kHikvisionFolder, "MVS_STD_2.3.1_171129.exe", " ", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kMvs2_4_0, kHikvisionFolder, "MVS_STD_2.4.0_180329.exe", " ", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kMvs3_0_0, kHikvisionFolder, "MVS_STD_3.0.0_180723.exe", " ", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kMvs3_1_0, kHikvisionFolder, "MVS_STD_3.1.0_181229.exe", " ", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kMvs3_2_0, kHikvisionFolder, "MVS_SDK_V3_2_0_VC90_Runtime_190626.exe", " ", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kBaslerPylonSdk2_3_5_2633_32Bit, kBaslerFolder, "Basler pylon SDK x86 2.3.5.2633.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kBaslerPylonSdk3_2_3_3215_32Bit, kBaslerFolder, "Basler pylon SDK x86 3.2.3.3215_EN_.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kBaslerPylon4Runtime4_0_1_3425_32Bit, kBaslerFolder, "pylon 4 Runtime x86 4.0.1.3425.msi", "/passive", kMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kBaslerPylonSdk2_3_5_2633_64Bit, kBaslerFolder, "Basler pylon SDK x64 2.3.5.2633.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kBaslerPylonSdk3_2_3_3215_64Bit, kBaslerFolder, "Basler pylon SDK x64 3.2.3.3215.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kBaslerPylon4Runtime4_0_1_3425_64Bit, kBaslerFolder, "pylon 4 Runtime x64 4.0.1.3425.msi", "/passive", kMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kPylon4CameraSoftwareSuite4_2_2_5468_64Bit, kBaslerFolder, "Basler pylon x64 4.2.2.5468.exe", " ", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kPylon4CameraSoftwareSuite4_2_2_5468_32Bit, kBaslerFolder, "Basler pylon x86 4.2.2.5468.exe", " ", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kAvtUniversalPackage2_2_0, kAVTFolder, "AVTUniversalPackage_2.2.0.exe", " ", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kAvtFirePackage2_11, kAVTFolder, "AVTFirePackage_2_11.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kPylon5CameraSoftwareSuite5_0_5_8999, kBaslerFolder, "Basler_pylon_5.0.5.8999.exe", " ", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kPylon5CameraSoftwareSuite5_0_10_10613, kBaslerFolder, "Basler_pylon_5.0.10.10613_Full.exe", " ", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kPylon5CameraSoftwareSuite5_0_12_11830, kBaslerFolder, "Basler_pylon_5.0.12.11830.exe", " ", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kPylon6CameraSoftwareSuite6_1_0_19674, kBaslerFolder, "Basler_pylon_6.1.0.19674.exe", " ", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
  };
  return kRows;
}

// Group "Zephrion IO System".
std::span<const CatalogTableRow> ioSystemTable() {
  static constexpr CatalogTableRow kRows[] = {
    {names::kDAQNaviPci1730_3_1_1_0, kAdvantechFolder, "DAQNavi_PCI1730_PCM3730I_3.1.1.0.exe", " /passive", kNotMsi, subfolder::kIoSystem, kRunsFile},
    {names::kDAQNaviUsb4711A3_1_3_0, kAdvantechFolder, "DAQNavi_USB4711A_3.1.3.0.exe", " /passive", kNotMsi, subfolder::kIoSystem, kRunsFile},
    {names::kDAQNaviUsb4750_3_1_1_0, kAdvantechFolder, "DAQNavi_USB4750_3.1.1.0.exe", " /passive", kNotMsi, subfolder::kIoSystem, kRunsFile},
    {names::kDAQNaviSdkAndDrivers3_1_4_0, kAdvantechFolder, "DAQNavi_SDK&Drivers_3.1.4.0.exe", " /passive", kNotMsi, subfolder::kIoSystem, kRunsFile},
    {names::kAdamApaxNetUtility2_05_10, kAdvantechFolder, "ADAMAPAX .NET UTILITY V2.05.10 B04.MSI", " /passive", kMsi, subfolder::kIoSystem, kRunsFile},
  };
  return kRows;
}

}  // namespace components::catalog_tables
