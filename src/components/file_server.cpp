#include "components/file_server.h"

#include <windows.h>

#include <vector>

namespace components::file_server {

namespace {

// The fixed part of each family's path, below kFilesRoot (or below "/zephrion/"
// for the outside family). Families with a subfolder get it appended, then "/".
constexpr std::string_view kSuiteRepository = "InstallerRepositories/Zephrion12.0/760/ZephrionVisionSoftware/";
constexpr std::string_view kHelpFiles = "InstallerRepositories/Zephrion12.0/760/ZephrionVisionSoftware/HelpFiles/";
constexpr std::string_view kPythonPackageLists = "InstallerRepositories/Zephrion12.0/760/PythonPackages/";
constexpr std::string_view kThirdPartyInstallers = "InstallerDownloads/_Installers3rdParty/";
constexpr std::string_view kPy27Packages = "InstallerDownloads/_Modules/Py27/";
constexpr std::string_view kPy36Packages = "InstallerDownloads/_Modules/Py36/";
constexpr std::string_view kSuiteModules = "InstallerDownloads/_Modules/";
constexpr std::string_view kVividSightToolbox = "InstallerDownloads/ZeprionTemplateToolboxes/VividSight/";
constexpr std::string_view kVividSightPy36Toolbox = "InstallerDownloads/ZeprionTemplateToolboxes/VividSightPy36/";
constexpr std::string_view kSuiteDownloads = "InstallerDownloads/Zephrion12.0/760/";
constexpr std::string_view kPrerequisites = "ZephrionPreRequisites/";
constexpr std::string_view kProductDownloads = "InstallerDownloads/";
constexpr std::string_view kOutsideRoot = "/zephrion/";

std::string withSubfolder(std::string_view root, std::string_view prefix, std::string_view subfolder) {
  std::string path;
  path.reserve(root.size() + prefix.size() + subfolder.size() + 1);
  path.append(root).append(prefix);
  if (!subfolder.empty()) {
    path.append(subfolder).push_back('/');
  }
  return path;
}

}  // namespace

std::string baseAddress() {
  // Query the size first: the variable may hold any length.
  DWORD size = GetEnvironmentVariableA(kBaseAddressVariable, nullptr, 0);
  if (size > 1) {
    std::vector<char> buffer(size);
    DWORD length = GetEnvironmentVariableA(kBaseAddressVariable, buffer.data(), size);
    if (length > 0 && length < size) {
      std::string value(buffer.data(), length);
      while (!value.empty() && value.back() == '/') {
        value.pop_back();
      }
      if (!value.empty()) {
        return value;
      }
    }
  }
  return std::string(kDefaultBaseAddress);
}

std::string folderPath(const ServerFolder& folder) {
  switch (folder.family) {
    case PathFamily::SuiteRepository: return withSubfolder(kFilesRoot, kSuiteRepository, {});
    case PathFamily::HelpFiles: return withSubfolder(kFilesRoot, kHelpFiles, {});
    case PathFamily::PythonPackageLists: return withSubfolder(kFilesRoot, kPythonPackageLists, {});
    case PathFamily::ThirdPartyInstallers: return withSubfolder(kFilesRoot, kThirdPartyInstallers, folder.subfolder);
    case PathFamily::Py27Packages: return withSubfolder(kFilesRoot, kPy27Packages, folder.subfolder);
    case PathFamily::Py36Packages: return withSubfolder(kFilesRoot, kPy36Packages, folder.subfolder);
    case PathFamily::SuiteModules: return withSubfolder(kFilesRoot, kSuiteModules, folder.subfolder);
    case PathFamily::VividSightToolbox: return withSubfolder(kFilesRoot, kVividSightToolbox, folder.subfolder);
    case PathFamily::VividSightPy36Toolbox: return withSubfolder(kFilesRoot, kVividSightPy36Toolbox, folder.subfolder);
    case PathFamily::SuiteDownloads: return withSubfolder(kFilesRoot, kSuiteDownloads, {});
    case PathFamily::Prerequisites: return withSubfolder(kFilesRoot, kPrerequisites, {});
    case PathFamily::ProductDownloads: return withSubfolder(kFilesRoot, kProductDownloads, folder.subfolder);
    case PathFamily::OutsideFiles: return withSubfolder(kOutsideRoot, {}, folder.subfolder);
  }
  return std::string(kFilesRoot);
}

std::string filePath(const ServerFolder& folder, std::string_view fileName) {
  std::string path = folderPath(folder);
  path.append(fileName);
  return path;
}

std::string addressOf(std::string_view serverPath) {
  std::string address = baseAddress();
  address.append(serverPath);
  return address;
}

std::string fileAddress(const ServerFolder& folder, std::string_view fileName) {
  return addressOf(filePath(folder, fileName));
}

std::string serverPathOf(std::string_view address) {
  const std::string base = baseAddress();
  if (address.size() < base.size() || address.substr(0, base.size()) != base) {
    return {};
  }
  return std::string(address.substr(base.size()));
}

}  // namespace components::file_server
