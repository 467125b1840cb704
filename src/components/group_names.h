#pragma once
// Group names of the component rows: the catalog's groups, one per page or
// pair of pages. The component-selection dialog groups rows by them.

#include <string_view>

namespace components::groups {

inline constexpr std::string_view kPrerequisites = "Prerequisites";
inline constexpr std::string_view kCoreComponents = "Core Components";
inline constexpr std::string_view kLumenixSdkInstaller = "Zephrion Lumenix SDK Installer";
inline constexpr std::string_view kRecommendedExtensions = "Recommended Zephrion Extensions";
inline constexpr std::string_view kRecommendedExtensionsPy36 = "Recommended Zephrion Extensions (Python 36)";
inline constexpr std::string_view kOptionalExtensions = "Optional Zephrion Extensions";
inline constexpr std::string_view kOptionalExtensionsPy36 = "Optional Zephrion Extensions (Python 36)";
inline constexpr std::string_view kOptionalModules = "Optional Zephrion Modules";
inline constexpr std::string_view kOptionalModules2 = "Optional Zephrion Modules 2";
inline constexpr std::string_view kUtilitySoftware = "Optional Utility Software";
inline constexpr std::string_view kIoSystem = "Zephrion IO System";
inline constexpr std::string_view kThirdPartySoftwares = "3rd Party Softwares";
inline constexpr std::string_view kToolboxVividSight = "3D Toolbox Vivid Sight";
inline constexpr std::string_view kToolboxVividSightPy36 = "3D Toolbox Vivid Sight (Python 36)";
inline constexpr std::string_view kHelpFiles = "Help Files";

}  // namespace components::groups
