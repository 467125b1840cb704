#include "controls_test_support.h"

#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cstdio>

#include "controls_test_ids.h"
#include "platform/ui/message_box.h"
#include "support/ui_automation.h"
#include "wizard/controls/dynamic_button.h"

namespace controls_test {

TestPage::TestPage() : ui::Dialog(IDD_CT_PAGE) {}

bool TestPage::onCommand(int id, int code, HWND control) {
  if (code == BN_CLICKED || code == STN_CLICKED) commands.push_back(id);
  return ui::Dialog::onCommand(id, code, control);
}

bool TestPage::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != kDynamicButtonMessage) return false;
  dynamicMessages.emplace_back(static_cast<int>(wParam), static_cast<int>(lParam));
  result = 0;
  return true;
}

void pumpMessages() {
  MSG message;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    Sleep(10);
  }
}

namespace {

// Copies `width` x `height` pixels of `source` at (0, 0) into a top-down
// 32-bit DIB section.
Pixels copyPixels(HDC source, int width, int height) {
  Pixels pixels;
  if (width <= 0 || height <= 0) return pixels;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP section = CreateDIBSection(source, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (section == nullptr) return pixels;
  HDC memory = CreateCompatibleDC(source);
  HGDIOBJ old = SelectObject(memory, section);
  BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY);
  GdiFlush();
  pixels.width = width;
  pixels.height = height;
  const auto* values = static_cast<const unsigned*>(bits);
  pixels.values.assign(values, values + static_cast<size_t>(width) * static_cast<size_t>(height));
  for (unsigned& value : pixels.values) value &= 0x00FFFFFF;
  SelectObject(memory, old);
  DeleteDC(memory);
  DeleteObject(section);
  return pixels;
}

}  // namespace

Pixels readWindowPixels(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  pumpMessages();
  RECT client{};
  GetClientRect(window, &client);
  HDC dc = GetDC(window);
  Pixels pixels = copyPixels(dc, client.right, client.bottom);
  ReleaseDC(window, dc);
  return pixels;
}

bool saveWindowBitmap(HWND window, const std::string& path) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  pumpMessages();
  RECT rect{};
  GetWindowRect(window, &rect);
  const int width = rect.right - rect.left;
  const int height = rect.bottom - rect.top;
  HDC dc = GetWindowDC(window);
  const Pixels pixels = copyPixels(dc, width, height);
  ReleaseDC(window, dc);
  if (pixels.values.empty()) return false;

  const int stride = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biSizeImage = static_cast<DWORD>(stride * height);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof(file) + sizeof(header);
  file.bfSize = file.bfOffBits + header.biSizeImage;
  FILE* out = std::fopen(path.c_str(), "wb");
  if (out == nullptr) return false;
  std::fwrite(&file, sizeof(file), 1, out);
  std::fwrite(&header, sizeof(header), 1, out);
  std::vector<unsigned char> row(static_cast<size_t>(stride), 0);
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const unsigned pixel = pixels.at(x, y);
      row[static_cast<size_t>(x) * 3] = static_cast<unsigned char>(blue(pixel));
      row[static_cast<size_t>(x) * 3 + 1] = static_cast<unsigned char>(green(pixel));
      row[static_cast<size_t>(x) * 3 + 2] = static_cast<unsigned char>(red(pixel));
    }
    std::fwrite(row.data(), 1, row.size(), out);
  }
  return std::fclose(out) == 0;
}

bool writeBlackWhitePng(const std::string& path) {
  Gdiplus::Bitmap bitmap(24, 24, PixelFormat32bppARGB);
  for (UINT y = 0; y < 24; ++y) {
    for (UINT x = 0; x < 24; ++x) {
      bitmap.SetPixel(static_cast<INT>(x), static_cast<INT>(y), x < 12 ? Gdiplus::Color(255, 0, 0, 0)
                                                                        : Gdiplus::Color(255, 255, 255, 255));
    }
  }
  // The PNG encoder of GDI+.
  const CLSID pngEncoder = {0x557CF406, 0x1A04, 0x11D3, {0x9A, 0x73, 0x00, 0x00, 0xF8, 0x1E, 0xF3, 0x2E}};
  const std::wstring widePath(path.begin(), path.end());
  return bitmap.Save(widePath.c_str(), &pngEncoder, nullptr) == Gdiplus::Ok;
}

std::string tempPath(const char* name) {
  char folder[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

std::future<std::string> answerNextMessageBox() {
  return std::async(std::launch::async, [] {
    HWND box = testsupport::waitForMessageBox(ui::kMessageBoxCaption, 10000, GetCurrentProcessId());
    if (box == nullptr) return std::string("<no message box>");
    std::string text = testsupport::messageBoxText(box);
    testsupport::pressMessageBoxButton(box, IDOK);
    return text;
  });
}

}  // namespace controls_test
