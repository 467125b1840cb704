#include "sessions/unzip_entry_name.h"

#include <windows.h>

bool isEntryNameInsideFolder(const std::string& name) {
  if (name.empty() || name[0] == '\\') return false;
  if (name.find(':') != std::string::npos) return false;
  size_t start = 0;
  while (start <= name.size()) {
    size_t end = name.find('\\', start);
    if (end == std::string::npos) end = name.size();
    // ".." climbs; so do "...", ".. " and the like once the system drops a
    // part's trailing dots and blanks. A lone "." stays where it is.
    const std::string part = name.substr(start, end - start);
    if (!part.empty() && part != "." && part.find_first_not_of(". ") == std::string::npos) return false;
    start = end + 1;
  }
  return true;
}

std::string joinEntryPath(const std::string& folder, const std::string& name) {
  if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
  return folder + '\\' + name;
}

namespace {

bool fullPath(const std::string& path, std::string& full) {
  char buffer[MAX_PATH];
  const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, buffer, nullptr);
  if (length == 0 || length >= MAX_PATH) return false;
  full.assign(buffer, length);
  return true;
}

}  // namespace

bool isPathBelowFolder(const std::string& path, const std::string& folder) {
  std::string fullFolder, fullTarget;
  if (!fullPath(folder, fullFolder) || !fullPath(path, fullTarget)) return false;
  if (fullFolder.back() != '\\') fullFolder += '\\';
  if (fullTarget.size() <= fullFolder.size()) return false;
  return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, fullTarget.c_str(), static_cast<int>(fullFolder.size()),
                        fullFolder.c_str(), static_cast<int>(fullFolder.size())) == CSTR_EQUAL;
}
