#pragma once
// Tab control whose tabs show child dialogs (the catalog pages):
// the owner creates the child dialog of the selected tab modeless, with the
// page as parent, and places it in the display area.

#include <windows.h>

#include <string>

#include "platform/ui/control.h"

namespace ui {

class TabControl : public Control {
 public:
  using Control::Control;

  int insertItem(int index, const std::string& text) const;
  bool deleteAllItems() const;
  int count() const;
  int selection() const;
  bool setSelection(int index) const;
  std::string itemText(int index) const;
  // The area below the tab strip, in the parent window's client coordinates.
  RECT displayArea() const;
  // Moves `child` (a window of the same parent) over the display area, above
  // the tab control, and shows it.
  void placeInDisplayArea(HWND child) const;
};

}  // namespace ui
