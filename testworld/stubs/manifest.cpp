#include "manifest.h"

#include <windows.h>
#include <msi.h>
#include <shlobj.h>

#include <cstdlib>

#include "stub_common.h"

namespace stubs {

namespace {

std::vector<std::string> splitTabs(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  while (true) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
    if (tab == std::string::npos) break;
    start = tab + 1;
  }
  return fields;
}

std::wstring shellFolder(int csidl) {
  wchar_t buffer[MAX_PATH] = {};
  const HRESULT result = SHGetFolderPathW(nullptr, csidl | CSIDL_FLAG_DONT_VERIFY, nullptr, SHGFP_TYPE_CURRENT, buffer);
  if (FAILED(result)) {
    logLine(L"shell folder " + std::to_wstring(csidl) + L" failed: " + std::to_wstring(static_cast<unsigned long>(result)));
    return {};
  }
  return buffer;
}

HKEY hiveOf(const std::wstring& name) {
  if (name == L"HKLM" || name == L"HKEY_LOCAL_MACHINE") return HKEY_LOCAL_MACHINE;
  if (name == L"HKCU" || name == L"HKEY_CURRENT_USER") return HKEY_CURRENT_USER;
  if (name == L"HKCR" || name == L"HKEY_CLASSES_ROOT") return HKEY_CLASSES_ROOT;
  return nullptr;
}

std::wstring readRegistryText(HKEY hive, const std::wstring& key, const std::wstring& value) {
  wchar_t buffer[4096] = {};
  DWORD size = sizeof(buffer) - sizeof(wchar_t);
  if (RegGetValueW(hive, key.c_str(), value.empty() ? nullptr : value.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                   nullptr, buffer, &size) != ERROR_SUCCESS) {
    return {};
  }
  return buffer;
}

// "[HKLM\key|value]" -> the registry text.
std::wstring registryPlaceholder(const std::wstring& inner) {
  const size_t slash = inner.find(L'\\');
  const size_t bar = inner.rfind(L'|');
  if (slash == std::wstring::npos || bar == std::wstring::npos || bar < slash) return {};
  const HKEY hive = hiveOf(inner.substr(0, slash));
  if (hive == nullptr) return {};
  return readRegistryText(hive, inner.substr(slash + 1, bar - slash - 1), inner.substr(bar + 1));
}

std::wstring namedPlaceholder(const std::wstring& name, bool& known) {
  known = true;
  if (name == L"Self") return selfPath();
  if (name == L"SelfDir") return folderOf(selfPath());
  if (name == L"SystemX86") return shellFolder(CSIDL_SYSTEMX86);
  if (name == L"Documents") return shellFolder(CSIDL_PERSONAL);
  if (name == L"ProgramFilesX86") return shellFolder(CSIDL_PROGRAM_FILESX86);
  if (name == L"CommonDesktop") return shellFolder(CSIDL_COMMON_DESKTOPDIRECTORY);
  if (name == L"CommonPrograms") return shellFolder(CSIDL_COMMON_PROGRAMS);
  if (name.rfind(L"HKLM\\", 0) == 0 || name.rfind(L"HKCU\\", 0) == 0) return registryPlaceholder(name);
  known = false;
  return {};
}

// Deletes `key` and its parents while they hold nothing, stopping at the
// second level so shared keys such as SOFTWARE are never touched.
void deleteKeyIfEmpty(HKEY hive, std::wstring key) {
  while (key.find(L'\\') != std::wstring::npos) {
    HKEY handle = nullptr;
    if (RegOpenKeyExW(hive, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) {
      key = folderOf(key);
      continue;
    }
    DWORD subkeys = 0, values = 0;
    RegQueryInfoKeyW(handle, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr, nullptr,
                     nullptr, nullptr);
    RegCloseKey(handle);
    if (subkeys != 0 || values != 0) return;
    if (RegDeleteKeyW(hive, key.c_str()) != ERROR_SUCCESS) return;
    key = folderOf(key);
  }
}

bool copyTree(const std::wstring& source, const std::wstring& target) {
  createFolders(target);
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((source + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  do {
    const std::wstring name = found.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring from = source + L"\\" + name;
    const std::wstring to = target + L"\\" + name;
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      ok = copyTree(from, to) && ok;
    } else {
      ok = CopyFileW(from.c_str(), to.c_str(), FALSE) != FALSE && ok;
    }
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return ok;
}

bool writeRegistryValue(const std::vector<std::wstring>& f) {
  const HKEY hive = hiveOf(f[0]);
  if (hive == nullptr) return false;
  HKEY key = nullptr;
  if (RegCreateKeyExW(hive, f[1].c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const wchar_t* name = f[2].empty() ? nullptr : f[2].c_str();
  LONG result = ERROR_INVALID_PARAMETER;
  if (f[3] == L"dword") {
    const DWORD number = static_cast<DWORD>(std::wcstoul(f[4].c_str(), nullptr, 0));
    result = RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof(number));
  } else {
    const DWORD type = f[3] == L"expand" ? REG_EXPAND_SZ : REG_SZ;
    result = RegSetValueExW(key, name, 0, type, reinterpret_cast<const BYTE*>(f[4].c_str()),
                            static_cast<DWORD>((f[4].size() + 1) * sizeof(wchar_t)));
  }
  RegCloseKey(key);
  return result == ERROR_SUCCESS;
}

bool installMsi(const Payload& payload, const std::string& entry) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring path = std::wstring(temp) + L"zw_" + widen(entry);
  if (!writeWholeFile(path, payload.entry(entry))) return false;
  MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
  const UINT result = MsiInstallProductW(path.c_str(), L"ALLUSERS=1 REBOOT=ReallySuppress");
  DeleteFileW(path.c_str());
  logLine(L"msi install " + widen(entry) + L" -> " + std::to_wstring(result));
  return result == ERROR_SUCCESS;
}

bool removeMsi(const std::wstring& productCode) {
  MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
  const UINT result = MsiConfigureProductW(productCode.c_str(), INSTALLLEVEL_DEFAULT, INSTALLSTATE_ABSENT);
  logLine(L"msi remove " + productCode + L" -> " + std::to_wstring(result));
  return result == ERROR_SUCCESS || result == ERROR_UNKNOWN_PRODUCT;
}

// The fields an action needs at least (beyond the verb).
size_t requiredFields(const std::string& verb) {
  if (verb == "reg") return 5;
  if (verb == "if-ini") return 5;
  if (verb == "file" || verb == "extract" || verb == "copy" || verb == "copytree" || verb == "msi") return 2;
  if (verb == "end-if") return 0;
  return 1;
}

}  // namespace

bool Manifest::parse(const std::string& text) {
  actions_.clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    std::vector<std::string> fields = splitTabs(line);
    ManifestAction action{fields[0], {fields.begin() + 1, fields.end()}};
    if (action.fields.size() < requiredFields(action.verb)) {
      logLine(L"manifest: too few fields: " + widen(line));
      return false;
    }
    actions_.push_back(std::move(action));
  }
  return true;
}

std::wstring Manifest::expand(const std::string& field) {
  const std::wstring raw = widen(field);
  std::wstring withPlaceholders;
  size_t position = 0;
  while (position < raw.size()) {
    const size_t open = raw.find(L'[', position);
    const size_t close = open == std::wstring::npos ? std::wstring::npos : raw.find(L']', open);
    if (close == std::wstring::npos) {
      withPlaceholders += raw.substr(position);
      break;
    }
    withPlaceholders += raw.substr(position, open - position);
    bool known = false;
    const std::wstring value = namedPlaceholder(raw.substr(open + 1, close - open - 1), known);
    withPlaceholders += known ? value : raw.substr(open, close - open + 1);
    position = close + 1;
  }
  std::wstring expanded(32768, L'\0');
  const DWORD length =
      ExpandEnvironmentStringsW(withPlaceholders.c_str(), expanded.data(), static_cast<DWORD>(expanded.size()));
  if (length == 0 || length > expanded.size()) return withPlaceholders;
  expanded.resize(length - 1);
  return expanded;
}

std::string Manifest::option(const std::string& verb) const {
  for (const ManifestAction& action : actions_) {
    if (action.verb == verb && !action.fields.empty()) return action.fields[0];
  }
  return {};
}

// Conditions are read when the setup or the uninstaller runs: an uninstall
// undoes the branch that matches the computer at that time.
std::vector<const ManifestAction*> Manifest::activeActions() const {
  std::vector<const ManifestAction*> active;
  bool skipping = false;
  for (const ManifestAction& action : actions_) {
    if (action.verb == "if-ini") {
      const std::wstring file = expand(action.fields[0]);
      wchar_t value[1024] = {};
      GetPrivateProfileStringW(expand(action.fields[1]).c_str(), expand(action.fields[2]).c_str(),
                               expand(action.fields[3]).c_str(), value, 1024, file.c_str());
      // An invalid stored value counts as the default, as the installer reads it.
      std::wstring current = value;
      const std::wstring choices = L"|" + expand(action.fields[4]) + L"|";
      skipping = choices.find(L"|" + current + L"|") == std::wstring::npos;
      logLine(L"if-ini " + file + L": \"" + current + (skipping ? L"\" skips" : L"\" applies"));
      continue;
    }
    if (action.verb == "end-if") {
      skipping = false;
      continue;
    }
    if (!skipping) active.push_back(&action);
  }
  return active;
}

int Manifest::install(const Payload& payload) const {
  int exitCode = 0;
  for (const ManifestAction* action : activeActions()) {
    std::vector<std::wstring> f;
    for (const std::string& field : action->fields) f.push_back(expand(field));
    const std::string& verb = action->verb;
    bool ok = true;
    if (verb == "reg") {
      ok = writeRegistryValue(f);
    } else if (verb == "dir") {
      ok = createFolders(f[0]);
    } else if (verb == "file") {
      ok = writeWholeFile(f[0], narrow(f[1]));
    } else if (verb == "extract") {
      ok = writeWholeFile(f[1], payload.entry(action->fields[0]));
    } else if (verb == "uninstaller") {
      ok = writeWholeFile(f[0], Payload::appendTo(payload.entry("uninstaller.exe"), payload.raw()));
    } else if (verb == "copy") {
      if (GetFileAttributesW(f[0].c_str()) != INVALID_FILE_ATTRIBUTES) {
        createFolders(folderOf(f[1]));
        ok = CopyFileW(f[0].c_str(), f[1].c_str(), FALSE) != FALSE;
      }
    } else if (verb == "copytree") {
      if (GetFileAttributesW(f[0].c_str()) != INVALID_FILE_ATTRIBUTES) ok = copyTree(f[0], f[1]);
    } else if (verb == "msi") {
      ok = installMsi(payload, action->fields[0]);
    } else if (verb == "linger") {
      Sleep(static_cast<DWORD>(std::strtoul(action->fields[0].c_str(), nullptr, 10)));
    } else if (verb == "exit") {
      exitCode = std::atoi(action->fields[0].c_str());
      break;
    }
    if (verb == "copy" || verb == "copytree") logLine(widen(verb) + L" " + f[0] + L" -> " + f[1] + (ok ? L"" : L" failed"));
    if (!ok) {
      logLine(L"setup action failed: " + widen(verb) + L" " + (f.empty() ? L"" : f[0]));
      exitCode = 1;
    }
  }
  return exitCode;
}

int Manifest::uninstall() const {
  const std::vector<const ManifestAction*> active = activeActions();
  int exitCode = 0;
  for (auto it = active.rbegin(); it != active.rend(); ++it) {
    const ManifestAction* action = *it;
    std::vector<std::wstring> f;
    for (const std::string& field : action->fields) f.push_back(expand(field));
    const std::string& verb = action->verb;
    bool ok = true;
    if (verb == "reg") {
      const HKEY hive = hiveOf(f[0]);
      HKEY key = nullptr;
      if (hive != nullptr && RegOpenKeyExW(hive, f[1].c_str(), 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
        RegDeleteValueW(key, f[2].empty() ? nullptr : f[2].c_str());
        RegCloseKey(key);
        deleteKeyIfEmpty(hive, f[1]);
      }
    } else if (verb == "dir") {
      RemoveDirectoryW(f[0].c_str());
    } else if (verb == "file") {
      DeleteFileW(f[0].c_str());
    } else if (verb == "uninstaller") {
      // The running uninstaller cannot delete itself; Windows removes it at the next start.
      if (!DeleteFileW(f[0].c_str())) MoveFileExW(f[0].c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    } else if (verb == "extract" || verb == "copy") {
      DeleteFileW(f[1].c_str());
    } else if (verb == "copytree") {
      removeTree(f[1]);
    } else if (verb == "msi") {
      ok = removeMsi(f[1]);
    }
    if (!ok) exitCode = 1;
  }
  return exitCode;
}

}  // namespace stubs
