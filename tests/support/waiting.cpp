#include "support/waiting.h"

namespace testsupport {

namespace {

void dispatchPending() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

}  // namespace

bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() >= deadline) return done();
    Sleep(10);
  }
  return true;
}

bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (!done()) {
    if (GetTickCount64() >= deadline) return done();
    dispatchPending();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

void pumpMessagesFor(DWORD ms) {
  pumpUntil([] { return false; }, ms);
}

bool invokeOn(HWND window, const std::function<void()>& function, DWORD timeoutMs) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, kInvokeMessage, 0, reinterpret_cast<LPARAM>(&function), SMTO_NORMAL, timeoutMs,
                             &result) != 0 &&
         result == 1;
}

}  // namespace testsupport
