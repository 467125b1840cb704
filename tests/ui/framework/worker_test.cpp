// Modal progress dialogs driven by a worker: synchronous reports, stops that
// end a waiting worker at once, a stuck worker that is let go after 5 s, and
// a program that ends without waiting for such a worker.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <memory>
#include <string>
#include <thread>

#include "framework_test_ids.h"
#include "platform/debug_log.h"
#include "platform/ui/dialog.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/worker.h"
#include "support/process.h"
#include "test_windows.h"

namespace {

constexpr UINT kReportMessage = WM_USER + 5;
constexpr WPARAM kBytesReport = 101;
constexpr WPARAM kDoneReport = 102;
constexpr UINT_PTR kTickTimer = 1;
constexpr UINT_PTR kEndTimer = 2;
constexpr UINT_PTR kSafetyTimer = 3;

// Reports handled by any progress dialog, counted outside the dialogs so the
// count can be read after a dialog is gone.
std::atomic<int> g_reportsHandled{0};

class ProgressDialog : public ui::Dialog {
 public:
  // `endAfterMs` > 0: the dialog ends itself (IDCANCEL) after that time.
  ProgressDialog(ui::Worker::Body body, UINT endAfterMs) : ui::Dialog(IDD_FW_PROGRESS), body_(std::move(body)), endAfterMs_(endAfterMs) {}

  int received = 0;
  std::string lastText;
  int barPosition = 0;
  std::atomic<int> ticks{0};
  std::atomic<ULONGLONG> endRequestedAt{0};
  ui::Worker worker;

 protected:
  bool onInitDialog() override {
    ui::ProgressBar bar;
    bar.attach(hwnd(), IDC_FW_PROGRESS);
    bar.setRange(0, 1000);
    setTimer(kTickTimer, 50);
    setTimer(kSafetyTimer, 30000);
    if (endAfterMs_ > 0) setTimer(kEndTimer, endAfterMs_);
    worker.start(*this, body_);
    return ui::Dialog::onInitDialog();
  }

  void doDataExchange(ui::DataExchange& dx) override {
    dx.text(IDC_FW_STATUS, status_);
    dx.progress(IDC_FW_PROGRESS, position_);
  }

  bool onMessage(UINT message, WPARAM code, LPARAM text, LRESULT& result) override {
    if (message != kReportMessage) return false;
    ++g_reportsHandled;
    result = 1;
    if (code == kBytesReport) {
      ++received;
      if (text != 0) lastText = reinterpret_cast<const char*>(text);
      position_ = received;
      updateData(true);
    } else if (code == kDoneReport) {
      status_ = "Done";
      updateData(true);
      ui::ProgressBar bar;
      bar.attach(hwnd(), IDC_FW_PROGRESS);
      barPosition = bar.position();
      endDialog(IDOK);
    }
    return true;
  }

  void onTimer(UINT_PTR id) override {
    if (id == kTickTimer) {
      ++ticks;
    } else if (id == kEndTimer) {
      killTimer(kEndTimer);
      endRequestedAt = GetTickCount64();
      endDialog(IDCANCEL);
    } else if (id == kSafetyTimer) {
      endDialog(-5);
    }
  }

