#pragma once
// The worker-thread helper of the sessions, imports and checks.
//
// How it works: a worker runs a body on its own thread and reports to its
// owner window only by synchronous messages (WorkerContext::send), so a
// pointer it passes stays valid while the owner reads it. Stopping is
// cooperative, never TerminateThread (a thread killed inside WinINet, msi.dll
// or the heap leaves their locks held and hangs the next download or the
// exit):
//   - the owner sets the stop byte, which the body reads between its steps;
//   - it signals the stop event, which every wait of the body includes
//     (WorkerContext::wait, WorkerContext::sleep);
//   - it runs the body's stop action on its own thread (for example closing
//     the worker's internet handles, which ends a blocked read);
//   - it waits up to 5000 ms for the thread while dispatching sent messages
//     only, so a worker's SendMessage to the owner cannot deadlock the wait
//     and no user input is processed meanwhile.
// A worker still inside an uninterruptible call after the wait is detached:
// its messages are dropped from then on (and none of them is still being
// delivered when stop() returns), its context lives on through shared
// ownership, and it ends on its own. The body must therefore own, or share,
// everything it touches after a stop request: the dialog may be gone.
// At program exit exitNowIfWorkersDetached ends the process without waiting.
//
// Only the owner thread closes the thread handle, never the worker, so no
// handle is closed twice or waited on after it was reused.

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>

namespace ui {

class Dialog;

// Waits for `object` up to `timeoutMs` while dispatching the messages that
// other threads send to this thread's windows (nothing else: no input, no
// timers, no posted messages). True when the object was signalled.
bool waitDispatchingSentMessages(HANDLE object, DWORD timeoutMs);

enum class WaitResult { Signaled, Stopped, TimedOut, Failed };

// What the body sees; shared by the worker thread and its owner.
class WorkerContext {
 public:
  ~WorkerContext();
  WorkerContext(const WorkerContext&) = delete;
  WorkerContext& operator=(const WorkerContext&) = delete;

  // The stop byte, read between steps.
  bool stopRequested() const { return stop_.load(); }
  // Manual-reset event set with the stop byte; include it in every wait.
  HANDLE stopEvent() const { return stopEvent_; }

  // Synchronous message to the owner window; 0 without effect once the owner
  // has let the worker go.
  LRESULT send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // Posted message to the owner window; false once the owner let it go.
  bool post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  // Waits for `object` or the stop event.
  WaitResult wait(HANDLE object, DWORD timeoutMs);
  // Sleeps `ms`; false when a stop was requested before or meanwhile.
  bool sleep(DWORD ms);

  // An action the owner runs on its thread when it requests the stop (close
  // the handles a blocked call is using). Runs at once when a stop was
  // already requested. One action at a time.
  void onStop(std::function<void()> action);
  // Withdraws the action before the body releases those handles itself.
  // True when the action had not run (the body still owns the handles);
  // false when the owner already ran it.
  bool cancelOnStop();

 private:
  friend class Worker;
  WorkerContext(HWND owner, std::function<void(WorkerContext&)> body);
  static unsigned __stdcall threadMain(void* parameter);
  void requestStop();
  // True when the worker was detached; false when it had ended meanwhile.
  bool detach();

  enum State : int { kRunning = 0, kEnded = 1, kDetached = 2 };

  std::atomic<bool> stop_{false};
  HANDLE stopEvent_ = nullptr;
  std::atomic<HWND> owner_;
  std::atomic<int> sendsInFlight_{0};
  std::atomic<int> state_{kRunning};
  std::function<void(WorkerContext&)> body_;
  std::mutex actionMutex_;
  std::function<void()> stopAction_;
  bool stopActionRan_ = false;
};

class Worker {
 public:
  using Body = std::function<void(WorkerContext&)>;
  static constexpr DWORD kStopTimeoutMs = 5000;

  Worker() = default;
  // Stops a running worker (at most kStopTimeoutMs).
  ~Worker();
  Worker(const Worker&) = delete;
  Worker& operator=(const Worker&) = delete;

  // Starts `body` on a new thread reporting to `owner`. False when a worker
  // is already running here or the thread could not be started.
  bool start(HWND owner, Body body);
  // The same with the dialog's window as owner; the worker is also stopped
  // when that window is destroyed.
  bool start(Dialog& owner, Body body);

  // Sets the stop byte and event and runs the stop action; does not wait.
  void requestStop();
  // requestStop, then waits up to `timeoutMs` while dispatching sent
  // messages. True when the thread ended (or none ran); false when it was
  // still running and has been detached. Call it on the owner's thread.
  bool stop(DWORD timeoutMs = kStopTimeoutMs);

  // True while a started worker has not been stopped or has not ended.
  bool running() const;

  // Detached workers that have not ended yet (whole program).
  static int detachedCount();

 private:
  friend class Dialog;
  void unbind();

  std::shared_ptr<WorkerContext> context_;
  HANDLE thread_ = nullptr;
  Dialog* boundDialog_ = nullptr;
};

// End of the program: when a detached worker is still running, ends the
// process at once with `exitCode` (no static destructors and no DLL clean-up
// that could wait for a lock the worker holds). Returns otherwise.
void exitNowIfWorkersDetached(UINT exitCode);

}  // namespace ui
