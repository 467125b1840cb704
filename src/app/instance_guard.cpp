#include "app/instance_guard.h"

#include <windows.h>

#include <cstring>

#include "app/running_processes.h"

namespace app {
namespace {

constexpr const char* kInstallerMarker = "_Installer_";

}  // namespace

std::vector<std::string> runningProcessModuleNames() {
  std::vector<std::string> names;
  try {
    for (DWORD pid : runningProcessIds()) {
      if (pid == 0) continue;
      std::string name = firstModuleBaseName(pid);
      if (!name.empty()) names.push_back(std::move(name));
    }
  } catch (...) {
    return {};
  }
  return names;
}

bool matchesExactName(const std::string& moduleName, const char* exactName) {
  return exactName != nullptr && _stricmp(moduleName.c_str(), exactName) == 0;
}

bool matchesInstallerPrefix(const std::string& moduleName, const char* prefix) {
  if (prefix == nullptr) return false;
  return moduleName.rfind(prefix, 0) == 0 && moduleName.find(kInstallerMarker) != std::string::npos;
}

int countProcessesByExactName(const std::vector<std::string>& moduleNames, const char* exactName) {
  int count = 0;
  for (const auto& name : moduleNames) count += matchesExactName(name, exactName) ? 1 : 0;
  return count;
}

int countInstallerProcessesByPrefix(const std::vector<std::string>& moduleNames, const char* prefix) {
  int count = 0;
  for (const auto& name : moduleNames) count += matchesInstallerPrefix(name, prefix) ? 1 : 0;
  return count;
}

InstanceConflict findInstanceConflict(const std::vector<std::string>& moduleNames) {
  // The running program counts itself under the first two rules.
  if (countProcessesByExactName(moduleNames, kOwnExecutableName) > 1) return InstanceConflict::SameInstaller;
  if (countInstallerProcessesByPrefix(moduleNames, kVisionSoftwareInstallerPrefix) > 1) {
    return InstanceConflict::OtherVisionSoftwareInstaller;
  }
  if (countInstallerProcessesByPrefix(moduleNames, kLumenixSdkInstallerPrefix) > 0) {
    return InstanceConflict::LumenixSdkInstaller;
  }
  if (countInstallerProcessesByPrefix(moduleNames, kSonySmartCamsInstallerPrefix) > 0) {
    return InstanceConflict::SonySmartCamsInstaller;
  }
  return InstanceConflict::None;
}

const char* instanceConflictMessage(InstanceConflict conflict) {
  switch (conflict) {
    case InstanceConflict::SameInstaller:
      return "Error: Another instance of the installer is already running. Unable to initiate the second "
             "instance.\n\nPlease close all other instances of the installer application and try again.\n\n";
    case InstanceConflict::OtherVisionSoftwareInstaller:
      return "Error: Another instance of 'Zephrion Vision Software Installer' is already running. Unable to "
             "initiate the second instance.\n\nPlease close all other instances of the installer application and "
             "try again.\n\n";
    case InstanceConflict::LumenixSdkInstaller:
      return "Error: 'Zephrion Lumenix SDK Installer' is running. Unable to initiate 'Zephrion Vision Software "
             "Installer'.\n\nPlease close all instances of 'Zephrion Lumenix SDK Installer' application and try "
             "again.\n\n";
    case InstanceConflict::SonySmartCamsInstaller:
      return "Error: 'Zephrion Vision Apps for SmartCams from Sony Installer' is running. Unable to initiate "
             "'Zephrion Vision Software Installer'.\n\nPlease close all instances of 'Zephrion Vision Apps for "
             "SmartCams from Sony Installer' application and try again.\n\n";
    case InstanceConflict::None:
      break;
  }
  return "";
}

bool runInstanceGuard(const InstanceGuardHooks& hooks) {
  auto conflictNow = [&] { return findInstanceConflict(hooks.listProcesses()); };
  if (conflictNow() == InstanceConflict::None) return true;

  hooks.showPleaseWait();
  bool cleared = false;
  // The main thread sleeps without processing messages: the installer has no
  // window yet, only the please-wait window.
  for (int attempt = 0; attempt < kInstanceGuardWaits && !cleared; ++attempt) {
    hooks.sleep(kInstanceGuardWaitMs);
    cleared = conflictNow() == InstanceConflict::None;
  }
  hooks.hidePleaseWait();
  if (cleared) return true;

  const InstanceConflict conflict = conflictNow();
  if (conflict == InstanceConflict::None) return true;
  hooks.showMessage(instanceConflictMessage(conflict));
  return false;
}

}  // namespace app
