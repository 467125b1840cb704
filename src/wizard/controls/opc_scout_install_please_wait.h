#pragma once
// "Please wait..." while an outside setup runs that the installer did not
// start itself: the dialog waits for the program at `processPath` to appear
// (at most two minutes) and then to end (at most ten minutes), and closes.

#include <string>

#include "platform/ui/dialog.h"
#include "platform/ui/worker.h"

class DOpcScoutInstallPleaseWait : public ui::Dialog {
 public:
  // How long the worker waits; the program keeps the defaults, tests shorten
  // them.
  struct Limits {
    int appearRounds = 4800;  // of appearSleepMs: two minutes
    unsigned appearSleepMs = 25;
    int runRounds = 600;  // of runSleepMs: ten minutes
    unsigned runSleepMs = 1000;
  };
  static void setLimitsForTests(const Limits& limits);

  static constexpr UINT_PTR kCloseTimerId = 1047;
  static constexpr UINT kCloseTimerMs = 1000;

  explicit DOpcScoutInstallPleaseWait(std::string processPath);

  std::string processPath;

 protected:
  bool onInitDialog() override;
  void onTimer(UINT_PTR id) override;
  void onDestroy() override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  ui::Worker worker_;
};
