#pragma once
// The picture of a picture button or label: a GDI+ bitmap decoded from PNG
// bytes, together with the movable memory block those bytes live in (a
// bitmap made from a stream may read the stream again while it lives, so the
// block is kept until the bitmap is gone).
//
// Disabled controls draw their picture through a colour matrix that turns it
// into a grey lifted 0.38 towards white. The weights of the matrix add up to
// 0.6063, not 1: the washed-out look is brighter than a plain grey conversion
// on purpose (pure black becomes 0.38 grey, pure white 0.9863 grey).

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <string>

class PngPicture {
 public:
  PngPicture() = default;
  ~PngPicture() { release(); }
  PngPicture(const PngPicture&) = delete;
  PngPicture& operator=(const PngPicture&) = delete;

  // From the program's resource of type "PNG": 1 loaded; -1 the resource is
  // missing, empty or cannot be locked; 0 memory, stream or decoding failed.
  int loadResource(HINSTANCE module, int resourceId);
  // From an image file (an ANSI path): 1 loaded, 0 not.
  int loadFile(const std::string& path);
  void release();

  bool loaded() const { return bitmap_ != nullptr; }
  int width() const { return width_; }
  int height() const { return height_; }

  // Draws the picture unscaled at the top left corner of `rect`, or, when
  // disabled, through the grey colour matrix into `rect`.
  void draw(Gdiplus::Graphics& graphics, const RECT& rect, bool enabled) const;

 private:
  int loadBytes(const void* bytes, DWORD size);

  Gdiplus::Bitmap* bitmap_ = nullptr;
  HGLOBAL memory_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};
