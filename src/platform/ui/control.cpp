#include "platform/ui/control.h"

namespace ui {

std::string windowText(HWND window) {
  if (window == nullptr) return {};
  const int length = GetWindowTextLengthA(window);
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(window, text.data(), length + 1);
  text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
  return text;
}

RECT rectInParent(HWND window) {
  RECT rect{};
  if (window == nullptr || !GetWindowRect(window, &rect)) return rect;
  if (HWND parent = GetParent(window)) MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void setWindowTextIfChanged(HWND window, const std::string& text) {
  if (window == nullptr) return;
  if (windowText(window) == text) return;
  SetWindowTextA(window, text.c_str());
}

bool Control::attach(HWND window) {
  hwnd_ = window;
  return window != nullptr;
}

bool Control::attach(HWND dialog, int id) {
  hwnd_ = dialog != nullptr ? GetDlgItem(dialog, id) : nullptr;
  return hwnd_ != nullptr;
}

int Control::id() const { return hwnd_ != nullptr ? GetDlgCtrlID(hwnd_) : 0; }

void Control::setText(const std::string& text) const { setWindowTextIfChanged(hwnd_, text); }

void Control::show(bool visible) const {
  if (hwnd_ != nullptr) ShowWindow(hwnd_, visible ? SW_SHOW : SW_HIDE);
}

bool Control::visible() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_) != FALSE; }

void Control::enable(bool enabled) const {
  if (hwnd_ != nullptr) EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool Control::enabled() const { return hwnd_ != nullptr && IsWindowEnabled(hwnd_) != FALSE; }

void Control::move(int x, int y, int width, int height, bool repaint) const {
  if (hwnd_ != nullptr) MoveWindow(hwnd_, x, y, width, height, repaint ? TRUE : FALSE);
}

void Control::setFont(HFONT font, bool redraw) const {
  send(WM_SETFONT, reinterpret_cast<WPARAM>(font), redraw ? TRUE : FALSE);
}

LRESULT Control::send(UINT message, WPARAM wParam, LPARAM lParam) const {
  return hwnd_ != nullptr ? SendMessageA(hwnd_, message, wParam, lParam) : 0;
}

}  // namespace ui
