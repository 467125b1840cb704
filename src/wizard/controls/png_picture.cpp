#include "wizard/controls/png_picture.h"

#include <cstring>
#include <vector>

void PngPicture::release() {
  delete bitmap_;
  bitmap_ = nullptr;
  if (memory_ != nullptr) {
    GlobalFree(memory_);
    memory_ = nullptr;
  }
  width_ = 0;
  height_ = 0;
}

int PngPicture::loadResource(HINSTANCE module, int resourceId) {
  release();
  HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(resourceId), "PNG");
  if (resource == nullptr) return -1;
  const DWORD size = SizeofResource(module, resource);
  if (size == 0) return -1;
  HGLOBAL loaded = LoadResource(module, resource);
  const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
  if (bytes == nullptr) return -1;
  return loadBytes(bytes, size);
}

int PngPicture::loadFile(const std::string& path) {
  release();
  // The path is ANSI; read it with the ANSI file functions rather than
  // converting it for GDI+, so any path the A functions accept works.
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  std::vector<char> bytes;
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(file, &size) != FALSE && size.QuadPart > 0 && size.QuadPart < 64 * 1024 * 1024;
  if (ok) {
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    ok = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) != FALSE &&
         read == bytes.size();
  }
  CloseHandle(file);
  if (!ok) return 0;
  return loadBytes(bytes.data(), static_cast<DWORD>(bytes.size())) == 1 ? 1 : 0;
}

int PngPicture::loadBytes(const void* bytes, DWORD size) {
  memory_ = GlobalAlloc(GMEM_MOVEABLE, size);
  if (memory_ == nullptr) return 0;
  void* target = GlobalLock(memory_);
  if (target == nullptr) {
    release();
    return 0;
  }
  std::memcpy(target, bytes, size);
  GlobalUnlock(memory_);

  IStream* stream = nullptr;
  if (CreateStreamOnHGlobal(memory_, FALSE, &stream) != S_OK || stream == nullptr) {
    release();
    return 0;
  }
  bitmap_ = Gdiplus::Bitmap::FromStream(stream);
  stream->Release();
  if (bitmap_ == nullptr || bitmap_->GetLastStatus() != Gdiplus::Ok) {
    release();
    return 0;
  }
  width_ = static_cast<int>(bitmap_->GetWidth());
  height_ = static_cast<int>(bitmap_->GetHeight());
  return 1;
}

void PngPicture::draw(Gdiplus::Graphics& graphics, const RECT& rect, bool enabled) const {
  if (bitmap_ == nullptr || width_ <= 0 || height_ <= 0) return;
  if (enabled) {
    graphics.DrawImage(bitmap_, static_cast<INT>(rect.left), static_cast<INT>(rect.top), width_, height_);
    return;
  }
  // Rows: red, green, blue, alpha in and the constant; columns: red, green,
  // blue, alpha out and the constant.
  Gdiplus::ColorMatrix grey = {{
      {0.2125f, 0.2125f, 0.2125f, 0.0f, 0.0f},
      {0.2577f, 0.2577f, 0.2577f, 0.0f, 0.0f},
      {0.1361f, 0.1361f, 0.1361f, 0.0f, 0.0f},
      {0.0f, 0.0f, 0.0f, 1.0f, 0.0f},
      {0.38f, 0.38f, 0.38f, 0.0f, 1.0f},
  }};
  Gdiplus::ImageAttributes attributes;
  attributes.SetColorMatrix(&grey, Gdiplus::ColorMatrixFlagsDefault, Gdiplus::ColorAdjustTypeDefault);
  const Gdiplus::Rect target(static_cast<INT>(rect.left), static_cast<INT>(rect.top),
                             static_cast<INT>(rect.right - rect.left), static_cast<INT>(rect.bottom - rect.top));
  graphics.DrawImage(bitmap_, target, 0, 0, width_, height_, Gdiplus::UnitPixel, &attributes);
}
