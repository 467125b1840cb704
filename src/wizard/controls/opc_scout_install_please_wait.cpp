#include "wizard/controls/opc_scout_install_please_wait.h"

#include "app/running_processes.h"
#include "resource_ids.h"

namespace {

// Sent by the worker when the program has come and gone: the dialog starts
// its closing timer on its own thread (a timer belongs to the window's thread).
constexpr UINT kWaitEndedMessage = WM_APP + 181;

DOpcScoutInstallPleaseWait::Limits& limits() {
  static DOpcScoutInstallPleaseWait::Limits current;
  return current;
}

}  // namespace

void DOpcScoutInstallPleaseWait::setLimitsForTests(const Limits& newLimits) { limits() = newLimits; }

DOpcScoutInstallPleaseWait::DOpcScoutInstallPleaseWait(std::string path)
    : ui::Dialog(IDD_OPC_SCOUT_PLEASE_WAIT), processPath(std::move(path)) {}

bool DOpcScoutInstallPleaseWait::onInitDialog() {
  const bool result = ui::Dialog::onInitDialog();
  const std::string path = processPath;
  const Limits waits = limits();
  worker_.start(*this, [path, waits](ui::WorkerContext& context) {
    for (int round = 0; round < waits.appearRounds && !app::isProcessRunning(path.c_str()); ++round) {
      if (!context.sleep(waits.appearSleepMs)) return;
    }
    for (int round = 0; round < waits.runRounds && app::isProcessRunning(path.c_str()); ++round) {
      if (!context.sleep(waits.runSleepMs)) return;
    }
    if (!context.stopRequested()) context.post(kWaitEndedMessage);
  });
  return result;
}

bool DOpcScoutInstallPleaseWait::onMessage(UINT message, WPARAM, LPARAM, LRESULT& result) {
  if (message != kWaitEndedMessage) return false;
  setTimer(kCloseTimerId, kCloseTimerMs);
  result = 0;
  return true;
}

void DOpcScoutInstallPleaseWait::onTimer(UINT_PTR id) {
  if (id != kCloseTimerId) return;
  killTimer(kCloseTimerId);
  endDialog(IDOK);
}

void DOpcScoutInstallPleaseWait::onDestroy() {
  killTimer(kCloseTimerId);
  ui::Dialog::onDestroy();
}
