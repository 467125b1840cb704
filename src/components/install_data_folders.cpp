#include "components/install_data_folders.h"

namespace components::install_data {

std::string downloadFolderPath(std::string_view applicationFolder, std::string_view subfolder) {
  std::string folder;
  folder.reserve(applicationFolder.size() + kDataFolderName.size() + subfolder.size() + 2);
  folder.append(applicationFolder).append("\\").append(kDataFolderName).append("\\").append(subfolder);
  return folder;
}

}  // namespace components::install_data
