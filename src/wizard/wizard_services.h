#pragma once
// What the wizard's pages and sheet work with, handed down from the
// application object: the per-component operations, the modal sessions and
// the version probes every page's installation manager uses, the program's
// folder and whether it can be written, the start-up steps that keep the
// runtime in step with the chosen Python version, and the upgrade check.
//
// Everything here is borrowed and outlives the sheet. Tests hand in scripted
// versions.

#include <memory>
#include <string>

#include "components/component_operations.h"
#include "components/install_sessions.h"
#include "components/install_version_listing.h"

class InstallerUpgradeInfo;

namespace ui {
class WorkerContext;
}

namespace wizard {

// The steps the sheet runs at start-up after choosing the page sequence for
// the stored Python version, in the order the sheet calls them. Until the
// runtime synchronisation exists each of them does nothing.
class PythonStartupSteps {
 public:
  virtual ~PythonStartupSteps() = default;

  // Python 2.7 selected (or an unknown selection).
  virtual void ifRequiredSetSelectionForPy27Extensions() {}
  virtual void syncPython27OpenCVFiles() {}
  virtual void syncPython27CLRFiles() {}
  virtual void syncPython27ToolboxFiles() {}
  // Only when the OPC client product is installed.
  virtual void syncPython27OpcClientScript() {}
  virtual void syncPython27Shortcuts() {}
  virtual void syncPython27Py2to3Batch() {}
  virtual void removePython36DllFromRuntime() {}

  // Python 3.6 selected.
  virtual void ifRequiredSetSelectionForPy36Extensions() {}
  virtual void syncPython36ToolboxFiles() {}
  virtual void syncPython36Shortcuts() {}
  virtual void syncPython36Py2to3Batch() {}
  virtual void removePython27CLRFilesFromRuntime() {}
  virtual void removePython27DllFromRuntime() {}

  // Whether the OPC client product {FC84F31D-53C5-49CC-A799-80BFF4724731} is
  // installed (the OPC client script is only kept for it).
  virtual bool isOpcClientInstalled() { return false; }
};

// The background check for a newer installer, one channel at a time. It may
// block (a slow server); it must return soon after `context` asks it to stop.
class UpgradeChecker {
 public:
  virtual ~UpgradeChecker() = default;
  virtual void checkForUpgrade(InstallerUpgradeInfo& channel, ui::WorkerContext& context) = 0;
};

struct WizardServices {
  components::ComponentOperations& operations;
  components::InstallSessions& sessions;
  components::version_listing::InstalledBuildProbes& buildProbes;
  PythonStartupSteps& pythonSteps;
  // Null: no check runs. The check and its channels are shared with the
  // check's thread, which may outlive the wizard when it does not stop in
  // time.
  std::shared_ptr<UpgradeChecker> upgradeChecker;
  std::shared_ptr<InstallerUpgradeInfo> releaseUpgradeInfo;
  std::shared_ptr<InstallerUpgradeInfo> betaUpgradeInfo;
  std::string applicationFolder;
  bool applicationFolderWritable = false;
  // Where the upgrade dialog left a newer installer and the name it is to
  // have beside the program (the application object's; may be null).
  const std::string* downloadedInstallerPath = nullptr;
  const std::string* downloadedInstallerFileName = nullptr;
};

}  // namespace wizard
