#pragma once
// Drop-down lists (Python version, builds, exclusive driver choices).

#include <windows.h>

#include <string>

#include "platform/ui/control.h"

namespace ui {

class ComboBox : public Control {
 public:
  using Control::Control;

  // Appends (or, in a sorted list, inserts) an entry; returns its index.
  int addString(const std::string& text) const;
  void resetContent() const;
  int count() const;
  // The selected index, or -1.
  int selection() const;
  bool setSelection(int index) const;
  std::string itemText(int index) const;
  // Index of the entry equal to `text` (letter case ignored, as the control
  // compares), or -1.
  int findExact(const std::string& text) const;
  // Selects the entry equal to `text`; false when there is none.
  bool selectExact(const std::string& text) const;
};

}  // namespace ui
