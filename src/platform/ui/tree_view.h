#pragma once
// Tree view with check boxes (Parts 4.4 and 8.2): items, their check states,
// and which item a click or the Space key is about to toggle (the dialogs
// then post WM_USER + 112 and propagate the new state).

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "platform/ui/control.h"

namespace ui {

class TreeView : public Control {
 public:
  using Control::Control;

  // Gives the tree its check boxes (TVS_CHECKBOXES set after creation, as
  // the control requires).
  void enableCheckBoxes() const;

  HTREEITEM insertItem(const std::string& text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST,
                       LPARAM data = 0) const;
  bool deleteAllItems() const;
  int count() const;

  bool setCheck(HTREEITEM item, bool checked) const;
  bool isChecked(HTREEITEM item) const;

  HTREEITEM root() const;
  HTREEITEM firstChild(HTREEITEM item) const;
  HTREEITEM nextSibling(HTREEITEM item) const;
  HTREEITEM parent(HTREEITEM item) const;
  HTREEITEM selection() const;
  bool expand(HTREEITEM item, bool expanded = true) const;
  std::string itemText(HTREEITEM item) const;
  LPARAM itemData(HTREEITEM item) const;

  // For a notification of this tree: the item whose check box a mouse click
  // (NM_CLICK on the state icon) or the Space key (TVN_KEYDOWN) toggles, or
  // nullptr.
  HTREEITEM checkToggleTarget(const NMHDR* header) const;
};

}  // namespace ui
