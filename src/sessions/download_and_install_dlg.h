#pragma once
// DDownloadAndInstallComponent: the modal progress dialog of one row's
// download and, unless it only downloads, installation.
//
// How it works. Construction works out the three paths of the download
// (download_paths.h) and creates the download folder. The dialog starts a
// worker (download_worker.h) that reports by WM_USER + 5: 100 download
// started, 101 kilobytes received, 102 download completed (installation
// starting, unless download only), 103 failed, 104 installed. The dialog ends
// by itself with IDOK after a finished download-only fetch or installation,
// with IDCANCEL after a failure; Abort asks first and then ends it with
// IDCANCEL and userAborted() set. Every way out puts an earlier download back
// when the new one did not arrive (the download folder is a cache that must
// not lose a good file). Destroying the window stops the worker: its internet
// handles are closed, its waits end, and at most 5 seconds later it has
// ended or is left to finish on its own without touching the dialog.
//
// A session object that is never run serves to remove an earlier download
// (deleteDownloadedFiles).

#include <memory>
#include <string>

#include "components/component_row.h"
#include "platform/ui/dialog.h"
#include "platform/ui/worker.h"
#include "sessions/download_worker.h"

class hnComponentInstallHeader;

class DDownloadAndInstallComponent : public ui::Dialog {
 public:
  // `index` of `count`: the row's place in the caller's list (1 and 1 for
  // single downloads). The row is read here and never changed.
  DDownloadAndInstallComponent(int index, int count, const components::ComponentRow& component, bool downloadOnly,
                               bool redownload, bool interactive);
  ~DDownloadAndInstallComponent() override;

  bool userAborted() const { return userAborted_; }
  const std::string& finalPath() const { return job_.paths.finalPath; }
  const std::string& tempPath() const { return job_.paths.tempPath; }

  // Deletes the temporary and the downloaded file of the row (read-only
  // attributes cleared). False when an existing downloaded file could not be
  // deleted; otherwise whether the temporary file is gone.
  bool deleteDownloadedFiles();

 protected:
  bool onInitDialog() override;
  void doDataExchange(ui::DataExchange& dx) override;
  // Enter must not end a running session as if it had succeeded.
  void onOK() override {}
  // Abort, Escape and the close box: ask, then end.
  void onCancel() override;
  void onTimer(UINT_PTR id) override;
  void onPaint() override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void handleReport(int code, LPARAM detail);
  void restoreBackup();
  void showTexts();

  int index_;
  int count_;
  sessions::DownloadJob job_;
  std::shared_ptr<sessions::DownloadShared> shared_;
  ui::Worker worker_;
  bool workerStarted_ = false;
  bool userAborted_ = false;
  std::unique_ptr<hnComponentInstallHeader> header_;

  std::string statusText_;
  std::string bytesText_;
  std::string installText_;
  int progressPosition_ = 0;
};
