#pragma once
// Waiting in tests: for a condition another thread makes true (polling), or
// while this thread's windows keep working (pumping its messages, as a modal
// loop does).

#include <windows.h>

#include <functional>

namespace testsupport {

// Polls `done` (no pumping) until it holds or `timeoutMs` passed; `done()`.
bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs);
// Dispatches this thread's messages until `done` holds or `timeoutMs`
// passed; `done()`.
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
// Dispatches this thread's messages for `ms`.
void pumpMessagesFor(DWORD ms);

// Runs `function` on the thread that owns `window`, whose window procedure
// answers kInvokeMessage by calling the std::function<void()> its lParam
// points at and returning 1. False on time-out.
inline constexpr UINT kInvokeMessage = WM_APP + 40;
bool invokeOn(HWND window, const std::function<void()>& function, DWORD timeoutMs = 20000);

}  // namespace testsupport
