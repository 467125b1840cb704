#include "app/launching.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>
#include <shellapi.h>

#include <cstdio>
#include <string>

#include "app/folders.h"
#include "app/temp_folder.h"
#include "platform/debug_log.h"

namespace app {
namespace {

int shellOpen(const char* file, const char* parameters, const char* workingFolder) {
  HINSTANCE result = ShellExecuteA(nullptr, "open", file, parameters, workingFolder, SW_SHOWNORMAL);
  return static_cast<int>(reinterpret_cast<INT_PTR>(result));
}

std::string shortcutNameForNow() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  char name[64];
  snprintf(name, sizeof(name), "hn%.4d%.2d%.2d%.2d%.2d%.2d%.3dtmp", now.wYear, now.wMonth, now.wDay, now.wHour,
           now.wMinute, now.wSecond, now.wMilliseconds);
  return name;
}

}  // namespace

int isPreVistaWindows(bool* preVista) {
  if (preVista != nullptr) *preVista = true;
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&version)) return -1;
#pragma GCC diagnostic pop
  if (version.dwPlatformId != VER_PLATFORM_WIN32_NT) return -2;
  if (preVista != nullptr) *preVista = version.dwMajorVersion < 6;
  return 1;
}

bool createShellShortcut(const char* arguments, const char* workingFolder, const char* shortcutName,
                         const char* folder, const char* target) {
  if (shortcutName == nullptr || folder == nullptr || target == nullptr) return false;
  const HRESULT init = CoInitialize(nullptr);
  bool saved = false;
  IShellLinkA* link = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                 reinterpret_cast<void**>(&link)))) {
    const bool set = SUCCEEDED(link->SetPath(target)) && SUCCEEDED(link->SetArguments(arguments ? arguments : "")) &&
                     SUCCEEDED(link->SetWorkingDirectory(workingFolder ? workingFolder : ""));
    IPersistFile* file = nullptr;
    if (set && SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
      char path[MAX_PATH * 2];
      snprintf(path, sizeof(path), "%s\\%s.lnk", folder, shortcutName);
      wchar_t widePath[MAX_PATH * 2];
      if (MultiByteToWideChar(CP_ACP, 0, path, -1, widePath, MAX_PATH * 2) > 0) {
        saved = SUCCEEDED(file->Save(widePath, TRUE));
      }
      file->Release();
    }
    link->Release();
  }
  if (SUCCEEDED(init)) CoUninitialize();
  return saved;
}

int launchAppManagingUACElevation(const char* parameters, const char* workingFolder, const char* file,
                                  int* shellResult) {
  if (file == nullptr) return -1;
  if (workingFolder == nullptr || shellResult == nullptr) return -2;
  *shellResult = 33;

  bool preVista = true;
  if (isPreVistaWindows(&preVista) != 1) {
    platform::debugOutput("launchAppManagingUACElevation - unable to query OS version\n");
    preVista = true;
  }
  auto launchDirectly = [&] {
    *shellResult = shellOpen(file, parameters, workingFolder);
    return 1;
  };
  if (preVista) return launchDirectly();

  char windowsFolder[MAX_PATH] = {};
  if (FAILED(SHGetFolderPathA(nullptr, CSIDL_WINDOWS, nullptr, SHGFP_TYPE_CURRENT, windowsFolder))) {
    platform::debugOutput("launchAppManagingUACElevation - unable to get windows directory\n");
    return launchDirectly();
  }
  char explorer[MAX_PATH + 16];
  snprintf(explorer, sizeof(explorer), "%s\\explorer.exe", windowsFolder);
  if (!fileExists(explorer)) {
    platform::debugOutput("launchAppManagingUACElevation - unable to locate explorer.exe\n");
    return launchDirectly();
  }

  if (parameters == nullptr) {
    *shellResult = shellOpen("explorer.exe", file, workingFolder);
    return 1;
  }

  const std::string tempFolder = tempSubFolderPath();
  if (tempFolder.empty()) {
    platform::debugOutput("launchAppManagingUACElevation - unable to get temp directory\n");
    return launchDirectly();
  }
  if (!folderExists(tempFolder.c_str())) CreateDirectoryA(tempFolder.c_str(), nullptr);
  const std::string name = shortcutNameForNow();
  if (!createShellShortcut(parameters, workingFolder, name.c_str(), tempFolder.c_str(), file)) {
    platform::debugOutput("launchAppManagingUACElevation - unable to create shortcut\n");
    return launchDirectly();
  }
  const std::string shortcut = tempFolder + "\\" + name + ".lnk";
  if (!fileExists(shortcut.c_str())) {
    platform::debugOutput("launchAppManagingUACElevation - shorcut does not exit\n");
    return launchDirectly();
  }
  *shellResult = shellOpen("explorer.exe", shortcut.c_str(), workingFolder);
  return 1;
}

}  // namespace app
