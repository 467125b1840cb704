#include "wizard/controls/subclassed_control.h"

#include <commctrl.h>

#include <exception>

#include "platform/debug_log.h"
#include "platform/ui/control.h"

namespace {

// One subclass id for our entry on a control; on a parent the control's own
// address tells the entries of several controls apart.
constexpr UINT_PTR kControlSubclassId = 0x5A50C7;

}  // namespace

SubclassedControl::~SubclassedControl() {
  if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  unbind();
}

bool SubclassedControl::createControl(const char* className, const char* text, DWORD style, const RECT& rect,
                                      HWND parent, int id) {
  if (hwnd_ != nullptr || parent == nullptr) return false;
  HWND window = CreateWindowExA(0, className, text != nullptr ? text : "", style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
  if (window == nullptr) return false;
  if (!subclassWindow(window)) {
    DestroyWindow(window);
    return false;
  }
  return true;
}

bool SubclassedControl::subclassDlgItem(int id, HWND dialog) {
  if (dialog == nullptr) return false;
  return subclassWindow(GetDlgItem(dialog, id));
}

bool SubclassedControl::subclassWindow(HWND window) {
  if (window == nullptr || hwnd_ != nullptr) return false;
  if (!SetWindowSubclass(window, controlProc, kControlSubclassId, reinterpret_cast<DWORD_PTR>(this))) return false;
  hwnd_ = window;
  parent_ = GetParent(window);
  if (parent_ != nullptr) {
    SetWindowSubclass(parent_, parentProc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
  }
  return true;
}

void SubclassedControl::addStyle(DWORD bits) const {
  if (hwnd_ == nullptr) return;
  const LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
  SetWindowLongPtrA(hwnd_, GWL_STYLE, style | static_cast<LONG_PTR>(bits));
}

void SubclassedControl::unbind() {
  if (parent_ != nullptr && IsWindow(parent_)) {
    RemoveWindowSubclass(parent_, parentProc, reinterpret_cast<UINT_PTR>(this));
  }
  if (hwnd_ != nullptr && IsWindow(hwnd_)) RemoveWindowSubclass(hwnd_, controlProc, kControlSubclassId);
  parent_ = nullptr;
  hwnd_ = nullptr;
}

bool SubclassedControl::onControlMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }
bool SubclassedControl::onReflectedCommand(int) { return false; }
bool SubclassedControl::onReflectedControlColor(HDC, HBRUSH&) { return false; }
bool SubclassedControl::onReflectedDrawItem(const DRAWITEMSTRUCT&) { return false; }

LRESULT SubclassedControl::defaultProc(UINT message, WPARAM wParam, LPARAM lParam) const {
  return DefSubclassProc(hwnd_, message, wParam, lParam);
}

bool SubclassedControl::paintClientArea(UINT message, WPARAM wParam, LRESULT& result,
                                        const std::function<void(HDC dc, const RECT& client)>& draw) const {
  if (message != WM_PAINT && message != WM_PRINTCLIENT) return false;
  RECT client{};
  GetClientRect(hwnd(), &client);
  if (message == WM_PRINTCLIENT) {
    draw(reinterpret_cast<HDC>(wParam), client);
  } else {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd(), &paint);
    if (dc != nullptr) draw(dc, client);
    EndPaint(hwnd(), &paint);
  }
  result = 0;
  return true;
}

void SubclassedControl::invalidateWithParent() const {
  if (hwnd_ == nullptr) return;
  InvalidateRect(hwnd_, nullptr, TRUE);
  HWND parent = GetParent(hwnd_);
  if (parent == nullptr) return;
  const RECT rect = ui::rectInParent(hwnd_);
  InvalidateRect(parent, &rect, TRUE);
}

LRESULT CALLBACK SubclassedControl::controlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                                DWORD_PTR data) {
  auto* self = reinterpret_cast<SubclassedControl*>(data);
  if (message == WM_NCDESTROY) {
    try {
      self->onWindowGone();
    } catch (...) {
      platform::debugOutput("SubclassedControl::controlProc - exception while releasing a control\n");
    }
    self->unbind();
    return DefSubclassProc(window, message, wParam, lParam);
  }
  try {
    LRESULT result = 0;
    if (self->onControlMessage(message, wParam, lParam, result)) return result;
  } catch (const std::exception& error) {
    platform::debugOutputF("SubclassedControl::controlProc - exception, message 0x%04X: %s\n", message, error.what());
  } catch (...) {
    platform::debugOutputF("SubclassedControl::controlProc - exception, message 0x%04X\n", message);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT CALLBACK SubclassedControl::parentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                               DWORD_PTR data) {
  auto* self = reinterpret_cast<SubclassedControl*>(data);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, parentProc, id);
    if (self->parent_ == window) self->parent_ = nullptr;
    return DefSubclassProc(window, message, wParam, lParam);
  }
  try {
    switch (message) {
      case WM_COMMAND:
        if (self->hwnd_ != nullptr && reinterpret_cast<HWND>(lParam) == self->hwnd_ &&
            self->onReflectedCommand(HIWORD(wParam))) {
          return 0;
        }
        break;
      case WM_CTLCOLORBTN:
      case WM_CTLCOLORSTATIC: {
        HBRUSH brush = nullptr;
        if (self->hwnd_ != nullptr && reinterpret_cast<HWND>(lParam) == self->hwnd_ &&
            self->onReflectedControlColor(reinterpret_cast<HDC>(wParam), brush)) {
          return reinterpret_cast<LRESULT>(brush);
        }
        break;
      }
      case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (self->hwnd_ != nullptr && item != nullptr && item->hwndItem == self->hwnd_ &&
            self->onReflectedDrawItem(*item)) {
          return TRUE;
        }
        break;
      }
      default:
        break;
    }
  } catch (...) {
    platform::debugOutputF("SubclassedControl::parentProc - exception, message 0x%04X\n", message);
  }
  return DefSubclassProc(window, message, wParam, lParam);
}
