#include "platform/ui/message_box.h"

namespace ui {

int messageBox(HWND owner, const std::string& text, UINT type, const char* caption) {
  if (owner == nullptr) {
    HWND active = GetActiveWindow();
    if (active != nullptr) owner = GetAncestor(active, GA_ROOT);
  }
  return MessageBoxA(owner, text.c_str(), caption != nullptr ? caption : kMessageBoxCaption, type);
}

}  // namespace ui
