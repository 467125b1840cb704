#pragma once
// The catalog's group tables as compiled-in data (internal to the catalog).
// Each table lists its rows in the order the page shows them unless the page
// says otherwise; catalog.cpp turns them into CatalogEntry values.

#include <span>
#include <string_view>
#include <vector>

#include "components/catalog_entry.h"
#include "components/file_server.h"

namespace components::catalog_tables {

struct CatalogTableRow {
  std::string_view name;
  file_server::ServerFolder folder;
  std::string_view fileName;
  std::string_view installArguments;
  bool isMsiPackage;
  std::string_view downloadSubfolder;
  InstalledBy installedBy;
};

inline constexpr bool kMsi = true;
inline constexpr bool kNotMsi = false;
inline constexpr InstalledBy kRunsFile = InstalledBy::RunsFile;
inline constexpr InstalledBy kRecipe = InstalledBy::Recipe;

std::span<const CatalogTableRow> prerequisitesTable();
std::span<const CatalogTableRow> coreComponentsTable();
std::span<const CatalogTableRow> lumenixSdkInstallerTable();
std::span<const CatalogTableRow> recommendedExtensionsTable();
std::span<const CatalogTableRow> recommendedExtensionsPy36Table();
std::span<const CatalogTableRow> optionalExtensionsTable();
std::span<const CatalogTableRow> optionalExtensionsPy36Table();
std::span<const CatalogTableRow> optionalModulesTable();
std::span<const CatalogTableRow> optionalModules2Table();
std::span<const CatalogTableRow> utilitySoftwareTable();
std::span<const CatalogTableRow> ioSystemTable();
std::span<const CatalogTableRow> thirdPartySoftwaresTable();

// The toolbox groups are made by rule: four rows per build.
std::vector<CatalogEntry> toolboxVividSightEntries();
std::vector<CatalogEntry> toolboxVividSightPy36Entries();

}  // namespace components::catalog_tables
