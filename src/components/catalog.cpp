#include "components/catalog.h"

#include <algorithm>
#include <array>
#include <cctype>

#include "components/catalog_tables.h"
#include "components/component_names.h"
#include "components/file_server.h"
#include "components/group_names.h"
#include "components/install_data_folders.h"

namespace components::catalog {

namespace {

using catalog_tables::CatalogTableRow;

constexpr std::array<std::string_view, 2> kNamesBuiltByNoPage = {
    names::kZidadoVud1_0_0_3Files,
    names::kSharedMemoryCameraDriver,
};

// Both are installed by a recipe that unpacks an archive.
constexpr InstalledBy kNamesBuiltByNoPageInstalledBy = InstalledBy::Recipe;

CatalogGroup groupFromTable(std::string_view groupName, std::span<const CatalogTableRow> table) {
  CatalogGroup group;
  group.name = std::string(groupName);
  group.entries.reserve(table.size());
  for (const CatalogTableRow& row : table) {
    CatalogEntry entry;
    entry.group = group.name;
    entry.name = std::string(row.name);
    entry.serverFolder = file_server::folderPath(row.folder);
    entry.fileName = std::string(row.fileName);
    entry.installArguments = std::string(row.installArguments);
    entry.isMsiPackage = row.isMsiPackage;
    entry.downloadSubfolder = std::string(row.downloadSubfolder);
    entry.installedBy = row.installedBy;
    entry.refreshOnDownload = false;
    entry.sizeHint = 0;
    entry.confirmedByDetection = true;
    group.entries.push_back(std::move(entry));
  }
  return group;
}

CatalogGroup groupFromEntries(std::string_view groupName, std::vector<CatalogEntry> entries) {
  return CatalogGroup{std::string(groupName), std::move(entries)};
}

std::vector<CatalogGroup> buildGroups() {
  using namespace catalog_tables;
  std::vector<CatalogGroup> all;
  all.push_back(groupFromTable(groups::kPrerequisites, prerequisitesTable()));
  all.push_back(groupFromTable(groups::kCoreComponents, coreComponentsTable()));
  all.push_back(groupFromTable(groups::kLumenixSdkInstaller, lumenixSdkInstallerTable()));
  all.push_back(groupFromTable(groups::kRecommendedExtensions, recommendedExtensionsTable()));
  all.push_back(groupFromTable(groups::kRecommendedExtensionsPy36, recommendedExtensionsPy36Table()));
  all.push_back(groupFromTable(groups::kOptionalExtensions, optionalExtensionsTable()));
  all.push_back(groupFromTable(groups::kOptionalExtensionsPy36, optionalExtensionsPy36Table()));
  all.push_back(groupFromTable(groups::kOptionalModules, optionalModulesTable()));
  all.push_back(groupFromTable(groups::kOptionalModules2, optionalModules2Table()));
  all.push_back(groupFromTable(groups::kUtilitySoftware, utilitySoftwareTable()));
  all.push_back(groupFromTable(groups::kIoSystem, ioSystemTable()));
  all.push_back(groupFromTable(groups::kThirdPartySoftwares, thirdPartySoftwaresTable()));
  all.push_back(groupFromEntries(groups::kToolboxVividSight, toolboxVividSightEntries()));
  all.push_back(groupFromEntries(groups::kToolboxVividSightPy36, toolboxVividSightPy36Entries()));
  return all;
}

const CatalogEntry* findEntryIgnoringCase(std::string_view name) {
  for (const CatalogGroup& group : groups()) {
    for (const CatalogEntry& entry : group.entries) {
      if (namesEqualIgnoringCase(entry.name, name)) {
        return &entry;
      }
    }
  }
  return nullptr;
}

bool isNameBuiltByNoPage(std::string_view name) {
  return std::any_of(kNamesBuiltByNoPage.begin(), kNamesBuiltByNoPage.end(),
                     [name](std::string_view known) { return namesEqualIgnoringCase(known, name); });
}

}  // namespace

const std::vector<CatalogGroup>& groups() {
  // Built on first use and never changed afterwards; the main thread builds
  // rows, but a function-local static is safe from any thread anyway.
  static const std::vector<CatalogGroup> kGroups = buildGroups();
  return kGroups;
}

const CatalogGroup* findGroup(std::string_view groupName) {
  for (const CatalogGroup& group : groups()) {
    if (group.name == groupName) {
      return &group;
    }
  }
  return nullptr;
}

const CatalogEntry* findEntry(std::string_view groupName, std::string_view name) {
  const CatalogGroup* group = findGroup(groupName);
  if (group == nullptr) {
    return nullptr;
  }
  for (const CatalogEntry& entry : group->entries) {
    if (entry.name == name) {
      return &entry;
    }
  }
  return nullptr;
}

bool namesEqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) {
    return false;
  }
  for (std::size_t i = 0; i < a.size(); ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if (ca != cb && std::tolower(ca) != std::tolower(cb)) {
      return false;
    }
  }
  return true;
}

std::span<const std::string_view> namesBuiltByNoPage() { return kNamesBuiltByNoPage; }

bool isCatalogName(std::string_view name) {
  return findEntryIgnoringCase(name) != nullptr || isNameBuiltByNoPage(name);
}

std::optional<InstalledBy> installedByForName(std::string_view name) {
  if (const CatalogEntry* entry = findEntryIgnoringCase(name)) {
    return entry->installedBy;
  }
  if (isNameBuiltByNoPage(name)) {
    return kNamesBuiltByNoPageInstalledBy;
  }
  return std::nullopt;
}

bool installConfirmedByDetection(std::string_view name) {
  const CatalogEntry* entry = findEntryIgnoringCase(name);
  return entry == nullptr || entry->confirmedByDetection;
}

ComponentRow makeRow(const CatalogEntry& entry, std::string_view applicationFolder, RowCells cells) {
  return ComponentRow(entry.name, file_server::addressOf(entry.serverPath()), entry.fileName, entry.installArguments,
                      install_data::downloadFolderPath(applicationFolder, entry.downloadSubfolder),
                      entry.isMsiPackage, entry.sizeHint, entry.refreshOnDownload, cells, entry.group);
}

}  // namespace components::catalog
