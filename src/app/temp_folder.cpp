#include "app/temp_folder.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "components/install_data_folders.h"
#include "app/folder_walk.h"
#include "app/folders.h"
#include "platform/debug_log.h"

namespace app {

std::string tempSubFolderPath() {
  char temp[MAX_PATH + 1] = {};
  const DWORD length = GetTempPathA(MAX_PATH, temp);
  if (length == 0 || length > MAX_PATH) return {};
  return std::string(temp) + std::string(components::install_data::kTempSubFolderName);
}

bool cleanUpTempSubFolder() {
  const std::string folder = tempSubFolderPath();
  if (folder.empty()) {
    platform::debugOutput("cleanUpTempSubFolder - unable to get temp directory\n");
    return false;
  }
  if (folderExists(folder.c_str())) {
    deleteFolderContentsWith(realFolderWalkOps(), folder);
  } else {
    CreateDirectoryA(folder.c_str(), nullptr);
  }
  if (folderExists(folder.c_str())) return true;
  platform::debugOutput("cleanUpTempSubFolder - unable to create temp sub-folder\n");
  return false;
}

bool createTempSubFolder(char* buffer, const char* name) {
  if (name == nullptr) {
    platform::debugOutput("createTempSubFolder - NULL pointer 1\n");
    return false;
  }
  if (buffer == nullptr) {
    platform::debugOutput("createTempSubFolder - NULL pointer 2\n");
    return false;
  }
  buffer[0] = '\0';
  const std::string folder = tempSubFolderPath();
  if (folder.empty()) {
    platform::debugOutput("createTempSubFolder - unable to get temp directory\n");
    return false;
  }
  if (!folderExists(folder.c_str())) CreateDirectoryA(folder.c_str(), nullptr);
  if (!folderExists(folder.c_str())) {
    platform::debugOutput("createTempSubFolder - unable to create Zephrion temp directory\n");
    return false;
  }
  const std::string subFolder = folder + "\\" + name;
  // An old folder that cannot be removed would hand back stale content.
  const bool oldFolderGone = !folderExists(subFolder.c_str()) || deleteFolderTree(subFolder.c_str(), subFolder.c_str());
  if (oldFolderGone) CreateDirectoryA(subFolder.c_str(), nullptr);
  if (!oldFolderGone || !folderExists(subFolder.c_str())) {
    platform::debugOutput("createTempSubFolder - unable to create Zephrion temp sub-directory\n");
    return false;
  }
  snprintf(buffer, kTempSubFolderBufferSize, "%s", subFolder.c_str());
  return true;
}

int copyRenamedFileToWindowsTempFolder(const char* newFileName, const char* existingFile, char* outputPath) {
  if (existingFile == nullptr) {
    platform::debugOutput("copyRenamedFileToWindowsTempFolder - Null argument 2\n");
    return -1;
  }
  if (newFileName == nullptr) {
    platform::debugOutput("copyRenamedFileToWindowsTempFolder - Null argument 3\n");
    return -1;
  }
  if (outputPath == nullptr) {
    platform::debugOutput("copyRenamedFileToWindowsTempFolder - Null argument 4\n");
    return -1;
  }
  outputPath[0] = '\0';
  if (!fileExists(existingFile)) {
    platform::debugOutput("copyRenamedFileToWindowsTempFolder - unable to locate original file\n");
    return -2;
  }
  const std::string folder = tempSubFolderPath();
  if (folder.empty()) {
    platform::debugOutput("copyRenamedFileToWindowsTempFolder - unable to get temp directory\n");
    return -3;
  }
  if (!folderExists(folder.c_str())) CreateDirectoryA(folder.c_str(), nullptr);
  const std::string target = folder + "\\" + newFileName;
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_ARCHIVE);
  DeleteFileA(target.c_str());
  if (!CopyFileA(existingFile, target.c_str(), FALSE)) {
    platform::debugOutput("copyRenamedFileToWindowsTempFolder - unable to copy and rename file\n");
    return -4;
  }
  snprintf(outputPath, MAX_PATH, "%s", target.c_str());
  return 1;
}

}  // namespace app
