#include <windows.h>

#include "app/zephrion_installer_app.h"
#include "platform/ui/worker.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  CZephrionLumenixSDKInstallerApp application;
  application.InitInstance();
  const int exitCode = application.ExitInstance();
  // A worker stuck in an uninterruptible call must not hold the exit.
  ui::exitNowIfWorkersDetached(static_cast<UINT>(exitCode));
  return exitCode;
}
