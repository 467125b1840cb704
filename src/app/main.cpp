#include <windows.h>
#include <commctrl.h>

#include "app/placeholder_wizard.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
  InitCommonControlsEx(&controls);
  app::runPlaceholderWizard(instance);
  return 0;
}
