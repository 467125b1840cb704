#pragma once
// DDynamicHyperlink: an underlined label in the system's hot-track colour
// that opens its address when clicked (openHyperlinkTarget); a failure is
// reported with showHyperlinkError. The label is sized to its text and shows
// the classic hand cursor.

#include <windows.h>

#include <string>

#include "wizard/controls/subclassed_control.h"

// The link colour: the system's hot-track colour, unless it can hardly be
// told from the button face it is drawn on (some colour schemes make it a
// pale grey); then the usual link blue of Windows' default scheme.
COLORREF readableLinkColour(COLORREF hotTrack, COLORREF buttonFace);

class DDynamicHyperlink : public SubclassedControl {
 public:
  // The address a link has until Create gives it its own.
  static constexpr const char* kDefaultUrl = "https://www.zephrion-vision.example/";

  DDynamicHyperlink();
  ~DDynamicHyperlink() override;

  // Stores `url`, makes the label's font from `font` with underlining, and
  // creates the label: a child with `style` (WS_VISIBLE to show it at once;
  // the new-version links start hidden) that reports clicks.
  bool Create(const char* text, DWORD style, const RECT& rect, HWND parent, const std::string& url,
              const LOGFONTA& font, int id);
  // Takes over the label `id` of a dialog (it gets SS_NOTIFY), keeping the
  // dialog's font underlined.
  bool subclassDlgItem(int id, HWND dialog, const std::string& url);

  const std::string& url() const { return url_; }
  void setUrl(std::string url) { url_ = std::move(url); }
  COLORREF textColour() const { return textColour_; }
  // The classic hand, shared by every link.
  static HCURSOR cursor();

  // Sizes the label to its text in its font, keeping the edge its alignment
  // names (left, right, or centred; top, or centred with SS_CENTERIMAGE).
  void fitToText();

  // What a click does.
  virtual void onLinkClicked();

 protected:
  bool onControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool onReflectedCommand(int code) override;
  bool onReflectedControlColor(HDC dc, HBRUSH& brush) override;

 private:
  void prepareWindow();

  COLORREF textColour_;
  std::string url_;
  HFONT font_ = nullptr;
};
