#include "platform/ui/tab_control.h"

#include <commctrl.h>

namespace ui {

int TabControl::insertItem(int index, const std::string& text) const {
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = const_cast<char*>(text.c_str());
  return static_cast<int>(send(TCM_INSERTITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)));
}

bool TabControl::deleteAllItems() const { return send(TCM_DELETEALLITEMS) != FALSE; }

int TabControl::count() const { return static_cast<int>(send(TCM_GETITEMCOUNT)); }

int TabControl::selection() const { return static_cast<int>(send(TCM_GETCURSEL)); }

bool TabControl::setSelection(int index) const { return send(TCM_SETCURSEL, static_cast<WPARAM>(index)) != -1; }

std::string TabControl::itemText(int index) const {
  char buffer[256] = {};
  TCITEMA item = {};
  item.mask = TCIF_TEXT;
  item.pszText = buffer;
  item.cchTextMax = sizeof(buffer);
  if (send(TCM_GETITEMA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)) == FALSE) return {};
  return item.pszText != nullptr ? std::string(item.pszText) : std::string();
}

RECT TabControl::displayArea() const {
  RECT area = {};
  if (hwnd_ == nullptr) return area;
  GetClientRect(hwnd_, &area);
  send(TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&area));
  MapWindowPoints(hwnd_, GetParent(hwnd_), reinterpret_cast<POINT*>(&area), 2);
  return area;
}

void TabControl::placeInDisplayArea(HWND child) const {
  if (hwnd_ == nullptr || child == nullptr) return;
  const RECT area = displayArea();
  SetWindowPos(child, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_SHOWWINDOW);
}

}  // namespace ui
