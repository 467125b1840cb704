#pragma once
// List view in report mode (the package lists): columns, rows of
// texts, full-row selection.

#include <windows.h>

#include <string>

#include "platform/ui/control.h"

namespace ui {

class ListView : public Control {
 public:
  using Control::Control;

  // LVS_EX_ flags, e.g. LVS_EX_FULLROWSELECT.
  void setExtendedStyle(DWORD style) const;
  int insertColumn(int index, const std::string& text, int width) const;
  int columnCount() const;
  // Inserts a row with the text of its first column; returns its index.
  int insertItem(int index, const std::string& text) const;
  bool setItemText(int item, int column, const std::string& text) const;
  std::string itemText(int item, int column) const;
  bool deleteAllItems() const;
  int count() const;
  // The first selected row, or -1.
  int selectedIndex() const;
};

}  // namespace ui
