#include "sessions/download_worker.h"

#include <cstdio>
#include <exception>

#include "app/folders.h"
#include "platform/debug_log.h"
#include "platform/ui/message_box.h"
#include "sessions/download_error_display_dlg.h"
#include "sessions/download_failure_text.h"
#include "sessions/download_session_texts.h"
#include "sessions/http_download.h"
#include "sessions/install_step.h"

namespace sessions {

namespace {

class WorkerRun {
 public:
  WorkerRun(ui::WorkerContext& context, const DownloadJob& job, DownloadShared& shared)
      : context_(context), job_(job), shared_(shared) {}

  void run() {
    if (job_.paths.tempPath.size() > kMaxDownloadPathLength) {
      // Told before the session ends, so the message is not left behind a
      // closed dialog.
      showMessage(session_text::kPathTooLong);
      report(session_code::kSessionFailed);
      return;
    }
    try {
      runSteps();
    } catch (const std::exception& e) {
      platform::debugOutputF("DDownloadAndInstallComponent::downloadWorker - unexpected failure: %s\n", e.what());
      failUnexpectedly();
    } catch (...) {
      platform::debugOutput("DDownloadAndInstallComponent::downloadWorker - unexpected failure\n");
      failUnexpectedly();
    }
  }

 private:
  void runSteps() {
    const DownloadPaths& paths = job_.paths;
    if (job_.redownload && app::pathExists(paths.finalPath)) {
      moveReplacing(paths.backupPath, paths.finalPath);
      if (app::pathExists(paths.finalPath)) deleteFileForcibly(paths.finalPath);
    }
    if (!app::pathExists(paths.finalPath)) {
      if (!fetch()) return;
    }
    if (job_.downloadOnly) {
      report(session_code::kDownloadCompleted);
      return;
    }
    report(session_code::kDownloadCompleted);
    if (app::pathExists(paths.finalPath)) {
      const InstallCommand command =
          installCommandFor(job_.isMsiPackage, job_.installArguments, paths.finalPath, systemFolderPath());
      const InstallRun ran = runAndWait(command, context_.stopEvent());
      if (ran == InstallRun::Stopped) return;
      if (ran == InstallRun::NotStarted) {
        failUnexpectedly();
        return;
      }
    }
    report(session_code::kInstallationCompleted);
  }

  // Steps 5 to 7: the request, the body, the move into place. False when the
  // session has ended (failure reported, or stopped).
  bool fetch() {
    HttpDownload download([this] { return context_.stopRequested(); }, /*allowCredentialsPrompt=*/true);
    context_.onStop([&download] { download.abort(); });
    // The action must not outlive `download`, however fetch ends.
    struct StopActionWithdrawal {
      ui::WorkerContext& context;
      ~StopActionWithdrawal() { context.cancelOnStop(); }
    } withdrawal{context_};
    unsigned long long reportMark = 0;
    TransferEvents events;
    events.started = [this](std::uint64_t announced) {
      shared_.totalKB.store(static_cast<long long>(announced / 1024));
      report(session_code::kDownloadStarted);
    };
    events.received = [this, &reportMark](std::uint64_t received) {
      if (received <= reportMark + kReportStepBytes) return;
      // One report per read at most, showing the true total; the next one
      // follows after a further 100 KB.
      reportMark = received - received % kReportStepBytes;
      char text[128];
      std::snprintf(text, sizeof text, "%lld", static_cast<long long>(received / 1024));
      report(session_code::kBytesReceived, reinterpret_cast<LPARAM>(text));
    };
    const TransferResult transfer = download.fetch(job_.downloadUrl, job_.paths.tempPath, events);

    if (transfer.kind == TransferResult::Kind::Stopped || context_.stopRequested()) return false;
    if (transfer.kind == TransferResult::Kind::Unexpected) {
      failUnexpectedly();
      return false;
    }
    if (transfer.kind != TransferResult::Kind::Completed) {
      if (job_.interactive && !context_.stopRequested()) {
        DDownloadErrorDisplayDlg errorDialog(downloadFailureText(transfer), job_.downloadUrl);
        errorDialog.doModal(shared_.dialogWindow.load());
      }
      report(session_code::kSessionFailed);
      return false;
    }
    if (!moveReplacing(job_.paths.finalPath, job_.paths.tempPath)) {
      // Never "completed" without the file in place.
      showMessage(session_text::kUnableToProcess);
      report(session_code::kSessionFailed);
      return false;
    }
    return !context_.stopRequested();
  }

  void failUnexpectedly() {
    if (job_.interactive && !context_.stopRequested()) {
      if (job_.downloadOnly) {
        DDownloadErrorDisplayDlg errorDialog(session_text::kUnexpectedDownload, job_.downloadUrl);
        errorDialog.doModal(shared_.dialogWindow.load());
      } else {
        ui::messageBox(shared_.dialogWindow.load(), session_text::kUnexpectedInstall);
      }
    }
    report(session_code::kSessionFailed);
  }

  void showMessage(const char* text) {
    if (job_.interactive && !context_.stopRequested()) ui::messageBox(shared_.dialogWindow.load(), text);
  }

  void report(int code, LPARAM detail = 0) {
    if (context_.stopRequested()) return;
    context_.send(kSessionReportMessage, static_cast<WPARAM>(code), detail);
  }

  ui::WorkerContext& context_;
  const DownloadJob& job_;
  DownloadShared& shared_;
};

}  // namespace

void runDownloadWorker(ui::WorkerContext& context, const DownloadJob& job, DownloadShared& shared) {
  WorkerRun(context, job, shared).run();
}

}  // namespace sessions
