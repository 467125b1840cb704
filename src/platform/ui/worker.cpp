#include "platform/ui/worker.h"

#include <process.h>

#include <algorithm>
#include <exception>

#include "platform/debug_log.h"
#include "platform/ui/dialog.h"

namespace ui {
namespace {

std::atomic<int>& detachedWorkers() {
  static std::atomic<int> count{0};
  return count;
}

// While a detached worker's last message may still be on its way, the owner
// keeps dispatching for at most this long.
constexpr DWORD kDrainLimitMs = 2000;

void dispatchSentMessages() {
  MSG message;
  PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
}

}  // namespace

bool waitDispatchingSentMessages(HANDLE object, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    // Sent messages that arrived before the wait are served first.
    dispatchSentMessages();
    const ULONGLONG now = GetTickCount64();
    const DWORD remaining = now >= deadline ? 0 : static_cast<DWORD>(deadline - now);
    const DWORD result = MsgWaitForMultipleObjectsEx(1, &object, remaining, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
    if (result == WAIT_OBJECT_0) return true;
    if (result == WAIT_OBJECT_0 + 1) {
      if (remaining == 0 && WaitForSingleObject(object, 0) != WAIT_OBJECT_0) {
        dispatchSentMessages();
        return false;
      }
      continue;
    }
    if (result == WAIT_TIMEOUT) return false;
    platform::debugOutputF("ui::waitDispatchingSentMessages - wait failed, error %lu\n", GetLastError());
    return false;
  }
}

// --- WorkerContext ---

WorkerContext::WorkerContext(HWND owner, std::function<void(WorkerContext&)> body)
    : stopEvent_(CreateEventA(nullptr, TRUE, FALSE, nullptr)), owner_(owner), body_(std::move(body)) {}

WorkerContext::~WorkerContext() {
  if (stopEvent_ != nullptr) CloseHandle(stopEvent_);
}

LRESULT WorkerContext::send(UINT message, WPARAM wParam, LPARAM lParam) {
  // Counted before the owner is read: detach() clears the owner first and
  // then waits until no send is in flight, so after it no message arrives.
  sendsInFlight_.fetch_add(1);
  LRESULT result = 0;
  HWND owner = owner_.load();
  if (owner != nullptr) result = SendMessageA(owner, message, wParam, lParam);
  sendsInFlight_.fetch_sub(1);
  return result;
}

bool WorkerContext::post(UINT message, WPARAM wParam, LPARAM lParam) {
  sendsInFlight_.fetch_add(1);
  HWND owner = owner_.load();
  const bool posted = owner != nullptr && PostMessageA(owner, message, wParam, lParam) != FALSE;
  sendsInFlight_.fetch_sub(1);
  return posted;
}

WaitResult WorkerContext::wait(HANDLE object, DWORD timeoutMs) {
  HANDLE handles[2] = {object, stopEvent_};
  const DWORD result = WaitForMultipleObjects(2, handles, FALSE, timeoutMs);
  if (result == WAIT_OBJECT_0) return WaitResult::Signaled;
  if (result == WAIT_OBJECT_0 + 1) return WaitResult::Stopped;
  if (result == WAIT_TIMEOUT) return WaitResult::TimedOut;
  return WaitResult::Failed;
}

bool WorkerContext::sleep(DWORD ms) {
  if (stopRequested()) return false;
  return WaitForSingleObject(stopEvent_, ms) == WAIT_TIMEOUT;
}

void WorkerContext::onStop(std::function<void()> action) {
  std::lock_guard<std::mutex> lock(actionMutex_);
  stopAction_ = std::move(action);
  stopActionRan_ = false;
  if (stopRequested() && stopAction_) {
    stopActionRan_ = true;
    auto run = std::move(stopAction_);
    stopAction_ = nullptr;
    run();
  }
}

bool WorkerContext::cancelOnStop() {
  std::lock_guard<std::mutex> lock(actionMutex_);
  const bool pending = !stopActionRan_;
  stopAction_ = nullptr;
  stopActionRan_ = false;
  return pending;
}

void WorkerContext::requestStop() {
  stop_.store(true);
  if (stopEvent_ != nullptr) SetEvent(stopEvent_);
  std::lock_guard<std::mutex> lock(actionMutex_);
  if (!stopAction_) return;
  stopActionRan_ = true;
  auto run = std::move(stopAction_);
  stopAction_ = nullptr;
  try {
    run();
  } catch (...) {
    platform::debugOutput("ui::Worker::requestStop - exception in the stop action\n");
  }
}

bool WorkerContext::detach() {
  detachedWorkers().fetch_add(1);
  int expected = kRunning;
  if (!state_.compare_exchange_strong(expected, kDetached)) {
    // It ended just now: nothing is left running.
    detachedWorkers().fetch_sub(1);
    owner_.store(nullptr);
    return false;
  }
  owner_.store(nullptr);
  // A message already on its way is delivered (we dispatch it) before the
  // owner's window goes away.
  const ULONGLONG deadline = GetTickCount64() + kDrainLimitMs;
  while (sendsInFlight_.load() > 0 && GetTickCount64() < deadline) {
    dispatchSentMessages();
    MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_SENDMESSAGE, MWMO_INPUTAVAILABLE);
  }
  return true;
}

