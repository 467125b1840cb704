// Catalog tables: the 3D toolbox "Vivid Sight". Every build is offered as four
// rows in a fixed order: the build's archive, its template list, its
// demo-profile list and its readme. The names, files and server folders of the
// four follow from the build's archive name and file stem.

#include "components/catalog_tables.h"
#include "components/component_names.h"
#include "components/group_names.h"
#include "components/install_data_folders.h"

namespace components::catalog_tables {

namespace {

struct ToolboxBuild {
  std::string_view archiveName;  // name of the archive row, the build's name in the page's list
  std::string_view fileStem;     // start of the four file names, and the build's server folder
};

// In the order of the page's build list.
constexpr ToolboxBuild kPy27Builds[] = {
    {names::kVividSight1_0_0_333, "1.0.0.333"},   {names::kVividSight1_0_0_355, "1.0.0.355"},
    {names::kVividSight1_0_0_383, "1.0.0.383"},   {names::kVividSight1_0_0_550, "1.0.0.550"},
    {names::kVividSight1_0_0_612, "1.0.0.612"},   {names::kVividSight1_0_0_719, "1.0.0.719"},
    {names::kVividSight1_0_0_758, "1.0.0.758"},   {names::kVividSight1_0_0_819, "1.0.0.819"},
    {names::kVividSight1_0_0_1114, "1.0.0.1114"},
};

constexpr ToolboxBuild kPy36Builds[] = {
    {names::kVividSight1_0_0_819_02Python36, "1.0.0.819_02_Py36"},
    {names::kVividSight1_0_0_1114Python36, "1.0.0.1114_Py36"},
};

struct ToolboxRowKind {
  std::string_view nameEnding;  // after the build's name, before the Python 3.6 tail
  std::string_view fileEnding;  // after the file stem
  bool refreshOnDownload;       // lists and readme files are fetched anew on refresh
  bool confirmedByDetection;    // only the archive is detected after its install
};

constexpr ToolboxRowKind kRowKinds[] = {
    {{}, "_Files.zip", false, true},
    {names::kToolboxTemplatesEnding, "_ZTC.txt", true, false},
    {names::kToolboxDemoProfilesEnding, "_ZTP.txt", true, false},
    {names::kToolboxReadmeEnding, "_readme.rtf", true, false},
};

constexpr std::string_view kToolboxInstallArguments = " ";

std::vector<CatalogEntry> toolboxEntries(std::span<const ToolboxBuild> builds, std::string_view group,
                                         std::string_view nameTail,
                                         file_server::ServerFolder (*folderOf)(std::string_view),
                                         std::string_view downloadSubfolder) {
  std::vector<CatalogEntry> entries;
  entries.reserve(builds.size() * std::size(kRowKinds));
  for (const ToolboxBuild& build : builds) {
    // The build's own name without the tail: "Vivid Sight 1.0.0.1114" for
    // "Vivid Sight 1.0.0.1114 (Python 36)".
    std::string_view base = build.archiveName;
    if (!nameTail.empty() && base.ends_with(nameTail)) {
      base.remove_suffix(nameTail.size());
    }
    const std::string serverFolder = file_server::folderPath(folderOf(build.fileStem));
    for (const ToolboxRowKind& kind : kRowKinds) {
      CatalogEntry entry;
      entry.group = std::string(group);
      entry.name = std::string(base).append(kind.nameEnding).append(nameTail);
      entry.serverFolder = serverFolder;
      entry.fileName = std::string(build.fileStem).append(kind.fileEnding);
      entry.installArguments = std::string(kToolboxInstallArguments);
      entry.isMsiPackage = false;
      entry.downloadSubfolder = std::string(downloadSubfolder);
      entry.installedBy = InstalledBy::Recipe;
      entry.refreshOnDownload = kind.refreshOnDownload;
      entry.sizeHint = 0;
      entry.confirmedByDetection = kind.confirmedByDetection;
      entries.push_back(std::move(entry));
    }
  }
  return entries;
}

file_server::ServerFolder py27FolderOf(std::string_view stem) { return file_server::vividSightFolder(stem); }
file_server::ServerFolder py36FolderOf(std::string_view stem) { return file_server::vividSightPy36Folder(stem); }

}  // namespace

std::vector<CatalogEntry> toolboxVividSightEntries() {
  return toolboxEntries(kPy27Builds, groups::kToolboxVividSight, {}, py27FolderOf,
                        install_data::subfolder::kToolboxVividSight);
}

std::vector<CatalogEntry> toolboxVividSightPy36Entries() {
  return toolboxEntries(kPy36Builds, groups::kToolboxVividSightPy36, names::kPython36Tail, py36FolderOf,
                        install_data::subfolder::kToolboxVividSightPy36);
}

}  // namespace components::catalog_tables
