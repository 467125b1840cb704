#pragma once
// The keys of the wizard's pages (each page's uiDlgName): the sheet navigates
// by them, looks up display titles with them and names help files after them.

#include <string_view>

namespace wizard::page_keys {

inline constexpr std::string_view kWelcome = "Installation Welcome";
inline constexpr std::string_view kResources = "Resources";
inline constexpr std::string_view kReadmeNotes = "Readme Notes";
inline constexpr std::string_view kPrerequisites = "Prerequisite Installation";
inline constexpr std::string_view kCoreInstallation = "Core Installation";
inline constexpr std::string_view kCoreInstallationStatus = "CoreComponents";
inline constexpr std::string_view kRecommendedExtensions = "Recommended Extensions";
inline constexpr std::string_view kToolbox = "Toolbox - Vivid Sight";
inline constexpr std::string_view kOptionalExtensions = "Optional Extensions";
inline constexpr std::string_view kTemplates = "ZTC - Tool Components";
inline constexpr std::string_view kRecommendedExtensionsPy36 = "Recommended Extensions (Python 36)";
inline constexpr std::string_view kToolboxPy36 = "Toolbox - Vivid Sight (Python 36)";
inline constexpr std::string_view kOptionalExtensionsPy36 = "Optional Extensions (Python 36)";
inline constexpr std::string_view kTemplatesPy36 = "ZTC - Tool Components (Python 36)";
inline constexpr std::string_view kSummary = "Installation Complete";
inline constexpr std::string_view kImportProfiles = "Import Zephrion Profiles";
inline constexpr std::string_view kDemoProfiles = "Demonstration Profiles";
inline constexpr std::string_view kDemoProfilesPy36 = "Demonstration Profiles (Python 36)";
inline constexpr std::string_view kTutorials = "Tutorials";
inline constexpr std::string_view kModules = "Image Processing Options";
inline constexpr std::string_view kModules2 = "Modules";
inline constexpr std::string_view kCameraDrivers1 = "3rd Party Camera Drivers - 1";
inline constexpr std::string_view kCameraDrivers2 = "3rd Party Camera Drivers - 2";
inline constexpr std::string_view kIoDrivers = "3rd Party IO Drivers";
inline constexpr std::string_view kUtilities = "Optional Utility Software I";
inline constexpr std::string_view kUtilities2 = "Optional Utility Software II";
inline constexpr std::string_view kHalvorenUtilities = "Halvoren Utilities";

}  // namespace wizard::page_keys
