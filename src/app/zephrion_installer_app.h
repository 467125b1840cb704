#pragma once
// The application object: the one global object of the program. Its
// construction (before any window exists) finds the program's folder, tests
// whether it can be written and starts GDI+; InitInstance refuses to start
// while another installer of the family runs, empties the temporary
// subfolder, then runs the wizard; ExitInstance releases what construction
// made.

#include <windows.h>

#include <memory>
#include <string>

#include "app/installer_upgrade_info.h"

class CZephrionLumenixSDKInstallerApp {
 public:
  CZephrionLumenixSDKInstallerApp();
  ~CZephrionLumenixSDKInstallerApp();
  CZephrionLumenixSDKInstallerApp(const CZephrionLumenixSDKInstallerApp&) = delete;
  CZephrionLumenixSDKInstallerApp& operator=(const CZephrionLumenixSDKInstallerApp&) = delete;

  // Always false: the wizard's modal loop is the program's main loop.
  bool InitInstance();
  int ExitInstance();

  // The one instance (nullptr before construction and after destruction).
  static CZephrionLumenixSDKInstallerApp* instance();

  std::string applicationFolder;
  bool applicationFolderWritable = false;
  // Shared with the wizard's upgrade check.
  std::shared_ptr<InstallerUpgradeInfo> releaseUpgradeInfo;
  std::shared_ptr<InstallerUpgradeInfo> betaUpgradeInfo;
  std::string downloadedInstallerPath;
  std::string downloadedInstallerFileName;
  ULONG_PTR gdiplusToken = 0;

  // The registry key of the framework's settings (nothing is stored there).
  static constexpr const char* kRegistryKey = "Local AppWizard-Generated Applications";

 private:
  bool runInstanceGuard();
};
