#pragma once
// A control of a dialog, by its window handle. The wrappers of the common
// controls derive from this; they own nothing and may be re-attached when a
// page's window is created again (a removed and re-added page gets new
// controls; the page object and its wrappers stay).

#include <windows.h>

#include <string>

namespace ui {

// The text of any window ("" for a null handle).
std::string windowText(HWND window);
// Sets the text only when it differs, so refresh ticks do not flicker (MFC's
// data exchange does the same).
void setWindowTextIfChanged(HWND window, const std::string& text);
// A child window's rectangle in its parent's client coordinates (the screen's
// for a window without a parent).
RECT rectInParent(HWND window);

class Control {
 public:
  Control() = default;
  explicit Control(HWND window) : hwnd_(window) {}
  virtual ~Control() = default;

  // Binds the wrapper to a window, or to the control `id` of `dialog`.
  // Returns false when there is no such window.
  bool attach(HWND window);
  bool attach(HWND dialog, int id);
  void detach() { hwnd_ = nullptr; }

  HWND hwnd() const { return hwnd_; }
  bool isValid() const { return hwnd_ != nullptr && IsWindow(hwnd_) != FALSE; }
  int id() const;

  std::string text() const { return windowText(hwnd_); }
  void setText(const std::string& text) const;
  void show(bool visible) const;
  bool visible() const;
  void enable(bool enabled) const;
  bool enabled() const;
  // Position and size in the parent's client coordinates.
  void move(int x, int y, int width, int height, bool repaint = true) const;
  void setFont(HFONT font, bool redraw = true) const;

  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

 protected:
  HWND hwnd_ = nullptr;
};

}  // namespace ui
