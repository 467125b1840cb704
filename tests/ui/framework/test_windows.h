#pragma once
// Helpers of the framework tests: a plain helper window that counts its
// timer ticks and answers a probe message, and the shared waits.

#include <windows.h>

#include <atomic>
#include <functional>

#include "support/waiting.h"

namespace fwtest {

// The shared waits and the run-on-a-window's-thread call.
using testsupport::invokeOn;
using testsupport::kInvokeMessage;
using testsupport::pumpMessagesFor;
using testsupport::pumpUntil;
using testsupport::waitUntil;

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
