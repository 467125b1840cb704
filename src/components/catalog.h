#pragma once
// The component catalog: every group of components the pages list, in the
// order of the pages, and the way a page turns a catalog entry into its row.
//
// Name lookups come in two kinds, as the rest of the system needs them: the
// per-component operations compare names ignoring letter case, while a page's
// manager finds its rows by exact name.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "components/catalog_entry.h"
#include "components/component_row.h"
#include "components/text_cell.h"

namespace components::catalog {

struct CatalogGroup {
  std::string name;
  std::vector<CatalogEntry> entries;
};

// Every group with the entries in page order. Built once on first use; the
// entries hold server paths, not addresses, so the server's base address is
// applied when a row is made. Help files are a group of their own (help_files.h).
const std::vector<CatalogGroup>& groups();

const CatalogGroup* findGroup(std::string_view groupName);

// Exact, case-sensitive lookups; null when absent.
const CatalogEntry* findEntry(std::string_view groupName, std::string_view name);

// Whole-text comparison ignoring letter case, as the per-component operations
// compare a row's name with a catalog name.
bool namesEqualIgnoringCase(std::string_view a, std::string_view b);

// Names that the per-component operations know although no page lists them.
std::span<const std::string_view> namesBuiltByNoPage();

// True when the name is a catalog name (ignoring case), including the names
// built by no page. Any other name has no detection, recipe or uninstall.
bool isCatalogName(std::string_view name);

// Who installs the component of that name (ignoring case); empty for a name
// the catalog does not know.
std::optional<InstalledBy> installedByForName(std::string_view name);

// False for a toolbox list or readme row (ignoring case): such a row counts as
// installed once its recipe succeeded. True for every other name.
bool installConfirmedByDetection(std::string_view name);

// The row a page builds for an entry: download address from the server's base
// address in use now, download folder below the data folder beside
// applicationFolder (the executable's folder, without a trailing backslash).
ComponentRow makeRow(const CatalogEntry& entry, std::string_view applicationFolder, RowCells cells = {});

}  // namespace components::catalog
