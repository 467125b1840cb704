#include "app/folders.h"

#include <windows.h>
#include <shlobj.h>

#include <cstdio>
#include <cstring>

#include "app/application_paths.h"
#include "components/install_data_folders.h"
#include "app/folder_walk.h"

namespace app {

namespace {
DWORD attributesOf(const char* path) { return GetFileAttributesA(path); }
}  // namespace

bool folderExists(const char* path) {
  if (path == nullptr) return false;
  const DWORD attributes = attributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool fileExists(const char* path) {
  if (path == nullptr) return false;
  const DWORD attributes = attributesOf(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool pathExists(const std::string& path) { return attributesOf(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool createFolderPath(const char* path) {
  if (path == nullptr || path[0] == '\0') return false;
  if (folderExists(path)) return true;
  const std::string full = path;
  // Every parent is attempted; failures on existing parents and the drive are
  // harmless.
  for (size_t i = 1; i < full.size(); ++i) {
    if (full[i] == '\\' || full[i] == '/') CreateDirectoryA(full.substr(0, i).c_str(), nullptr);
  }
  if (!folderExists(path)) CreateDirectoryA(path, nullptr);
  return folderExists(path);
}

bool deleteFolderTree(const char* folder, const char* requiredSubstring) {
  return deleteFolderTreeWith(realFolderWalkOps(), folder, requiredSubstring);
}

bool isFolderWritable(const char* folder) {
  if (folder == nullptr) return false;
  char testFile[MAX_PATH + 16];
  snprintf(testFile, sizeof(testFile), "%s\\testFile.txt", folder);
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(testFile, &found);
  if (find != INVALID_HANDLE_VALUE) {
    FindClose(find);
    SetFileAttributesA(testFile, FILE_ATTRIBUTE_ARCHIVE);
    DeleteFileA(testFile);
  }
  HANDLE file = CreateFileA(testFile, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_ARCHIVE,
                            nullptr);
  const bool created = file != INVALID_HANDLE_VALUE;
  if (created) CloseHandle(file);
  if (fileExists(testFile)) {
    SetFileAttributesA(testFile, FILE_ATTRIBUTE_ARCHIVE);
    DeleteFileA(testFile);
  }
  return created;
}

bool getMyDocumentsFolderPath(std::string& path) {
  char documents[MAX_PATH] = {};
  path.clear();
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, SHGFP_TYPE_CURRENT, documents))) return false;
  path = documents;
  return !path.empty();
}

std::string dataFolderPath() {
  return components::install_data::dataFolderPath(applicationFolder());
}

bool deleteDataFolder() {
  const std::string folder = dataFolderPath();
  if (!folderExists(folder.c_str())) return true;
  return deleteFolderTree(folder.c_str(), folder.c_str());
}

bool isPlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (char c : name) {
    if (c == '\\' || c == '/' || c == ':' || static_cast<unsigned char>(c) < 0x20) return false;
  }
  return true;
}

}  // namespace app
