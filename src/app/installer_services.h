#pragma once
// The services the wizard works with, as the program provides them today.
//
// The detection probes, the install and uninstall recipes and the runtime
// synchronisation are filled in component by component; until a component
// has its own, it is never detected, its recipes report failure and its
// version listing finds nothing, so the pages show it "Not Installed" and
// nothing on the computer is changed by guesswork.

#include <memory>
#include <string>

#include "components/component_operations.h"
#include "components/install_sessions.h"
#include "components/install_version_listing.h"
#include "wizard/wizard_services.h"

class CZephrionLumenixSDKInstallerApp;

namespace app {

// Components without operations of their own.
class UnknownComponentOperations final : public components::ComponentOperations {
 public:
  bool detectComponent(const components::ComponentRow&) override { return false; }
  bool verifyComponent(components::ComponentRow&) override { return false; }
  bool runInstallRecipe(components::ComponentRow&, bool) override { return true; }
  bool runPostInstallActions(components::ComponentRow&) override { return true; }
  int runRepairStep(components::ComponentRow&, bool) override { return 1; }
  bool runUninstallRecipe(const components::ComponentRow&, bool) override { return false; }
};

// Version listings that find no builds.
class NoInstalledBuildProbes final : public components::version_listing::InstalledBuildProbes {
 public:
  bool uninstallDisplayNameEquals(std::string_view, std::string_view) override { return false; }
  std::string python27PackageVersion(std::string_view) override { return {}; }
  bool runtimeFolderExists(std::string_view) override { return false; }
  bool msiProductVersionIs(std::string_view, std::string_view) override { return false; }
  bool describePython36Builds(components::version_listing::Python36Family, std::string& text) override {
    text = "Unknown";
    return true;
  }
};

class InstallerServices {
 public:
  explicit InstallerServices(CZephrionLumenixSDKInstallerApp& application);
  ~InstallerServices();
  InstallerServices(const InstallerServices&) = delete;
  InstallerServices& operator=(const InstallerServices&) = delete;

  wizard::WizardServices& wizardServices() { return *services_; }

 private:
  UnknownComponentOperations operations_;
  NoInstalledBuildProbes buildProbes_;
  wizard::PythonStartupSteps pythonSteps_;
  std::unique_ptr<components::InstallSessions> sessions_;
  std::unique_ptr<wizard::WizardServices> services_;
};

}  // namespace app
