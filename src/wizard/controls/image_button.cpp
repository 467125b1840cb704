#include "wizard/controls/image_button.h"

namespace {

// The owner-draw style bits of a button.
constexpr DWORD kOwnerDrawBits = 0x0B;
// The frame of a hovered button: alpha 255, red 248, green 202, blue 127.
constexpr Gdiplus::ARGB kHoverColour = 0xFFF8CA7F;
// Hover is reported after 1 ms of rest, that is at once.
constexpr DWORD kHoverTimeMs = 1;

}  // namespace

hnImageButton::hnImageButton()
    : hoverPen_(new Gdiplus::Pen(Gdiplus::Color(kHoverColour), 1.0f)),
      backgroundBrush_(new Gdiplus::SolidBrush(Gdiplus::Color(0x00000000))) {}

hnImageButton::~hnImageButton() {
  if (hwnd() != nullptr && IsWindow(hwnd())) DestroyWindow(hwnd());
  picture_.release();
  delete hoverPen_;
  delete backgroundBrush_;
}

bool hnImageButton::Create(const char* text, DWORD style, const RECT& rect, HWND parent, int id) {
  return createControl("BUTTON", text, style | WS_CHILD | WS_VISIBLE | kOwnerDrawBits, rect, parent, id);
}

bool hnImageButton::subclassDlgItem(int id, HWND dialog) {
  if (!SubclassedControl::subclassDlgItem(id, dialog)) return false;
  addStyle(kOwnerDrawBits);
  return true;
}

int hnImageButton::loadPngResource(int resourceId) {
  imageWidth_ = 0;
  imageHeight_ = 0;
  const int result = picture_.loadResource(GetModuleHandleA(nullptr), resourceId);
  pictureLoaded(result);
  return result;
}

int hnImageButton::loadImageFile(const std::string& path) {
  imageWidth_ = 0;
  imageHeight_ = 0;
  const int result = picture_.loadFile(path);
  pictureLoaded(result);
  return result;
}

void hnImageButton::pictureLoaded(int result) {
  if (result != 1) return;
  imageWidth_ = picture_.width();
  imageHeight_ = picture_.height();
  if (hwnd() == nullptr) return;
  if (imageWidth_ > 0 && imageHeight_ > 0) {
    SetWindowPos(hwnd(), nullptr, 0, 0, imageWidth_, imageHeight_, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void hnImageButton::drawButton(HDC dc, const RECT& rect) const {
  if (imageWidth_ <= 0 || imageHeight_ <= 0 || !picture_.loaded()) {
    drawTextFace(dc, rect);
    return;
  }
  Gdiplus::Graphics graphics(dc);
  const Gdiplus::Rect area(static_cast<INT>(rect.left), static_cast<INT>(rect.top),
                           static_cast<INT>(rect.right - rect.left), static_cast<INT>(rect.bottom - rect.top));
  if (!hovered_) graphics.FillRectangle(backgroundBrush_, area);
  const bool enabled = hwnd() == nullptr || IsWindowEnabled(hwnd()) != FALSE;
  picture_.draw(graphics, rect, enabled);
  if (hovered_) graphics.DrawRectangle(hoverPen_, 2, 2, imageWidth_ - 5, imageHeight_ - 5);
}

void hnImageButton::drawTextFace(HDC dc, const RECT& rect) const {
  // A button given no picture (the wizard's navigation bar) looks like a
  // plain push button with its text.
  if (hwnd() == nullptr) return;
  char text[128] = {};
  GetWindowTextA(hwnd(), text, sizeof(text));
  if (text[0] == '\0') return;
  RECT face = rect;
  const bool pushed = (SendMessageA(hwnd(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  DrawFrameControl(dc, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
  const bool enabled = IsWindowEnabled(hwnd()) != FALSE;
  HGDIOBJ oldFont = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(hwnd(), WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
  DrawTextA(dc, text, -1, &face, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  if (oldFont != nullptr) SelectObject(dc, oldFont);
  if (hovered_) DrawFocusRect(dc, &face);
}

bool hnImageButton::onControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (paintClientArea(message, wParam, result, [this](HDC dc, const RECT& client) { drawButton(dc, client); })) {
    return true;
  }
  switch (message) {
    case WM_ERASEBKGND:
      // The parent has painted what lies under the button.
      result = 1;
      return true;
    case WM_MOUSEMOVE:
      if (!tracking_) {
        TRACKMOUSEEVENT track{};
        track.cbSize = sizeof(track);
        track.dwFlags = TME_LEAVE | TME_HOVER;
        track.hwndTrack = hwnd();
        track.dwHoverTime = kHoverTimeMs;
        tracking_ = TrackMouseEvent(&track) != FALSE;
      }
      return false;
    case WM_MOUSEHOVER:
      hovered_ = true;
      invalidateWithParent();
      result = 0;
      return true;
    case WM_MOUSELEAVE:
      hovered_ = false;
      tracking_ = false;
      invalidateWithParent();
      result = 0;
      return true;
    case WM_ENABLE:
      result = defaultProc(message, wParam, lParam);
      invalidateWithParent();
      return true;
    case WM_SETCURSOR:
      SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
      result = TRUE;
      return true;
    default:
      return false;
  }
}

bool hnImageButton::onReflectedControlColor(HDC dc, HBRUSH& brush) {
  SetBkMode(dc, TRANSPARENT);
  brush = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  return true;
}

bool hnImageButton::onReflectedDrawItem(const DRAWITEMSTRUCT&) {
  // The system asks for a drawing when the pushed or focus state changes.
  // Drawing the picture over itself would darken its soft edges each time,
  // so the parent's background is painted again first, then the picture.
  invalidateWithParent();
  return true;
}

void hnImageButton::onWindowGone() {
  hovered_ = false;
  tracking_ = false;
}
