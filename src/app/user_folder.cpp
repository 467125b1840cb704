#include "app/user_folder.h"

#include "app/folders.h"

namespace app {

namespace {
bool g_existedAtStart = false;
}

std::string userFolderPath() {
  std::string documents;
  if (!getMyDocumentsFolderPath(documents)) return {};
  return documents + "\\" + kUserFolderName;
}

void recordUserFolderAtStart() {
  const std::string folder = userFolderPath();
  g_existedAtStart = !folder.empty() && folderExists(folder.c_str());
}

bool userFolderExistedAtStart() { return g_existedAtStart; }

}  // namespace app
