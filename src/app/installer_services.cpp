#include "app/installer_services.h"

#include <windows.h>

#include "app/zephrion_installer_app.h"

namespace app {

namespace {

// Sessions while no session dialogs are linked in: nothing is fetched.
class NoInstallSessions final : public components::InstallSessions {
 public:
  components::DownloadSessionResult downloadAndInstall(const components::ComponentRow&,
                                                       const components::DownloadSessionOptions&) override {
    return {};
  }
  int uninstall(const components::ComponentRow&, int, int, bool) override { return IDCANCEL; }
  bool deleteDownloadedFiles(const components::ComponentRow&) override { return true; }
  components::DownloadErrorChoice askAfterDownloadError(const std::string&, HWND) override {
    return components::DownloadErrorChoice::Abort;
  }
};

}  // namespace

InstallerServices::InstallerServices(CZephrionLumenixSDKInstallerApp& application)
    : sessions_(std::make_unique<NoInstallSessions>()) {
  services_ = std::unique_ptr<wizard::WizardServices>(new wizard::WizardServices{
      operations_, *sessions_, buildProbes_, pythonSteps_, nullptr, application.releaseUpgradeInfo.get(),
      application.betaUpgradeInfo.get(), application.applicationFolder, application.applicationFolderWritable,
      &application.downloadedInstallerPath, &application.downloadedInstallerFileName});
}

InstallerServices::~InstallerServices() = default;

}  // namespace app
