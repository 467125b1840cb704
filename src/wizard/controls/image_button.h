#pragma once
// hnImageButton: a push button that shows a PNG picture instead of a text.
// Disabled, the picture turns a washed-out grey (PngPicture); while the mouse
// rests on the button a thin orange frame is drawn 2 pixels inside its edges.
// Where the picture is transparent the parent's background shows: the button
// never paints a background of its own, and every change of look repaints the
// part of the parent under it first.
//
// The button keeps the owner-draw style so the system draws nothing; clicks
// go to the parent as WM_COMMAND / BN_CLICKED like any button's. The tooltip
// is the owning page's.

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <string>

#include "wizard/controls/png_picture.h"
#include "wizard/controls/subclassed_control.h"

class hnImageButton : public SubclassedControl {
 public:
  hnImageButton();
  ~hnImageButton() override;

  // A visible child button with the owner-draw style.
  bool Create(const char* text, DWORD style, const RECT& rect, HWND parent, int id);
  // Takes over the button `id` of a dialog and gives it the owner-draw style.
  bool subclassDlgItem(int id, HWND dialog);

  // 1 loaded; -1 the "PNG" resource is missing, empty or cannot be locked;
  // 0 memory, stream or decoding failed. On success the button takes the
  // picture's size (its position stays).
  int loadPngResource(int resourceId);
  // The same from an image file: 1 or 0.
  int loadImageFile(const std::string& path);

  int imageWidth() const { return imageWidth_; }
  int imageHeight() const { return imageHeight_; }
  bool hovered() const { return hovered_; }

  // Draws the button into `dc` over `rect` (WM_PAINT, WM_PRINTCLIENT): the picture (grey when disabled)
  // and, when hovered, the frame. Without a picture: a plain push-button face
  // with the button's text (nothing when it has none).
  void drawButton(HDC dc, const RECT& rect) const;

 protected:
  bool onControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  bool onReflectedControlColor(HDC dc, HBRUSH& brush) override;
  bool onReflectedDrawItem(const DRAWITEMSTRUCT& item) override;
  void onWindowGone() override;

 private:
  void pictureLoaded(int result);
  void drawTextFace(HDC dc, const RECT& rect) const;

  PngPicture picture_;
  int imageWidth_ = 32;
  int imageHeight_ = 32;
  bool hovered_ = false;
  bool tracking_ = false;
  Gdiplus::Pen* hoverPen_ = nullptr;
  Gdiplus::SolidBrush* backgroundBrush_ = nullptr;
};
