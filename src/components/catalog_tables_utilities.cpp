// Catalog tables: Optional utility software.
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
constexpr ServerFolder kTightVNCFolder = thirdPartyFolder("TightVNC");
constexpr ServerFolder kTeamViewerFolder = thirdPartyFolder("TeamViewer");
constexpr ServerFolder kTortoiseHgFolder = thirdPartyFolder("TortoiseHg");

}  // namespace

// Group "Optional Utility Software".
std::span<const CatalogTableRow> utilitySoftwareTable() {
  static constexpr CatalogTableRow kRows[] = {
    {names::kZephrionWatchdog3_0_0_11, productDownloadsFolder("ZephrionWatchdog"), "Zephrion_Watchdog_3_0_0_11_200130_Beta.exe", " /passive ", kNotMsi, subfolder::kUtilities, kRunsFile},
    {names::kRtSupervisor1_0_0_1_3587, outsideFilesFolder("RTSupervisor"), "RTSupervisor_1.0.0.1(3587).zip", "", kNotMsi, subfolder::kUtilities, kRecipe},
    {names::kPerformanceTest8_0, thirdPartyFolder("Passmark"), "PerformanceTest_8.0_Setup.exe", " /passive", kNotMsi, subfolder::kUtilities, kRunsFile},
    {names::kOpcScoutSimaticNetOpcClientV6_2_3133, thirdPartyFolder("OPCScout"), "SIMATIC_NET_OPC_Client_V6.2_3133.zip", " \\silent", kNotMsi, subfolder::kUtilities, kRecipe},
    {names::kZephrionKxOPCClient1_9_0_28, productDownloadsFolder("ZephrionKxOPCClient"), "Zephrion_KxOPCClient_1.9.0.28_171112.exe", " /passive ", kNotMsi, subfolder::kUtilities, kRunsFile},
    {names::kMatrikonOPCServerForSimulation, thirdPartyFolder("Matrikon"), "MatrikonOPCSimulation_1.5.0.0.EXE", " /passive ", kNotMsi, subfolder::kUtilities, kRunsFile},
    {names::kZephrionOpcServer1_0_0_7, productDownloadsFolder("ZephrionOPCServer"), "ZephrionOPCServer_1_0_0_7_Files.zip", " ", kNotMsi, subfolder::kUtilities, kRecipe},
    {names::kTightVNC2_6_4_32Bit, kTightVNCFolder, "tightvnc-2.6.4-setup-32bit.msi", "/passive", kMsi, subfolder::kUtilities, kRunsFile},
    {names::kTightVNC2_6_4_64Bit, kTightVNCFolder, "tightvnc-2.6.4-setup-64bit.msi", "/passive", kMsi, subfolder::kUtilities, kRunsFile},
    {names::kZephrionTeamViewer13Host, kTeamViewerFolder, "Zephrion_TeamViewer_13_Host_Setup.exe", " /passive", kNotMsi, subfolder::kUtilities, kRunsFile},
    {names::kSpeccyV1_25, thirdPartyFolder("Piriform"), "spsetup125.exe", " /passive", kNotMsi, subfolder::kInstallations3rdParty, kRunsFile},
    {names::kAdobeAcrobatReader, thirdPartyFolder("AdobeAcrobatReader"), "AdbeRdr11000_en_US.exe", " /passive ", kNotMsi, subfolder::kUtilities, kRunsFile},
    {names::kTeraTerm4_88, thirdPartyFolder("TeraTerm"), "teraterm-4.88.exe", " ", kNotMsi, subfolder::kUtilities, kRunsFile},
    {names::kTortoiseHg3_6_3X64, kTortoiseHgFolder, "tortoisehg-3.6.3-x64.msi", " ", kMsi, subfolder::kUtilities, kRunsFile},
    {names::kTortoiseHg3_6_3X86, kTortoiseHgFolder, "tortoisehg-3.6.3-x86.msi", " ", kMsi, subfolder::kUtilities, kRunsFile},
    {names::kZephrionTeamViewer8Host, kTeamViewerFolder, "Zephrion_TeamViewer_8_Host_Setup.exe", " /passive", kNotMsi, subfolder::kUtilities, kRunsFile},
  };
  return kRows;
}

}  // namespace components::catalog_tables
