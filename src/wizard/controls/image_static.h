#pragma once
// hnImageStatic: a label that shows a PNG picture (the information picture
// beside a row, for instance). It draws like a picture button without the
// hover frame and without a background of its own, and reports clicks
// (SS_NOTIFY) so a tooltip or a click handler can use it.

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <string>

#include "wizard/controls/png_picture.h"
#include "wizard/controls/subclassed_control.h"

class hnImageStatic : public SubclassedControl {
 public:
  hnImageStatic() = default;
  ~hnImageStatic() override;

  // A child label with `style` (WS_VISIBLE to show it at once).
  bool Create(const char* text, DWORD style, const RECT& rect, HWND parent, int id);
  bool subclassDlgItem(int id, HWND dialog);

  // As hnImageButton::loadPngResource.
  int loadPngResource(int resourceId);
  // The information picture (206).
  int loadInformationImage();

  int imageWidth() const { return imageWidth_; }
  int imageHeight() const { return imageHeight_; }

  void drawPicture(HDC dc, const RECT& rect) const;

 protected:
  bool onControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool onReflectedControlColor(HDC dc, HBRUSH& brush) override;

 private:
  PngPicture picture_;
  int imageWidth_ = 32;
  int imageHeight_ = 32;
};
