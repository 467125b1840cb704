#include "components/install_data_folders.h"

namespace components::install_data {

std::string downloadFolderPath(std::string_view applicationFolder, std::string_view subfolder) {
  return dataFolderPath(applicationFolder).append("\\").append(subfolder);
}

}  // namespace components::install_data
