#pragma once
// Which catalog entries each component page builds, in the page's row order.
// The row index is the position in these lists, which the pages' buttons use.
// Choices that depend on the computer (a detected VC++ build, the system's
// width, the Windows version) come in as arguments, so the pages pass what the
// detection found.

#include <functional>
#include <string_view>
#include <vector>

#include "components/catalog_entry.h"

namespace components::page_rows {

using EntryList = std::vector<const CatalogEntry*>;

// Tells whether exactly the VC++ 2017 runtime build 14.15.26706 is installed.
using Vc2017BuildDetected = std::function<bool()>;

struct PrerequisitesRows {
  EntryList rows;                                // the nine rows of the page
  const CatalogEntry* otherVcRuntime = nullptr;  // the VC++ row not shown, kept for installer copies
};

// Row 5 is "MS VC++ 2017 Redist 14.15.26706" when that build is detected,
// otherwise "MS VC++ 2015-2019 Redist (x86) 14.26.28720"; the other one is
// otherVcRuntime. An empty function counts as "not detected".
PrerequisitesRows prerequisitesPageRows(const Vc2017BuildDetected& isVc2017BuildDetected);

// "Core Installation": runtime, suite, SDK installer.
EntryList coreInstallationPageRows();
// "Core Installation Status": runtime, suite.
EntryList coreInstallationStatusPageRows();

// Every entry of a group, in the group's order (the pages whose rows are
// exactly their group: extensions, toolbox, modules, IO system).
EntryList groupRows(std::string_view groupName);

// "Optional Utility Software I": the first seven utilities.
EntryList utilitiesPageRows();
// "Optional Utility Software II": rows 0 and 6 are the TightVNC and TortoiseHg
// builds of the system's width, rows 3 and 7 the other builds.
EntryList utilities2PageRows(bool is64BitSystem);

// The Sony ZCL build offered on a system.
enum class SonyZclSystem { Windows7, Windows8, Other };

// "3rd Party Camera Drivers - 1": rows 0 to 4 for the system's width, rows 5
// to 9 the other width's drivers (downloaded only), rows 10 to 15 the MVS builds.
EntryList cameraDrivers1PageRows(bool is64BitSystem, SonyZclSystem system);
// "3rd Party Camera Drivers - 2": Basler in both widths, AVT, Pylon 5 and 6.
EntryList cameraDrivers2PageRows(bool is64BitSystem);

}  // namespace components::page_rows
