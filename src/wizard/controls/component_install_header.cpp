#include "wizard/controls/component_install_header.h"

hnComponentInstallHeader::hnComponentInstallHeader(std::string title, std::string subtitle, int bitmapResourceId)
    : title_(std::move(title)),
      subtitle_(std::move(subtitle)),
      bitmap_(LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(bitmapResourceId))),
      font_(CreateFontA(16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "Tahoma")),
      pen_(CreatePen(PS_SOLID, 1, RGB(0, 0, 0))) {}

hnComponentInstallHeader::~hnComponentInstallHeader() {
  if (hwnd() != nullptr && IsWindow(hwnd())) DestroyWindow(hwnd());
  if (bitmap_ != nullptr) DeleteObject(bitmap_);
  if (font_ != nullptr) DeleteObject(font_);
  if (pen_ != nullptr) DeleteObject(pen_);
}

bool hnComponentInstallHeader::Create(HWND parent, const RECT& rect, int id) {
  return createControl("STATIC", "", WS_CHILD | WS_VISIBLE, rect, parent, id);
}

void hnComponentInstallHeader::setTexts(std::string title, std::string subtitle) {
  title_ = std::move(title);
  subtitle_ = std::move(subtitle);
  if (hwnd() != nullptr) InvalidateRect(hwnd(), nullptr, TRUE);
}

void hnComponentInstallHeader::paintHeader(HDC dc) const {
  if (bitmap_ != nullptr) {
    BITMAP info{};
    GetObjectA(bitmap_, sizeof(info), &info);
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, bitmap_);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
  }
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int width = client.right;
  const int height = client.bottom;
  HGDIOBJ oldPen = SelectObject(dc, pen_);
  const POINT outline[] = {{0, 0}, {0, height}, {width, height}, {width, 0}, {0, 0}};
  Polyline(dc, outline, 5);
  SelectObject(dc, oldPen);

  HGDIOBJ oldFont = SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  TextOutA(dc, 20, 15, title_.c_str(), static_cast<int>(title_.size()));
  TextOutA(dc, 20, 35, subtitle_.c_str(), static_cast<int>(subtitle_.size()));
  SelectObject(dc, oldFont);
}

bool hnComponentInstallHeader::onControlMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(hwnd(), &paint);
      if (dc != nullptr) paintHeader(dc);
      EndPaint(hwnd(), &paint);
      result = 0;
      return true;
    }
    case WM_PRINTCLIENT:
      paintHeader(reinterpret_cast<HDC>(wParam));
      result = 0;
      return true;
    default:
      return false;
  }
}
