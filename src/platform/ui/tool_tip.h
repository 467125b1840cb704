#pragma once
// Tooltips of a page's buttons. Tools subclass their control (TTF_SUBCLASS),
// so the mouse messages reach the tooltip without MFC's PreTranslateMessage
// relay, also inside comctl32's own modal loops.

#include <windows.h>

#include <string>

namespace ui {

class ToolTip {
 public:
  ToolTip() = default;
  ~ToolTip();
  ToolTip(const ToolTip&) = delete;
  ToolTip& operator=(const ToolTip&) = delete;

  // Creates the tooltip window for `owner`'s controls, replacing an earlier
  // one. False on failure (the page then works without tooltips).
  bool create(HWND owner);
  void destroy();
  HWND hwnd() const { return hwnd_; }

  bool addTool(HWND control, const std::string& text);
  bool setToolText(HWND control, const std::string& text);
  std::string toolText(HWND control) const;
  int toolCount() const;

  void activate(bool active) const;
  // Initial and reshow delays in milliseconds.
  void setDelays(int initialMs, int reshowMs) const;
  void setFont(HFONT font) const;

 private:
  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
};

}  // namespace ui