 private:
  ui::Worker::Body body_;
  UINT endAfterMs_;
  std::string status_ = "Working...";
  int position_ = 0;
};

// Events shared by a test and its worker body (the body keeps its own share).
struct Shared {
  HANDLE event = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE finished = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::atomic<int> waitResult{-1};
  std::atomic<LRESULT> answer{-1};
  std::atomic<int> posted{-1};
  ~Shared() {
    CloseHandle(event);
    CloseHandle(finished);
  }
};

class WorkerTest : public testing::Test {
 protected:
  void SetUp() override { platform::debug_capture::start(); }
  void TearDown() override { platform::debug_capture::stop(); }
};

TEST_F(WorkerTest, AWorkerSendsAThousandSynchronousReportsAndEndsTheDialog) {
  ProgressDialog dialog(
      [](ui::WorkerContext& context) {
        char text[128];
        for (int i = 1; i <= 1000 && !context.stopRequested(); ++i) {
          std::snprintf(text, sizeof(text), "%d", i);
          // The buffer lives on the worker's stack: valid only because the
          // dialog reads it before the send returns.
          context.send(kReportMessage, kBytesReport, reinterpret_cast<LPARAM>(text));
        }
        context.send(kReportMessage, kDoneReport, 0);
      },
      0);
  EXPECT_EQ(dialog.doModal(), IDOK);
  EXPECT_EQ(dialog.received, 1000);
  EXPECT_EQ(dialog.lastText, "1000");
  EXPECT_EQ(dialog.barPosition, 1000);
  EXPECT_FALSE(dialog.worker.running());
}

TEST_F(WorkerTest, AWorkerWaitingOnItsStopEventEndsPromptlyWhenTheDialogCloses) {
  struct Case {
    const char* name;
    ui::Worker::Body body;
  };
  auto shared = std::make_shared<Shared>();
  const Case cases[] = {
      {"wait", [shared](ui::WorkerContext& c) { shared->waitResult = static_cast<int>(c.wait(shared->event, INFINITE)); }},
      {"sleep",
       [shared](ui::WorkerContext& c) {
         while (c.sleep(10000)) {
         }
         shared->waitResult = static_cast<int>(ui::WaitResult::Stopped);
       }},
      {"sending",
       [shared](ui::WorkerContext& c) {
         // Keeps reporting while the owner waits for it: the owner must
         // dispatch these or both would hang.
         while (!c.stopRequested()) c.send(kReportMessage, kBytesReport, reinterpret_cast<LPARAM>("1"));
         shared->answer = c.send(kReportMessage, kBytesReport, reinterpret_cast<LPARAM>("last"));
         shared->waitResult = static_cast<int>(ui::WaitResult::Stopped);
       }},
  };
  for (const Case& c : cases) {
    shared->waitResult = -1;
    ProgressDialog dialog(c.body, 200);
    EXPECT_EQ(dialog.doModal(), IDCANCEL) << c.name;
    const ULONGLONG stopMs = GetTickCount64() - dialog.endRequestedAt;
    EXPECT_LT(stopMs, 1500u) << c.name;
    EXPECT_EQ(shared->waitResult, static_cast<int>(ui::WaitResult::Stopped)) << c.name;
    EXPECT_FALSE(dialog.worker.running()) << c.name;
  }
  EXPECT_EQ(shared->answer, 1) << "the report sent during the owner's wait was answered";
  EXPECT_EQ(ui::Worker::detachedCount(), 0);
}

TEST_F(WorkerTest, TheOwnersStopActionEndsABlockedCall) {
  fwtest::HelperWindow owner;
  auto shared = std::make_shared<Shared>();
  ui::Worker worker;
  ASSERT_TRUE(worker.start(owner.hwnd(), [shared](ui::WorkerContext& c) {
    // As closing a request handle ends a blocked read.
    c.onStop([shared] { SetEvent(shared->event); });
    shared->waitResult = static_cast<int>(WaitForSingleObject(shared->event, 30000));
    shared->posted = c.cancelOnStop() ? 1 : 0;
  }));
  Sleep(100);
  const ULONGLONG start = GetTickCount64();
  EXPECT_TRUE(worker.stop());
  EXPECT_LT(GetTickCount64() - start, 1000u);
  EXPECT_EQ(shared->waitResult, static_cast<int>(WAIT_OBJECT_0));
  EXPECT_EQ(shared->posted, 0) << "the action had run, so the body must not release the handles again";

  // A body that withdraws its action before any stop keeps its handles.
  ASSERT_TRUE(worker.start(owner.hwnd(), [shared](ui::WorkerContext& c) {
    c.onStop([] {});
    shared->posted = c.cancelOnStop() ? 1 : 0;
    SetEvent(shared->finished);
  }));
  ASSERT_EQ(WaitForSingleObject(shared->finished, 5000), WAIT_OBJECT_0);
  EXPECT_TRUE(worker.stop());
  EXPECT_EQ(shared->posted, 1);
}

TEST_F(WorkerTest, AStuckWorkerHoldsTheDialogsDestructionAboutFiveSecondsAndIsThenLetGo) {
  auto shared = std::make_shared<Shared>();
  auto dialog = std::make_unique<ProgressDialog>(
      [shared](ui::WorkerContext& c) {
        // Uninterruptible: the stop event is not part of this wait.
        WaitForSingleObject(shared->event, 30000);
        shared->answer = c.send(kReportMessage, kBytesReport, reinterpret_cast<LPARAM>("late"));
        shared->posted = c.post(kReportMessage, kBytesReport, 0) ? 1 : 0;
        SetEvent(shared->finished);
      },
      500);

  // While the owner waits for the worker, another thread's sent message is
  // still answered.
  fwtest::HelperWindow helper;
  std::atomic<LONGLONG> probeMs{-1};
  std::atomic<LRESULT> probeAnswer{0};
  std::thread prober([&] {
    if (!fwtest::waitUntil([&] { return dialog->endRequestedAt.load() != 0; }, 10000)) return;
    Sleep(1500);
    const ULONGLONG start = GetTickCount64();
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutA(helper.hwnd(), fwtest::HelperWindow::kProbeMessage, 0, 0, SMTO_NORMAL, 3000, &answer)) {
      probeAnswer = static_cast<LRESULT>(answer);
      probeMs = static_cast<LONGLONG>(GetTickCount64() - start);
    }
  });

