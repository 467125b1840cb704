#include "wizard/controls/dynamic_hyperlink.h"

#include "platform/ui/control.h"
#include "wizard/controls/hyperlink_target.h"

namespace {

// The classic hand cursor lives in the old help viewer of the Windows folder.
constexpr int kHandCursorResource = 106;

// Windows' default hot-track colour.
constexpr COLORREF kLinkBlue = RGB(0, 102, 204);
// Below this difference of brightness (0..255) a text is hard to read.
constexpr int kMinimumBrightnessDifference = 80;

int brightness(COLORREF colour) {
  return (299 * GetRValue(colour) + 587 * GetGValue(colour) + 114 * GetBValue(colour)) / 1000;
}

}  // namespace

COLORREF readableLinkColour(COLORREF hotTrack, COLORREF buttonFace) {
  const int difference = brightness(hotTrack) - brightness(buttonFace);
  if (difference >= kMinimumBrightnessDifference || difference <= -kMinimumBrightnessDifference) return hotTrack;
  return kLinkBlue;
}

DDynamicHyperlink::DDynamicHyperlink()
    : textColour_(readableLinkColour(GetSysColor(COLOR_HOTLIGHT), GetSysColor(COLOR_BTNFACE))), url_(kDefaultUrl) {}

DDynamicHyperlink::~DDynamicHyperlink() {
  if (hwnd() != nullptr && IsWindow(hwnd())) DestroyWindow(hwnd());
  if (font_ != nullptr) DeleteObject(font_);
}

bool DDynamicHyperlink::Create(const char* text, DWORD style, const RECT& rect, HWND parent, const std::string& url,
                               const LOGFONTA& font, int id) {
  url_ = url;
  LOGFONTA underlined = font;
  underlined.lfUnderline = TRUE;
  if (font_ != nullptr) DeleteObject(font_);
  font_ = CreateFontIndirectA(&underlined);
  // A label that does not report clicks would be a dead link.
  if (!createControl("STATIC", text, style | WS_CHILD | SS_NOTIFY, rect, parent, id)) return false;
  prepareWindow();
  return true;
}

bool DDynamicHyperlink::subclassDlgItem(int id, HWND dialog, const std::string& url) {
  if (!SubclassedControl::subclassDlgItem(id, dialog)) return false;
  url_ = url;
  addStyle(SS_NOTIFY);
  LOGFONTA font{};
  HFONT current = reinterpret_cast<HFONT>(SendMessageA(hwnd(), WM_GETFONT, 0, 0));
  if (current == nullptr) current = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  GetObjectA(current, sizeof(font), &font);
  font.lfUnderline = TRUE;
  if (font_ != nullptr) DeleteObject(font_);
  font_ = CreateFontIndirectA(&font);
  prepareWindow();
  return true;
}

void DDynamicHyperlink::prepareWindow() {
  if (font_ != nullptr) SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
  fitToText();
}

HCURSOR DDynamicHyperlink::cursor() {
  // One copy for every link of the program, loaded on first use and kept.
  static const HCURSOR hand = [] {
    HCURSOR copy = nullptr;
    char folder[MAX_PATH + 1] = {};
    const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
      const std::string path = std::string(folder) + "\\winhlp32.exe";
      // Only its resources are wanted: never run the module's code.
      HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
      if (module != nullptr) {
        HCURSOR found = LoadCursorA(module, MAKEINTRESOURCEA(kHandCursorResource));
        if (found != nullptr) copy = CopyCursor(found);
        FreeLibrary(module);
      }
    }
    // Systems without the old viewer have the same hand built in.
    if (copy == nullptr) copy = CopyCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
    return copy;
  }();
  return hand;
}

void DDynamicHyperlink::fitToText() {
  if (hwnd() == nullptr) return;
  const std::string text = ui::windowText(hwnd());
  HDC dc = GetDC(hwnd());
  HFONT font = reinterpret_cast<HFONT>(SendMessageA(hwnd(), WM_GETFONT, 0, 0));
  HGDIOBJ old = font != nullptr ? SelectObject(dc, font) : nullptr;
  SIZE extent{};
  GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  if (old != nullptr) SelectObject(dc, old);
  ReleaseDC(hwnd(), dc);

  const RECT window = ui::rectInParent(hwnd());
  RECT client{};
  GetClientRect(hwnd(), &client);
  const int newWidth = extent.cx + (window.right - window.left) - client.right;
  const int newHeight = extent.cy + (window.bottom - window.top) - client.bottom;

  const LONG_PTR style = GetWindowLongPtrA(hwnd(), GWL_STYLE);
  int top = window.top;
  if ((style & SS_CENTERIMAGE) != 0) top += ((window.bottom - window.top) - newHeight) / 2;
  int left = window.left;
  const LONG_PTR alignment = style & SS_TYPEMASK;
  if (alignment == SS_RIGHT) {
    left = window.right - newWidth;
  } else if (alignment == SS_CENTER) {
    left += ((window.right - window.left) - newWidth) / 2;
  }
  SetWindowPos(hwnd(), nullptr, left, top, newWidth, newHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

void DDynamicHyperlink::onLinkClicked() {
  int code = 0;
  const int result = openHyperlinkTarget(url_, ui::windowText(hwnd()), code, hwnd());
  if (result <= 0) showHyperlinkError(code, hwnd());
}

bool DDynamicHyperlink::onControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (message) {
    case WM_SETCURSOR:
      if (cursor() == nullptr) return false;
      SetCursor(cursor());
      result = TRUE;
      return true;
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(hwnd(), &client);
      FillRect(reinterpret_cast<HDC>(wParam), &client, GetSysColorBrush(COLOR_BTNFACE));
      result = defaultProc(message, wParam, lParam);
      return true;
    }
    default:
      return false;
  }
}

bool DDynamicHyperlink::onReflectedCommand(int code) {
  if (code != STN_CLICKED) return false;
  onLinkClicked();
  return true;
}

bool DDynamicHyperlink::onReflectedControlColor(HDC dc, HBRUSH& brush) {
  SetTextColor(dc, textColour_);
  SetBkMode(dc, TRANSPARENT);
  brush = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  return true;
}
