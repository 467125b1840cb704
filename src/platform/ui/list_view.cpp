#include "platform/ui/list_view.h"

#include <commctrl.h>

namespace ui {

void ListView::setExtendedStyle(DWORD style) const {
  send(LVM_SETEXTENDEDLISTVIEWSTYLE, style, static_cast<LPARAM>(style));
}

int ListView::insertColumn(int index, const std::string& text, int width) const {
  LVCOLUMNA column = {};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<char*>(text.c_str());
  column.cx = width;
  column.iSubItem = index;
  return static_cast<int>(send(LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column)));
}

int ListView::columnCount() const {
  HWND header = reinterpret_cast<HWND>(send(LVM_GETHEADER));
  return header != nullptr ? static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
}

int ListView::insertItem(int index, const std::string& text) const {
  LVITEMA item = {};
  item.mask = LVIF_TEXT;
  item.iItem = index;
  item.pszText = const_cast<char*>(text.c_str());
  return static_cast<int>(send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

bool ListView::setItemText(int item, int column, const std::string& text) const {
  LVITEMA data = {};
  data.iSubItem = column;
  data.pszText = const_cast<char*>(text.c_str());
  return send(LVM_SETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&data)) != FALSE;
}

std::string ListView::itemText(int item, int column) const {
  char buffer[1024] = {};
  LVITEMA data = {};
  data.iSubItem = column;
  data.pszText = buffer;
  data.cchTextMax = sizeof(buffer);
  const auto length = send(LVM_GETITEMTEXTA, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&data));
  return std::string(buffer, static_cast<size_t>(length > 0 ? length : 0));
}

bool ListView::deleteAllItems() const { return send(LVM_DELETEALLITEMS) != FALSE; }

int ListView::count() const { return static_cast<int>(send(LVM_GETITEMCOUNT)); }

int ListView::selectedIndex() const {
  return static_cast<int>(send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace ui