unsigned __stdcall WorkerContext::threadMain(void* parameter) {
  // The thread's own share of the context: it outlives a detaching owner.
  std::unique_ptr<std::shared_ptr<WorkerContext>> share(static_cast<std::shared_ptr<WorkerContext>*>(parameter));
  WorkerContext& context = **share;
  try {
    context.body_(context);
  } catch (const std::exception& e) {
    platform::debugOutputF("ui::Worker::threadMain - exception: %s\n", e.what());
  } catch (...) {
    platform::debugOutput("ui::Worker::threadMain - unknown exception\n");
  }
  int expected = kRunning;
  if (!context.state_.compare_exchange_strong(expected, kEnded)) {
    // Detached earlier: no longer counted as left running.
    detachedWorkers().fetch_sub(1);
  }
  return 0;
}

// --- Worker ---

Worker::~Worker() {
  stop();
  unbind();
}

bool Worker::start(HWND owner, Body body) {
  if (running()) return false;
  if (thread_ != nullptr) stop();
  auto context = std::shared_ptr<WorkerContext>(new WorkerContext(owner, std::move(body)));
  if (context->stopEvent_ == nullptr) {
    platform::debugOutputF("ui::Worker::start - unable to create the stop event, error %lu\n", GetLastError());
    return false;
  }
  auto* share = new std::shared_ptr<WorkerContext>(context);
  unsigned threadId = 0;
  const uintptr_t thread = _beginthreadex(nullptr, 0, &WorkerContext::threadMain, share, 0, &threadId);
  if (thread == 0) {
    delete share;
    platform::debugOutput("ui::Worker::start - unable to start the thread\n");
    return false;
  }
  context_ = std::move(context);
  thread_ = reinterpret_cast<HANDLE>(thread);
  return true;
}

bool Worker::start(Dialog& owner, Body body) {
  if (!start(owner.hwnd(), std::move(body))) return false;
  if (boundDialog_ != &owner) {
    unbind();
    boundDialog_ = &owner;
    owner.workers_.push_back(this);
  }
  return true;
}

void Worker::requestStop() {
  if (context_) context_->requestStop();
}

bool Worker::stop(DWORD timeoutMs) {
  if (thread_ == nullptr) return true;
  context_->requestStop();
  bool ended = waitDispatchingSentMessages(thread_, timeoutMs);
  if (!ended) {
    if (context_->detach()) {
      platform::debugOutputF("ui::Worker::stop - worker still running after %lu ms, left to finish on its own\n",
                             static_cast<unsigned long>(timeoutMs));
    } else {
      ended = true;
    }
  } else {
    context_->owner_.store(nullptr);
  }
  CloseHandle(thread_);
  thread_ = nullptr;
  context_.reset();
  return ended;
}

bool Worker::running() const {
  return thread_ != nullptr && WaitForSingleObject(thread_, 0) == WAIT_TIMEOUT;
}

int Worker::detachedCount() { return detachedWorkers().load(); }

void Worker::unbind() {
  if (boundDialog_ == nullptr) return;
  auto& workers = boundDialog_->workers_;
  workers.erase(std::remove(workers.begin(), workers.end(), this), workers.end());
  boundDialog_ = nullptr;
}

void exitNowIfWorkersDetached(UINT exitCode) {
  if (Worker::detachedCount() <= 0) return;
  platform::debugOutputF("ui::exitNowIfWorkersDetached - %d worker(s) still running, ending the process\n",
                         Worker::detachedCount());
  TerminateProcess(GetCurrentProcess(), exitCode);
}

}  // namespace ui
