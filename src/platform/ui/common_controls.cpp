#include "platform/ui/common_controls.h"

#include <windows.h>
#include <commctrl.h>

#include "platform/debug_log.h"

namespace ui {

bool initCommonControls() {
  INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES | ICC_LINK_CLASS};
  if (InitCommonControlsEx(&controls)) return true;
  // Without a version 6 manifest the link class is unknown; keep the rest.
  controls.dwICC = ICC_WIN95_CLASSES;
  return InitCommonControlsEx(&controls) != FALSE;
}

bool loadRichEdit2() {
  // Loaded once for the program's life, like MFC does; never freed.
  static HMODULE module = LoadLibraryA("riched20.dll");
  if (module == nullptr) platform::debugOutput("ui::loadRichEdit2 - unable to load riched20.dll\n");
  return module != nullptr;
}

}  // namespace ui
