#include "platform/ui/combo_box.h"

namespace ui {

int ComboBox::addString(const std::string& text) const {
  return static_cast<int>(send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str())));
}

void ComboBox::resetContent() const { send(CB_RESETCONTENT); }

int ComboBox::count() const { return static_cast<int>(send(CB_GETCOUNT)); }

int ComboBox::selection() const { return static_cast<int>(send(CB_GETCURSEL)); }

bool ComboBox::setSelection(int index) const {
  return send(CB_SETCURSEL, static_cast<WPARAM>(index)) == index || index == -1;
}

std::string ComboBox::itemText(int index) const {
  const auto length = send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
  if (length == CB_ERR || length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const auto copied = send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

int ComboBox::findExact(const std::string& text) const {
  const auto index = send(CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text.c_str()));
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

bool ComboBox::selectExact(const std::string& text) const {
  const int index = findExact(text);
  return index >= 0 && setSelection(index);
}

}  // namespace ui
