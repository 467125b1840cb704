#pragma once
// Addresses on the vendor's file server. Every file the installer fetches
// lives in one of a few folder families below "/zephrion/files/" (plus one
// folder outside it); this is the only place where those folders are spelled
// out and where an address is put together from the server's base address,
// a folder and a file name.
//
// The base address (scheme, host and port, no trailing slash) is built in; the
// environment variable ZEPHRION_FILE_SERVER replaces it, so a test run or the
// demo can point the installer at a local server.

#include <string>
#include <string_view>

namespace components::file_server {

// Built-in base address of the vendor's file server.
inline constexpr std::string_view kDefaultBaseAddress = "http://files.zephrion.example";
// Environment variable that overrides the base address.
inline constexpr const char* kBaseAddressVariable = "ZEPHRION_FILE_SERVER";

// Common prefix of every folder except the outside ones.
inline constexpr std::string_view kFilesRoot = "/zephrion/files/";

// The folder families of the server.
enum class PathFamily {
  SuiteRepository,       // runtime and SDK installers, catalog list files, upgrade information, readme
  HelpFiles,             // help files of the wizard pages
  PythonPackageLists,    // the Python package-set lists
  ThirdPartyInstallers,  // installers of outside vendors, one folder per vendor
  Py27Packages,          // Python 2.7 runtimes and packages, one folder per package
  Py36Packages,          // Python 3.6 runtimes and packages, one folder per package
  SuiteModules,          // suite modules ("IPP", "SMARTcard")
  VividSightToolbox,     // 3D toolbox builds for Python 2.7, one folder per version
  VividSightPy36Toolbox, // 3D toolbox builds for Python 3.6, one folder per version
  SuiteDownloads,        // the suite's own installer downloads
  Prerequisites,         // prerequisites
  ProductDownloads,      // downloads of single suite products, one folder per product
  OutsideFiles,          // folders beside "/zephrion/files/", directly below "/zephrion/"
};

// A folder on the server: a family, and for the families that have them the
// vendor, package, module, version or product folder inside it (which may
// itself hold a "/", as "SonyZCL/2.12.2").
struct ServerFolder {
  PathFamily family;
  std::string_view subfolder;
};

constexpr ServerFolder suiteRepositoryFolder() { return {PathFamily::SuiteRepository, {}}; }
constexpr ServerFolder helpFilesFolder() { return {PathFamily::HelpFiles, {}}; }
constexpr ServerFolder pythonPackageListsFolder() { return {PathFamily::PythonPackageLists, {}}; }
constexpr ServerFolder thirdPartyFolder(std::string_view vendor) { return {PathFamily::ThirdPartyInstallers, vendor}; }
constexpr ServerFolder py27PackageFolder(std::string_view package) { return {PathFamily::Py27Packages, package}; }
constexpr ServerFolder py36PackageFolder(std::string_view package) { return {PathFamily::Py36Packages, package}; }
constexpr ServerFolder suiteModuleFolder(std::string_view module) { return {PathFamily::SuiteModules, module}; }
constexpr ServerFolder vividSightFolder(std::string_view version) { return {PathFamily::VividSightToolbox, version}; }
constexpr ServerFolder vividSightPy36Folder(std::string_view version) { return {PathFamily::VividSightPy36Toolbox, version}; }
constexpr ServerFolder suiteDownloadsFolder() { return {PathFamily::SuiteDownloads, {}}; }
constexpr ServerFolder prerequisitesFolder() { return {PathFamily::Prerequisites, {}}; }
constexpr ServerFolder productDownloadsFolder(std::string_view product) { return {PathFamily::ProductDownloads, product}; }
constexpr ServerFolder outsideFilesFolder(std::string_view folder) { return {PathFamily::OutsideFiles, folder}; }

// The base address in use: ZEPHRION_FILE_SERVER when it is set and not empty
// (a trailing "/" is dropped), else the built-in default. Read on every call,
// so a change of the variable applies to every address formed afterwards.
std::string baseAddress();

// Path of a folder on the server, from the leading "/" to the trailing "/",
// for example "/zephrion/files/InstallerDownloads/_Installers3rdParty/Basler/".
std::string folderPath(const ServerFolder& folder);

// Path of a file on the server: folderPath(folder) followed by the file name.
std::string filePath(const ServerFolder& folder, std::string_view fileName);

// Full address of a server path: the base address followed by the path.
std::string addressOf(std::string_view serverPath);

// Full address of a file: base address, folder path, file name.
std::string fileAddress(const ServerFolder& folder, std::string_view fileName);

// The server path of an address formed with the current base address, that is
// the address without the base; empty when the address does not begin with it.
std::string serverPathOf(std::string_view address);

}  // namespace components::file_server
