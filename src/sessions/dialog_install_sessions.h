#pragma once
// The installation manager's sessions shown as the real modal dialogs: the
// download-and-install session, the deletion of an earlier download and the
// question after a failed download.

#include "components/component_operations.h"
#include "components/install_sessions.h"

namespace sessions {

class DialogInstallSessions : public components::InstallSessions {
 public:
  // `operations` runs the uninstall recipes; it outlives this object.
  explicit DialogInstallSessions(components::ComponentOperations& operations);

  components::DownloadSessionResult downloadAndInstall(const components::ComponentRow& row,
                                                       const components::DownloadSessionOptions& options) override;
  int uninstall(const components::ComponentRow& row, int index, int count, bool stopOnPackageErrors) override;
  bool deleteDownloadedFiles(const components::ComponentRow& row) override;
  components::DownloadErrorChoice askAfterDownloadError(const std::string& message, HWND owner) override;

 private:
  components::ComponentOperations& operations_;
};

}  // namespace sessions
