#include "wizard/controls/image_static.h"

#include "resource_ids.h"

namespace {

// The style bits a picture label gets on creation and when taken over.
constexpr DWORD kPictureLabelBits = 0x0B | SS_NOTIFY;

}  // namespace

hnImageStatic::~hnImageStatic() {
  if (hwnd() != nullptr && IsWindow(hwnd())) DestroyWindow(hwnd());
  picture_.release();
}

bool hnImageStatic::Create(const char* text, DWORD style, const RECT& rect, HWND parent, int id) {
  return createControl("STATIC", text, style | WS_CHILD | kPictureLabelBits, rect, parent, id);
}

bool hnImageStatic::subclassDlgItem(int id, HWND dialog) {
  if (!SubclassedControl::subclassDlgItem(id, dialog)) return false;
  addStyle(kPictureLabelBits);
  return true;
}

int hnImageStatic::loadPngResource(int resourceId) {
  imageWidth_ = 0;
  imageHeight_ = 0;
  const int result = picture_.loadResource(GetModuleHandleA(nullptr), resourceId);
  if (result != 1) return result;
  imageWidth_ = picture_.width();
  imageHeight_ = picture_.height();
  if (hwnd() != nullptr) {
    if (imageWidth_ > 0 && imageHeight_ > 0) {
      SetWindowPos(hwnd(), nullptr, 0, 0, imageWidth_, imageHeight_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    InvalidateRect(hwnd(), nullptr, TRUE);
  }
  return result;
}

int hnImageStatic::loadInformationImage() { return loadPngResource(IDP_INFORMATION); }

void hnImageStatic::drawPicture(HDC dc, const RECT& rect) const {
  if (imageWidth_ <= 0 || imageHeight_ <= 0 || !picture_.loaded()) return;
  Gdiplus::Graphics graphics(dc);
  picture_.draw(graphics, rect, hwnd() == nullptr || IsWindowEnabled(hwnd()) != FALSE);
}

bool hnImageStatic::onControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (paintClientArea(message, wParam, result, [this](HDC dc, const RECT& client) { drawPicture(dc, client); })) {
    return true;
  }
  switch (message) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_ENABLE:
      result = defaultProc(message, wParam, lParam);
      invalidateWithParent();
      return true;
    default:
      return false;
  }
}

bool hnImageStatic::onReflectedControlColor(HDC dc, HBRUSH& brush) {
  SetBkMode(dc, TRANSPARENT);
  brush = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  return true;
}
