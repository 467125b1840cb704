#include "components/page_rows.h"

#include "components/catalog.h"
#include "components/component_names.h"
#include "components/group_names.h"

namespace components::page_rows {

namespace {

// Looks up entries of one group by exact name. Every name used here is a
// catalog constant, so a miss would be a fault in the tables; it yields a null
// entry that the page's build step skips (and the tests catch).
class GroupRows {
 public:
  explicit GroupRows(std::string_view group) : group_(group) {}

  GroupRows& add(std::string_view name) {
    rows_.push_back(catalog::findEntry(group_, name));
    return *this;
  }
  GroupRows& addFor(bool first, std::string_view whenTrue, std::string_view whenFalse) {
    return add(first ? whenTrue : whenFalse);
  }
  EntryList take() { return std::move(rows_); }

 private:
  std::string_view group_;
  EntryList rows_;
};

std::string_view sonyZclName(bool is64Bit, SonyZclSystem system) {
  switch (system) {
    case SonyZclSystem::Windows7:
      return is64Bit ? names::kZclForSONYGigECAM2_12_2Windows7_64Bit : names::kZclForSONYGigECAM2_12_2Windows7_32Bit;
    case SonyZclSystem::Windows8:
      return is64Bit ? names::kZclForSONYGigECAM2_12_2Windows8_64Bit : names::kZclForSONYGigECAM2_12_2Windows8_32Bit;
    case SonyZclSystem::Other:
      break;
  }
  return is64Bit ? names::kZclForSONYGigECAM2_12_64Bit : names::kZclForSONYGigECAM2_12_32Bit;
}

}  // namespace

PrerequisitesRows prerequisitesPageRows(const Vc2017BuildDetected& isVc2017BuildDetected) {
  const bool vc2017 = isVc2017BuildDetected && isVc2017BuildDetected();
  const std::string_view shown = vc2017 ? names::kMsVcpp2017Redist14_15_26706 : names::kMsVcpp2015_2019RedistX86_14_26_28720;
  const std::string_view other = vc2017 ? names::kMsVcpp2015_2019RedistX86_14_26_28720 : names::kMsVcpp2017Redist14_15_26706;

  PrerequisitesRows result;
  result.rows = GroupRows(groups::kPrerequisites)
                    .add(names::kMsVcpp2005Sp1Redist)
                    .add(names::kMsVcpp2008Sp1Redist)
                    .add(names::kMsVcpp2010Sp1Redist)
                    .add(names::kMicrosoftNet2_0_50727_42Redist)
                    .add(names::kWindowsInstaller3_1)
                    .add(shown)
                    .add(names::kPython2_7_9)
                    .add(names::kPython2_7_13)
                    .add(names::kPython3_6_6)
                    .take();
  result.otherVcRuntime = catalog::findEntry(groups::kPrerequisites, other);
  return result;
}

EntryList coreInstallationPageRows() {
  EntryList rows = coreInstallationStatusPageRows();
  rows.push_back(catalog::findEntry(groups::kLumenixSdkInstaller, names::kZephrionLumenixSdkXii760Installer));
  return rows;
}

EntryList coreInstallationStatusPageRows() {
  return GroupRows(groups::kCoreComponents)
      .add(names::kZephrionVersionXii12_0_0_760Runtime)
      .add(names::kZephrionVisionSoftwareVersionXii12_0_0_760)
      .take();
}

EntryList groupRows(std::string_view groupName) {
  EntryList rows;
  if (const catalog::CatalogGroup* group = catalog::findGroup(groupName)) {
    for (const CatalogEntry& entry : group->entries) {
      rows.push_back(&entry);
    }
  }
  return rows;
}

EntryList utilitiesPageRows() {
  return GroupRows(groups::kUtilitySoftware)
      .add(names::kZephrionWatchdog3_0_0_11)
      .add(names::kRtSupervisor1_0_0_1_3587)
      .add(names::kPerformanceTest8_0)
      .add(names::kOpcScoutSimaticNetOpcClientV6_2_3133)
      .add(names::kZephrionKxOPCClient1_9_0_28)
      .add(names::kMatrikonOPCServerForSimulation)
      .add(names::kZephrionOpcServer1_0_0_7)
      .take();
}

EntryList utilities2PageRows(bool is64BitSystem) {
  const bool w = is64BitSystem;
  return GroupRows(groups::kUtilitySoftware)
      .addFor(w, names::kTightVNC2_6_4_64Bit, names::kTightVNC2_6_4_32Bit)
      .add(names::kZephrionTeamViewer13Host)
      .add(names::kSpeccyV1_25)
      .addFor(!w, names::kTightVNC2_6_4_64Bit, names::kTightVNC2_6_4_32Bit)
      .add(names::kAdobeAcrobatReader)
      .add(names::kTeraTerm4_88)
      .addFor(w, names::kTortoiseHg3_6_3X64, names::kTortoiseHg3_6_3X86)
      .addFor(!w, names::kTortoiseHg3_6_3X64, names::kTortoiseHg3_6_3X86)
      .add(names::kZephrionTeamViewer8Host)
      .take();
}

EntryList cameraDrivers1PageRows(bool is64BitSystem, SonyZclSystem system) {
  const bool w = is64BitSystem;
  const bool o = !is64BitSystem;
  return GroupRows(groups::kThirdPartySoftwares)
      .addFor(w, names::kUbCore6_00Pro1394A1394BDrivers64Bit, names::kUbCore6_00Pro1394A1394BDrivers32Bit)
      .addFor(w, names::kFireIApplication4_0_64Bit, names::kFireIApplication4_0_32Bit)
      .add(sonyZclName(w, system))
      .add(names::kImagingSourceIcCapture2_3)
      .add(names::kImagingSourceCameraDriver)
      .addFor(o, names::kUbCore6_00Pro1394A1394BDrivers64Bit, names::kUbCore6_00Pro1394A1394BDrivers32Bit)
      .addFor(o, names::kFireIApplication4_0_64Bit, names::kFireIApplication4_0_32Bit)
      .add(sonyZclName(o, SonyZclSystem::Other))
      .add(sonyZclName(o, SonyZclSystem::Windows7))
      .add(sonyZclName(o, SonyZclSystem::Windows8))
      .add(names::kMvs2_2_3)
      .add(names::kMvs2_3_1)
      .add(names::kMvs2_4_0)
      .add(names::kMvs3_0_0)
      .add(names::kMvs3_1_0)
      .add(names::kMvs3_2_0)
      .take();
}

EntryList cameraDrivers2PageRows(bool is64BitSystem) {
  const bool w = is64BitSystem;
  const bool o = !is64BitSystem;
  return GroupRows(groups::kThirdPartySoftwares)
      .addFor(w, names::kBaslerPylonSdk2_3_5_2633_64Bit, names::kBaslerPylonSdk2_3_5_2633_32Bit)
      .addFor(w, names::kBaslerPylonSdk3_2_3_3215_64Bit, names::kBaslerPylonSdk3_2_3_3215_32Bit)
      .addFor(w, names::kBaslerPylon4Runtime4_0_1_3425_64Bit, names::kBaslerPylon4Runtime4_0_1_3425_32Bit)
      .addFor(o, names::kBaslerPylonSdk2_3_5_2633_64Bit, names::kBaslerPylonSdk2_3_5_2633_32Bit)
      .addFor(o, names::kBaslerPylonSdk3_2_3_3215_64Bit, names::kBaslerPylonSdk3_2_3_3215_32Bit)
      .addFor(o, names::kBaslerPylon4Runtime4_0_1_3425_64Bit, names::kBaslerPylon4Runtime4_0_1_3425_32Bit)
      .addFor(w, names::kPylon4CameraSoftwareSuite4_2_2_5468_64Bit, names::kPylon4CameraSoftwareSuite4_2_2_5468_32Bit)
      .addFor(o, names::kPylon4CameraSoftwareSuite4_2_2_5468_64Bit, names::kPylon4CameraSoftwareSuite4_2_2_5468_32Bit)
      .add(names::kAvtUniversalPackage2_2_0)
      .add(names::kAvtFirePackage2_11)
      .add(names::kPylon5CameraSoftwareSuite5_0_5_8999)
      .add(names::kPylon5CameraSoftwareSuite5_0_10_10613)
      .add(names::kPylon5CameraSoftwareSuite5_0_12_11830)
      .add(names::kPylon6CameraSoftwareSuite6_1_0_19674)
      .take();
}

}  // namespace components::page_rows
