#pragma once
// Link control ("SysLink", common controls 6): the links of the summary page
// of the summary page. The page opens the target itself.

#include <windows.h>

#include <string>

#include "platform/ui/control.h"

namespace ui {

class SysLink : public Control {
 public:
  using Control::Control;

  // True when `header` comes from a link control and activates a link
  // (NM_CLICK or NM_RETURN); then gives the link's address (its href, as
  // ANSI text) and index.
  static bool isActivation(const NMHDR* header, std::string* url = nullptr, int* linkIndex = nullptr);
};

}  // namespace ui
