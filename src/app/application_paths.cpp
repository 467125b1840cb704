#include "app/application_paths.h"

#include <windows.h>

namespace app {
namespace {

std::string& storedApplicationFolder() {
  static std::string folder;
  return folder;
}

}  // namespace

std::string folderOfModulePath(const std::string& modulePath) {
  const size_t cut = modulePath.find_last_of("\\/");
  return cut == std::string::npos ? modulePath : modulePath.substr(0, cut);
}

bool readApplicationFolder(std::string& folder) {
  folder.clear();
  char modulePath[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, modulePath, MAX_PATH);
  // A name that fills the buffer was cut short: treat it as unreadable rather
  // than build every data path on a wrong folder.
  if (length == 0 || length >= MAX_PATH) return false;
  folder = folderOfModulePath(std::string(modulePath, length));
  return true;
}

const std::string& applicationFolder() { return storedApplicationFolder(); }

void setApplicationFolder(const std::string& folder) { storedApplicationFolder() = folder; }

}  // namespace app
