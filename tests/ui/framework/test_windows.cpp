#include "test_windows.h"

namespace fwtest {

void pumpMessagesFor(DWORD ms) {
  pumpUntil([] { return false; }, ms);
}

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() >= deadline) return done();
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageA(&message);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() >= deadline) return done();
    Sleep(10);
  }
  return true;
}

bool invokeOn(HWND window, const std::function<void()>& function) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, kInvokeMessage, 0, reinterpret_cast<LPARAM>(&function), SMTO_NORMAL, 10000,
                             &result) != 0 &&
         result == 1;
}

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
