#pragma once
// Where the program keeps its files. The data folder beside the executable is
// the download cache: together with the executable it forms a self-contained
// installer copy that can be moved to another computer.

namespace app {

inline constexpr const char* kDataFolderName = "_ZephrionInstallData";
inline constexpr const char* kInstallerCopiesFolderName = "_ZephrionInstallers";
inline constexpr const char* kTempSubFolderName = "Zephrion10_9267";

// Subfolders of the data folder, one per kind of download.
namespace data_subfolder {
inline constexpr const char* kPrerequisites = "Prerequisites";
inline constexpr const char* kZephrionRuntime = "ZephrionRuntime";
inline constexpr const char* kZephrionVisionSoftware = "ZephrionVisionSoftware";
inline constexpr const char* kZephrionLumenixSDK = "ZephrionLumenixSDK";
inline constexpr const char* kLumenixSDKInstaller = "LumenixSDKInstaller";
inline constexpr const char* kModules = "Modules";
inline constexpr const char* kModules2 = "Modules2";
inline constexpr const char* kUtilities = "Utilities";
inline constexpr const char* kInstallations3rdParty = "Installations3rdParty";
inline constexpr const char* kIOSystem = "IOSystem";
inline constexpr const char* kExtensionsPy27Python2D = "ExtensionsPY27\\Python2D";
inline constexpr const char* kExtensionsPy27Python3D = "ExtensionsPY27\\Python3D";
inline constexpr const char* kExtensionsPy27PythonMySQL = "ExtensionsPY27\\PythonMySQL";
inline constexpr const char* kExtensionsPy27PythonNet = "ExtensionsPY27\\PythonNet";
inline constexpr const char* kExtensionsPy27OpenCV = "ExtensionsPY27\\OpenCV";
inline constexpr const char* kExtensionsPy27PythonOtherExt = "ExtensionsPY27\\PythonOtherExt";
inline constexpr const char* kExtensionsPy27Packages = "ExtensionsPY27\\Packages\\12_0_0";
inline constexpr const char* kExtensionsPy36Python2D = "ExtensionsPY36\\Python2D";
inline constexpr const char* kExtensionsPy36Python3D = "ExtensionsPY36\\Python3D";
inline constexpr const char* kExtensionsPy36PythonNet = "ExtensionsPY36\\PythonNet";
inline constexpr const char* kExtensionsPy36OpenCV = "ExtensionsPY36\\OpenCV";
inline constexpr const char* kExtensionsPy36PythonOtherExt = "ExtensionsPY36\\PythonOtherExt";
inline constexpr const char* kExtensionsPy36Packages = "ExtensionsPY36\\Packages\\12_0_0";
inline constexpr const char* kExtensionsOthers = "ExtensionsOthers";
inline constexpr const char* kToolboxVividSight = "ToolboxVividSight";
inline constexpr const char* kToolboxVividSightPy36 = "ToolboxVividSightPy36";
inline constexpr const char* kTemplates = "Templates\\12_0_0";
inline constexpr const char* kTemplatesPy36 = "TemplatesPy36\\12_0_0";
inline constexpr const char* kDemoProfiles = "DemoProfiles\\12_0_0";
inline constexpr const char* kDemoProfilesPy36 = "DemoProfilesPy36\\12_0_0";
inline constexpr const char* kTutorials = "Tutorials\\12_0_0";
inline constexpr const char* kResources = "Resources\\12_0_0";
inline constexpr const char* kReadme = "Readme\\12_0_0";
inline constexpr const char* kHelp = "_Help2Zephrion\\12_0_0";
}  // namespace data_subfolder

}  // namespace app
