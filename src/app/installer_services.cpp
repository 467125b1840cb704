#include "app/installer_services.h"

#include <windows.h>

#include "app/zephrion_installer_app.h"
#include "sessions/dialog_install_sessions.h"
#include "wizard/controls/hyperlink_target.h"

namespace app {

InstallerServices::InstallerServices(CZephrionLumenixSDKInstallerApp& application)
    : sessions_(std::make_unique<sessions::DialogInstallSessions>(operations_)) {
  // Document links fetch through the same sessions.
  setHyperlinkInstallSessions(sessions_.get());
  services_ = std::unique_ptr<wizard::WizardServices>(new wizard::WizardServices{
      operations_, *sessions_, buildProbes_, pythonSteps_, nullptr, application.releaseUpgradeInfo,
      application.betaUpgradeInfo, application.applicationFolder, application.applicationFolderWritable,
      &application.downloadedInstallerPath, &application.downloadedInstallerFileName});
}

InstallerServices::~InstallerServices() { setHyperlinkInstallSessions(nullptr); }

}  // namespace app
