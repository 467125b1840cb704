#pragma once
// The worker of a download-and-install session: sets an earlier download
// aside when asked to, fetches the row's file into the download folder,
// moves it into place and, unless it only downloads, runs the installer and
// waits for its end. It reports to the session dialog with the codes of
// download_session_texts.h and shows the error texts itself (modally, owned
// by the session dialog) when the session is interactive.
//
// Everything the worker touches is its own copy or shared with the dialog
// through shared ownership, so a worker left to finish after a stop never
// reaches into a destroyed dialog.

#include <windows.h>

#include <atomic>
#include <string>

#include "platform/ui/worker.h"
#include "sessions/download_paths.h"

namespace sessions {

// What the worker needs of the row and the session, copied at start.
struct DownloadJob {
  std::string name;
  std::string downloadUrl;
  std::string installArguments;
  bool isMsiPackage = false;
  DownloadPaths paths;
  bool downloadOnly = false;
  bool redownload = false;
  bool interactive = true;
};

// Shared between the dialog and its worker.
struct DownloadShared {
  // The announced size in KB (bytes / 1024, truncated), set before code 100.
  std::atomic<long long> totalKB{0};
  // Owner of the worker's message boxes and error dialog.
  std::atomic<HWND> dialogWindow{nullptr};
};

void runDownloadWorker(ui::WorkerContext& context, const DownloadJob& job, DownloadShared& shared);

}  // namespace sessions
