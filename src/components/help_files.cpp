#include "components/help_files.h"

#include <array>

#include "components/catalog.h"
#include "components/file_server.h"
#include "components/group_names.h"
#include "components/install_data_folders.h"

namespace components::help_files {

namespace {

constexpr std::array<std::string_view, 21> kTopicKeys = {
    "Installation Welcome",
    "Resources",
    "Readme Notes",
    "Prerequisite Installation",
    "Core Installation",
    "Recommended Extensions",
    "Toolbox - Vivid Sight",
    "Optional Extensions",
    "ZTC - Tool Components",
    "Installation Complete",
    "Import Zephrion Profiles",
    "Demonstration Profiles",
    "Tutorials",
    "Image Processing Options",
    "Modules",
    "3rd Party Camera Drivers - 1",
    "3rd Party Camera Drivers - 2",
    "3rd Party IO Drivers",
    "Optional Utility Software I",
    "Optional Utility Software II",
    "Halvoren Utilities",
};

}  // namespace

std::span<const std::string_view> topicKeys() { return kTopicKeys; }

std::string helpFileName(std::string_view key) {
  return std::string(kHelpFileRelease).append("Help - ").append(key).append(".rtf");
}

std::string helpRowName(std::string_view title) {
  return std::string(kHelpRowNamePrefix).append(" - ").append(title);
}

CatalogEntry helpFileEntry(std::string_view key, std::string_view title) {
  CatalogEntry entry;
  entry.group = std::string(groups::kHelpFiles);
  entry.name = helpRowName(title);
  entry.serverFolder = file_server::folderPath(file_server::helpFilesFolder());
  entry.fileName = helpFileName(key);
  entry.installArguments.clear();
  entry.isMsiPackage = false;
  entry.downloadSubfolder = std::string(install_data::subfolder::kHelpFiles);
  entry.installedBy = InstalledBy::DownloadOnly;
  entry.refreshOnDownload = true;
  entry.sizeHint = 0;
  entry.confirmedByDetection = true;
  return entry;
}

std::vector<CatalogEntry> helpFileEntries() {
  std::vector<CatalogEntry> entries;
  entries.reserve(kTopicKeys.size());
  for (std::string_view key : kTopicKeys) entries.push_back(helpFileEntry(key, key));
  return entries;
}

ComponentRow makeHelpFileRow(std::string_view key, std::string_view title, std::string_view applicationFolder,
                             RowCells cells) {
  return catalog::makeRow(helpFileEntry(key, title), applicationFolder, cells);
}

}  // namespace components::help_files
