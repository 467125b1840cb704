#include "test_windows.h"

namespace fwtest {

HelperWindow::HelperWindow() {
  static const ATOM atom = [] {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = windowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "ZephrionFrameworkTestHelper";
    return RegisterClassA(&windowClass);
  }();
  (void)atom;
  hwnd_ = CreateWindowExA(0, "ZephrionFrameworkTestHelper", "helper", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                          GetModuleHandleA(nullptr), this);
}

HelperWindow::~HelperWindow() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

void HelperWindow::startTimer(UINT periodMs) { SetTimer(hwnd_, 1, periodMs, nullptr); }

LRESULT CALLBACK HelperWindow::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<HelperWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  if (self != nullptr) {
    if (message == WM_TIMER) {
      self->ticks_.fetch_add(1);
      return 0;
    }
    if (message == kProbeMessage) return kProbeAnswer;
    if (message == kInvokeMessage) {
      (*reinterpret_cast<const std::function<void()>*>(lParam))();
      return 1;
    }
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace fwtest
