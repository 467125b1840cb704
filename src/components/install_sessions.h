#pragma once
// The long-running steps that an installation manager (and a few controls)
// hand to modal progress dialogs: download-and-install one row, uninstall one
// row, delete the files of an earlier download, and ask the user what to do
// after a download failed.
//
// Callers reach these steps only through InstallSessions, so that the real
// dialogs (each with its worker thread) plug in without the callers knowing
// them, and tests can script the outcome of every step per row. Every call
// runs on the main thread and returns when the dialog has closed; the row is
// borrowed for the duration of the call and never changed by the session.
//
// Results are values, never exceptions: a session reports what its dialog
// ended with, and the caller decides success by detecting the component again.

#include <windows.h>

#include <string>

#include "components/component_row.h"

namespace components {

// How one download-and-install session runs.
struct DownloadSessionOptions {
  // 1-based place of the row in the caller's list and the list's length, shown
  // in the dialog's header ("Installing component 2 of 5"). Callers outside a
  // multi-row run pass 1 and 1.
  int index = 1;
  int count = 1;
  // true: fetch the file only (the caller installs it itself, or only wants
  // it in the download folder); false: fetch, then run the downloaded setup
  // program or msiexec and wait for it.
  bool downloadOnly = false;
  // true: a file already in the download folder is set aside and fetched
  // anew; false: the download folder is a cache and an existing file is used.
  bool redownload = false;
  // true: failures are shown to the user (message boxes, error dialog);
  // false: they are only reported by the result.
  bool interactive = true;
  // Window that owns the modal dialog; nullptr means the calling thread's
  // active top-level window.
  HWND owner = nullptr;
};

// What a download-and-install session ended with.
struct DownloadSessionResult {
  // IDOK when the download (and, when asked for, the installation) completed;
  // IDCANCEL when it failed or the user aborted it.
  int dialogResult = IDCANCEL;
  // Set when the user confirmed Abort: callers looping over rows stop.
  bool userAborted = false;

  bool completed() const { return dialogResult == IDOK; }
};

// The user's answer in the download-error dialog, with the dialog's own
// choice numbers. Closing the dialog any other way counts as Abort.
enum class DownloadErrorChoice : int {
  Abort = 0,
  Retry = 1,
  Ignore = 2,
  IgnoreAll = 3,
};

class InstallSessions {
 public:
  virtual ~InstallSessions() = default;

  // Downloads the row's file into its download folder and, unless
  // options.downloadOnly, runs it, behind the modal progress dialog.
  virtual DownloadSessionResult downloadAndInstall(const ComponentRow& row, const DownloadSessionOptions& options) = 0;

  // Runs the row's uninstall recipe behind the modal uninstall dialog (place
  // `index` of `count`). Returns the dialog's result: IDOK after the recipe
  // ran, IDCANCEL after Abort. Callers detect the component again rather than
  // trusting this.
  virtual int uninstall(const ComponentRow& row, int index, int count, bool stopOnPackageErrors) = 0;

  // Deletes the row's downloaded file and its partial-download file (the
  // read-only attribute cleared first). false when an existing downloaded
  // file could not be deleted.
  virtual bool deleteDownloadedFiles(const ComponentRow& row) = 0;

  // Shows the download-error dialog with `message` and returns the choice.
  virtual DownloadErrorChoice askAfterDownloadError(const std::string& message, HWND owner) = 0;
};

// Where a session places the row's file: the download folder, a backslash and
// the file name. A file at this path is a finished download (partial ones
// carry a suffix until they are complete).
inline std::string downloadedFilePath(const std::string& folder, const std::string& fileName) {
  return folder + "\\" + fileName;
}
inline std::string downloadedFilePath(const ComponentRow& row) {
  return downloadedFilePath(row.downloadFolder(), row.fileName());
}

}  // namespace components