  EXPECT_EQ(dialog->doModal(), IDCANCEL);
  const ULONGLONG destructionMs = GetTickCount64() - dialog->endRequestedAt;
  prober.join();
  EXPECT_GE(destructionMs, 4500u);
  EXPECT_LT(destructionMs, 7000u);
  EXPECT_GE(dialog->ticks, 5) << "the dialog's timer ticked while the worker was stuck";
  EXPECT_EQ(probeAnswer, fwtest::HelperWindow::kProbeAnswer);
  EXPECT_GE(probeMs, 0);
  EXPECT_LT(probeMs, 1000);
  EXPECT_EQ(ui::Worker::detachedCount(), 1);
  EXPECT_TRUE(platform::debug_capture::contains(
      "ui::Worker::stop - worker still running after 5000 ms, left to finish on its own\n"));
  const int reportsBefore = g_reportsHandled;
  dialog.reset();

  // The program goes on while the worker is still stuck.
  helper.startTimer(20);
  fwtest::pumpMessagesFor(300);
  EXPECT_GE(helper.ticks(), 5);

  // The worker wakes up after its dialog is gone: its messages go nowhere.
  SetEvent(shared->event);
  ASSERT_EQ(WaitForSingleObject(shared->finished, 5000), WAIT_OBJECT_0);
  fwtest::pumpMessagesFor(100);
  EXPECT_EQ(shared->answer, 0);
  EXPECT_EQ(shared->posted, 0);
  EXPECT_EQ(g_reportsHandled, reportsBefore);
  EXPECT_TRUE(fwtest::waitUntil([] { return ui::Worker::detachedCount() == 0; }, 2000));
}

TEST(WorkerExit, AProgramWithAStuckWorkerEndsWithoutWaitingForIt) {
  struct Case {
    const char* mode;
    DWORD exitCode;
  };
  for (const Case& c : {Case{"terminate", 7}, Case{"return", 0}}) {
    testsupport::ChildProcess probe;
    ASSERT_TRUE(probe.start(ZEPHRION_EXIT_PROBE_EXE, c.mode)) << c.mode;
    const ULONGLONG start = GetTickCount64();
    DWORD exitCode = 1234;
    ASSERT_TRUE(probe.waitForExit(20000, &exitCode)) << c.mode;
    EXPECT_LT(GetTickCount64() - start, 10000u) << c.mode;
    EXPECT_EQ(exitCode, c.exitCode) << c.mode;
  }
}

}  // namespace
