#include "sessions/dialog_install_sessions.h"

#include "sessions/download_and_install_dlg.h"
#include "sessions/download_error_handling_option.h"
#include "sessions/download_paths.h"

namespace sessions {

DialogInstallSessions::DialogInstallSessions(components::ComponentOperations& operations) : operations_(operations) {}

components::DownloadSessionResult DialogInstallSessions::downloadAndInstall(
    const components::ComponentRow& row, const components::DownloadSessionOptions& options) {
  DDownloadAndInstallComponent session(options.index, options.count, row, options.downloadOnly, options.redownload,
                                       options.interactive);
  components::DownloadSessionResult result;
  result.dialogResult = static_cast<int>(session.doModal(options.owner));
  if (result.dialogResult != IDOK) result.dialogResult = IDCANCEL;
  result.userAborted = session.userAborted();
  return result;
}

int DialogInstallSessions::uninstall(const components::ComponentRow& row, int, int, bool stopOnPackageErrors) {
  // Runs the recipe directly until the uninstall session dialog takes this
  // place; the caller decides success by detecting the component again.
  return operations_.runUninstallRecipe(row, stopOnPackageErrors) ? IDOK : IDCANCEL;
}

bool DialogInstallSessions::deleteDownloadedFiles(const components::ComponentRow& row) {
  return sessions::deleteDownloadedFiles(downloadPathsFor(row.downloadFolder(), row.fileName()));
}

components::DownloadErrorChoice DialogInstallSessions::askAfterDownloadError(const std::string& message,
                                                                             HWND owner) {
  DDownloadErrorHandlingOption dialog;
  dialog.setMessage(message);
  if (dialog.doModal(owner) != IDOK) return components::DownloadErrorChoice::Abort;
  switch (dialog.choice()) {
    case DDownloadErrorHandlingOption::kChoiceRetry:
      return components::DownloadErrorChoice::Retry;
    case DDownloadErrorHandlingOption::kChoiceIgnore:
      return components::DownloadErrorChoice::Ignore;
    case DDownloadErrorHandlingOption::kChoiceIgnoreAll:
      return components::DownloadErrorChoice::IgnoreAll;
    default:
      return components::DownloadErrorChoice::Abort;
  }
}

}  // namespace sessions
