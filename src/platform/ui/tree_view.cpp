#include "platform/ui/tree_view.h"

namespace ui {

void TreeView::enableCheckBoxes() const {
  if (hwnd_ == nullptr) return;
  const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
  if ((style & TVS_CHECKBOXES) != 0) return;
  SetWindowLongPtrA(hwnd_, GWL_STYLE, style | TVS_CHECKBOXES);
}

HTREEITEM TreeView::insertItem(const std::string& text, HTREEITEM parent, HTREEITEM after, LPARAM data) const {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = after;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.lParam = data;
  return reinterpret_cast<HTREEITEM>(send(TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

bool TreeView::deleteAllItems() const {
  return send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)) != FALSE;
}

int TreeView::count() const { return static_cast<int>(send(TVM_GETCOUNT)); }

bool TreeView::setCheck(HTREEITEM item, bool checked) const {
  TVITEMA state = {};
  state.mask = TVIF_HANDLE | TVIF_STATE;
  state.hItem = item;
  state.stateMask = TVIS_STATEIMAGEMASK;
  // State image 1 is the empty box, 2 the checked one.
  state.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
  return send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&state)) != FALSE;
}

bool TreeView::isChecked(HTREEITEM item) const {
  const auto state = static_cast<UINT>(send(TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_STATEIMAGEMASK));
  return ((state & TVIS_STATEIMAGEMASK) >> 12) == 2;
}

HTREEITEM TreeView::root() const { return reinterpret_cast<HTREEITEM>(send(TVM_GETNEXTITEM, TVGN_ROOT, 0)); }

HTREEITEM TreeView::firstChild(HTREEITEM item) const {
  return reinterpret_cast<HTREEITEM>(send(TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM TreeView::nextSibling(HTREEITEM item) const {
  return reinterpret_cast<HTREEITEM>(send(TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM TreeView::parent(HTREEITEM item) const {
  return reinterpret_cast<HTREEITEM>(send(TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM TreeView::selection() const {
  return reinterpret_cast<HTREEITEM>(send(TVM_GETNEXTITEM, TVGN_CARET, 0));
}

bool TreeView::expand(HTREEITEM item, bool expanded) const {
  return send(TVM_EXPAND, expanded ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(item)) != FALSE;
}

std::string TreeView::itemText(HTREEITEM item) const {
  char buffer[1024] = {};
  TVITEMA data = {};
  data.mask = TVIF_HANDLE | TVIF_TEXT;
  data.hItem = item;
  data.pszText = buffer;
  data.cchTextMax = sizeof(buffer);
  if (send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data)) == FALSE) return {};
  return data.pszText != nullptr ? std::string(data.pszText) : std::string();
}

LPARAM TreeView::itemData(HTREEITEM item) const {
  TVITEMA data = {};
  data.mask = TVIF_HANDLE | TVIF_PARAM;
  data.hItem = item;
  if (send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data)) == FALSE) return 0;
  return data.lParam;
}

HTREEITEM TreeView::checkToggleTarget(const NMHDR* header) const {
  if (header == nullptr || hwnd_ == nullptr || header->hwndFrom != hwnd_) return nullptr;
  if (header->code == NM_CLICK) {
    const DWORD position = GetMessagePos();
    TVHITTESTINFO hit = {};
    hit.pt.x = static_cast<short>(LOWORD(position));
    hit.pt.y = static_cast<short>(HIWORD(position));
    ScreenToClient(hwnd_, &hit.pt);
    const auto item = reinterpret_cast<HTREEITEM>(send(TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    return (hit.flags & TVHT_ONITEMSTATEICON) != 0 ? item : nullptr;
  }
  if (header->code == TVN_KEYDOWN) {
    const auto* key = reinterpret_cast<const NMTVKEYDOWN*>(header);
    return key->wVKey == VK_SPACE ? selection() : nullptr;
  }
  return nullptr;
}

}  // namespace ui
