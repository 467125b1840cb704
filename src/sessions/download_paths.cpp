#include "sessions/download_paths.h"

#include <windows.h>

namespace sessions {

DownloadPaths downloadPathsFor(const std::string& folder, const std::string& fileName) {
  DownloadPaths paths;
  paths.finalPath = folder + "\\" + fileName;
  paths.tempPath = paths.finalPath + "tmp";
  paths.backupPath = paths.finalPath + "bk";
  return paths;
}

bool pathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool deleteFileForcibly(const std::string& path) {
  if (!pathExists(path)) return true;
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  DeleteFileA(path.c_str());
  return !pathExists(path);
}

bool moveReplacing(const std::string& target, const std::string& source) {
  if (!pathExists(source)) return false;
  if (pathExists(target)) SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  return MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void restoreBackup(const DownloadPaths& paths) {
  if (!pathExists(paths.finalPath) && pathExists(paths.backupPath)) moveReplacing(paths.finalPath, paths.backupPath);
  if (pathExists(paths.backupPath)) deleteFileForcibly(paths.backupPath);
}

bool deleteDownloadedFiles(const DownloadPaths& paths) {
  const bool tempGone = deleteFileForcibly(paths.tempPath);
  if (!deleteFileForcibly(paths.finalPath)) return false;
  return tempGone;
}

}  // namespace sessions
