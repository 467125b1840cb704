#pragma once
// The file system calls of the folder-tree deletion, behind one seam so tests
// can present entries that a test machine cannot make (for example a
// junction, which the deletion must remove without following).

#include <functional>
#include <string>
#include <vector>

namespace app {

struct FolderEntry {
  std::string name;
  unsigned long attributes = 0;
};

struct FolderWalkOps {
  std::function<std::vector<FolderEntry>(const std::string& folder)> listEntries;
  std::function<bool(const std::string& path)> removeDirectory;
  std::function<bool(const std::string& path)> deleteFile;
  std::function<void(const std::string& path)> setArchiveAttribute;
  std::function<bool(const std::string& path)> pathExists;
};

// The real calls.
const FolderWalkOps& realFolderWalkOps();

// deleteFolderTree over the given calls.
bool deleteFolderTreeWith(const FolderWalkOps& ops, const char* folder, const char* requiredSubstring);

// Deletes everything inside `folder` (the folder stays): links are removed
// themselves, subfolders through deleteFolderTreeWith with their own path as
// the required text, files after their attributes are reset.
void deleteFolderContentsWith(const FolderWalkOps& ops, const std::string& folder);

}  // namespace app
