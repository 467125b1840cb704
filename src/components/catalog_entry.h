#pragma once
// One component of the catalog: everything needed to build its row except the
// page cells and the two folders that are known only at run time (the
// executable's folder and the server's base address).

#include <cstdint>
#include <string>

namespace components {

// Who installs the downloaded file.
enum class InstalledBy {
  RunsFile,      // the download session runs the file (msiexec /i for an MSI package)
  Recipe,        // the session only downloads; the component's install recipe does the rest
  DownloadOnly,  // nothing is installed (help files)
};

struct CatalogEntry {
  std::string group;              // the group (page) that lists it
  std::string name;               // the component's name
  std::string serverFolder;       // folder on the server, from "/" to the trailing "/"
  std::string fileName;           // file in that folder and in the download folder
  std::string installArguments;   // kept byte for byte: " " and "" are different values
  bool isMsiPackage = false;
  std::string downloadSubfolder;  // folder below the data folder
  InstalledBy installedBy = InstalledBy::RunsFile;
  bool refreshOnDownload = false; // deleted by "delete old downloads" limited to refreshable rows
  std::int32_t sizeHint = 0;
  // False for the toolbox rows that are lists or readme files: they count as
  // installed once their recipe has run, without detecting them again.
  bool confirmedByDetection = true;

  // Path of the file on the server (server folder and file name).
  std::string serverPath() const { return serverFolder + fileName; }
};

}  // namespace components
