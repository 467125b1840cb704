#include "sessions/download_paths.h"

#include <windows.h>

#include "app/folders.h"
#include "components/install_sessions.h"

namespace sessions {

DownloadPaths downloadPathsFor(const std::string& folder, const std::string& fileName) {
  DownloadPaths paths;
  paths.finalPath = components::downloadedFilePath(folder, fileName);
  paths.tempPath = paths.finalPath + "tmp";
  paths.backupPath = paths.finalPath + "bk";
  return paths;
}

bool deleteFileForcibly(const std::string& path) {
  if (!app::pathExists(path)) return true;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
  return !app::pathExists(path);
}

bool moveReplacing(const std::string& target, const std::string& source) {
  if (!app::pathExists(source)) return false;
  if (app::pathExists(target)) SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void restoreBackup(const DownloadPaths& paths) {
  if (!app::pathExists(paths.finalPath) && app::pathExists(paths.backupPath)) moveReplacing(paths.finalPath, paths.backupPath);
  if (app::pathExists(paths.backupPath)) deleteFileForcibly(paths.backupPath);
}

bool deleteDownloadedFiles(const DownloadPaths& paths) {
  const bool tempGone = deleteFileForcibly(paths.tempPath);
  if (!deleteFileForcibly(paths.finalPath)) return false;
  return tempGone;
}

}  // namespace sessions
