#pragma once
// Names of the data folder beside the executable and of the download
// subfolders the component rows use. The data folder is a cache: every row
// downloads into <executable folder>\_ZephrionInstallData\<subfolder>, so the
// folder and the executable together form a self-contained installer copy.
// Subfolders may hold a backslash ("ExtensionsPY27\\OpenCV").

#include <string>
#include <string_view>

namespace components::install_data {

// The data folder, beside the executable.
inline constexpr std::string_view kDataFolderName = "_ZephrionInstallData";
// Installer copies, beside the data folder.
inline constexpr std::string_view kInstallerCopiesFolderName = "_ZephrionInstallers";
// The program's own subfolder of the user's temporary folder (emptied at
// every start).
inline constexpr std::string_view kTempSubFolderName = "Zephrion10_9267";

namespace subfolder {
inline constexpr std::string_view kPrerequisites = "Prerequisites";
inline constexpr std::string_view kZephrionRuntime = "ZephrionRuntime";
inline constexpr std::string_view kZephrionVisionSoftware = "ZephrionVisionSoftware";
inline constexpr std::string_view kZephrionLumenixSdk = "ZephrionLumenixSDK";
inline constexpr std::string_view kLumenixSdkInstaller = "LumenixSDKInstaller";
inline constexpr std::string_view kModules = "Modules";
inline constexpr std::string_view kModules2 = "Modules2";
inline constexpr std::string_view kUtilities = "Utilities";
inline constexpr std::string_view kInstallations3rdParty = "Installations3rdParty";
inline constexpr std::string_view kIoSystem = "IOSystem";
inline constexpr std::string_view kPy27Python2D = "ExtensionsPY27\\Python2D";
inline constexpr std::string_view kPy27Python3D = "ExtensionsPY27\\Python3D";
inline constexpr std::string_view kPy27PythonMySql = "ExtensionsPY27\\PythonMySQL";
inline constexpr std::string_view kPy27PythonNet = "ExtensionsPY27\\PythonNet";
inline constexpr std::string_view kPy27OpenCv = "ExtensionsPY27\\OpenCV";
inline constexpr std::string_view kPy27PythonOtherExt = "ExtensionsPY27\\PythonOtherExt";
inline constexpr std::string_view kPy27Packages = "ExtensionsPY27\\Packages\\12_0_0";
inline constexpr std::string_view kPy36Python2D = "ExtensionsPY36\\Python2D";
inline constexpr std::string_view kPy36Python3D = "ExtensionsPY36\\Python3D";
inline constexpr std::string_view kPy36PythonNet = "ExtensionsPY36\\PythonNet";
inline constexpr std::string_view kPy36OpenCv = "ExtensionsPY36\\OpenCV";
inline constexpr std::string_view kPy36PythonOtherExt = "ExtensionsPY36\\PythonOtherExt";
inline constexpr std::string_view kPy36Packages = "ExtensionsPY36\\Packages\\12_0_0";
inline constexpr std::string_view kExtensionsOthers = "ExtensionsOthers";
inline constexpr std::string_view kToolboxVividSight = "ToolboxVividSight";
inline constexpr std::string_view kToolboxVividSightPy36 = "ToolboxVividSightPy36";
inline constexpr std::string_view kTemplates = "Templates\\12_0_0";
inline constexpr std::string_view kTemplatesPy36 = "TemplatesPy36\\12_0_0";
inline constexpr std::string_view kDemoProfiles = "DemoProfiles\\12_0_0";
inline constexpr std::string_view kDemoProfilesPy36 = "DemoProfilesPy36\\12_0_0";
inline constexpr std::string_view kTutorials = "Tutorials\\12_0_0";
inline constexpr std::string_view kResources = "Resources\\12_0_0";
inline constexpr std::string_view kReadme = "Readme\\12_0_0";
inline constexpr std::string_view kHelpFiles = "_Help2Zephrion\\12_0_0";
}  // namespace subfolder

// "<applicationFolder>\_ZephrionInstallData": the data folder beside the
// executable.
inline std::string dataFolderPath(std::string_view applicationFolder) {
  return std::string(applicationFolder).append("\\").append(kDataFolderName);
}

// "<applicationFolder>\_ZephrionInstallData\<subfolder>": the local folder
// of a download. applicationFolder is the executable's folder without a
// trailing backslash.
std::string downloadFolderPath(std::string_view applicationFolder, std::string_view subfolder);

}  // namespace components::install_data
