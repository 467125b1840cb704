// The setup program of a fake component. Its behaviour comes from the
// manifest appended to its own exe by the world generator; with the
// manifest's uninstall switch on its command line it removes the component
// instead (as some real bundles do with "/uninstall").
#include <windows.h>

#include "manifest.h"
#include "payload.h"
#include "stub_common.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  stubs::logCommandLine();
  stubs::Payload payload;
  stubs::Manifest manifest;
  if (!payload.load(stubs::selfPath()) || !manifest.parse(payload.entry("manifest"))) {
    stubs::logLine(L"setup stub: no manifest");
    return 2;
  }
  const std::string uninstallSwitch = manifest.option("uninstall-switch");
  if (!uninstallSwitch.empty() && stubs::commandLineContains(stubs::widen(uninstallSwitch))) {
    return manifest.uninstall();
  }
  return manifest.install(payload);
}
