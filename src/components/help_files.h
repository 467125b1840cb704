#pragma once
// The help files of the wizard pages. Each page key has a help file on the
// server ("760Help - <key>.rtf"); the wizard keeps one row per key of its help
// topics, and the help window builds a row for whatever page is active (also
// for a key without a file on the server: the download then reports it).

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "components/catalog_entry.h"
#include "components/component_row.h"
#include "components/text_cell.h"

namespace components::help_files {

// First part of every help row's name ("<prefix> - <page title>").
inline constexpr std::string_view kHelpRowNamePrefix = "Zephrion Vision Software Help File";
// Release prefix of the help file names ("760Help - <key>.rtf").
inline constexpr std::string_view kHelpFileRelease = "760";

// The page keys that have a help row in the wizard, in the wizard's order.
std::span<const std::string_view> topicKeys();

// "760Help - <key>.rtf".
std::string helpFileName(std::string_view key);

// "Zephrion Vision Software Help File - <title>".
std::string helpRowName(std::string_view title);

// The help entry of a page key; title is the page's display title (the key
// itself where the page has none of its own).
CatalogEntry helpFileEntry(std::string_view key, std::string_view title);

// One entry per topic key, in order, each named after its key.
std::vector<CatalogEntry> helpFileEntries();

// The help row of a page key, ready for the wizard's help-file manager or the
// help window.
ComponentRow makeHelpFileRow(std::string_view key, std::string_view title, std::string_view applicationFolder,
                             RowCells cells = {});

}  // namespace components::help_files
