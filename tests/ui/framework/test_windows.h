#pragma once
// Helpers of the framework tests: message pumps with time limits, a plain
// helper window that counts its timer ticks and answers a probe message, and
// running a function on the thread of a window.

#include <windows.h>

#include <atomic>
#include <functional>

namespace fwtest {

// Pumps this thread's messages for `ms`.
void pumpMessagesFor(DWORD ms);
// Pumps until `done` holds or `timeoutMs` passed; returns `done()`.
bool pumpUntil(const std::function<bool()>& done, DWORD timeoutMs);
// Polls (no pumping; for conditions another thread makes true).
bool waitUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Runs `function` on the thread owning `window` (a window whose handler
// answers kInvokeMessage, see the test sheet). False on time-out.
inline constexpr UINT kInvokeMessage = WM_APP + 40;
bool invokeOn(HWND window, const std::function<void()>& function);

// A top-level window (hidden) on the creating thread.
class HelperWindow {
 public:
  static constexpr UINT kProbeMessage = WM_APP + 41;
  static constexpr LRESULT kProbeAnswer = 42;

  HelperWindow();
  ~HelperWindow();
  HWND hwnd() const { return hwnd_; }
  void startTimer(UINT periodMs);
  int ticks() const { return ticks_.load(); }

 private:
  static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  HWND hwnd_ = nullptr;
  std::atomic<int> ticks_{0};
};

}  // namespace fwtest
