#include "app/folder_walk.h"

#include <windows.h>

#include <cstring>

#include "app/folders.h"

namespace app {
namespace {

constexpr size_t kMinGuardedLength = 6;

std::vector<FolderEntry> findEntries(const std::string& folder) {
  std::vector<FolderEntry> entries;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA((folder + "\\*.*").c_str(), &found);
  if (find == INVALID_HANDLE_VALUE) return entries;
  do {
    if (strcmp(found.cFileName, ".") == 0 || strcmp(found.cFileName, "..") == 0) continue;
    entries.push_back({found.cFileName, found.dwFileAttributes});
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return entries;
}

void deleteEntry(const FolderWalkOps& ops, const std::string& path, const FolderEntry& entry,
                 const char* requiredSubstring) {
  if (entry.attributes & FILE_ATTRIBUTE_REPARSE_POINT) {
    // A link or junction: remove the link, never descend into its target.
    if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (!ops.removeDirectory(path)) ops.deleteFile(path);
    } else {
      ops.deleteFile(path);
    }
  } else if (entry.attributes & FILE_ATTRIBUTE_DIRECTORY) {
    deleteFolderTreeWith(ops, path.c_str(), requiredSubstring ? requiredSubstring : path.c_str());
  } else {
    ops.setArchiveAttribute(path);
    if (!ops.deleteFile(path)) ops.removeDirectory(path);
  }
}

}  // namespace

const FolderWalkOps& realFolderWalkOps() {
  static const FolderWalkOps ops{
      findEntries,
      [](const std::string& path) { return RemoveDirectoryA(path.c_str()) != FALSE; },
      [](const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; },
      [](const std::string& path) { SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_ARCHIVE); },
      [](const std::string& path) { return pathExists(path); },
  };
  return ops;
}

bool deleteFolderTreeWith(const FolderWalkOps& ops, const char* folder, const char* requiredSubstring) {
  if (folder == nullptr || strlen(folder) <= kMinGuardedLength) return false;
  if (requiredSubstring == nullptr || strstr(folder, requiredSubstring) == nullptr) return false;
  for (const FolderEntry& entry : ops.listEntries(folder)) {
    deleteEntry(ops, std::string(folder) + "/" + entry.name, entry, requiredSubstring);
  }
  ops.removeDirectory(folder);
  // Success means the folder is gone, also when it was never there.
  return !ops.pathExists(folder);
}

void deleteFolderContentsWith(const FolderWalkOps& ops, const std::string& folder) {
  for (const FolderEntry& entry : ops.listEntries(folder)) {
    deleteEntry(ops, folder + "/" + entry.name, entry, nullptr);
  }
}

}  // namespace app
