#pragma once
// The whole catalog as tab-separated text, for the test world: it makes sure
// its file server holds every file the catalog names. One header line, then
// one line per row of every group (the help files last), each ending in "\n":
//
//   group  name  serverPath  fileName  installArguments  downloadFolder  isMsiPackage  installedBy
//
// serverPath is the row's download address without the server's base address
// (empty for a row that downloads nothing); downloadFolder is the folder below
// the data folder; isMsiPackage is 0 or 1; installedBy is "runs file",
// "recipe" or "download only". A tab or line break inside a value would break
// the format and is written as a blank.

#include <string>
#include <string_view>

namespace components::catalog_listing {

inline constexpr std::string_view kHeader =
    "group\tname\tserverPath\tfileName\tinstallArguments\tdownloadFolder\tisMsiPackage\tinstalledBy\n";

std::string listing();

}  // namespace components::catalog_listing
