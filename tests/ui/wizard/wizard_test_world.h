#pragma once
// A scripted computer for the wizard tests: components that are present or
// not, sessions whose behaviour a test sets, the start-up steps recorded in
// order, an upgrade check that can hang, and the real sheet run modally on a
// thread of its own while the test drives it like a user.

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "app/installer_services.h"
#include "app/installer_upgrade_info.h"
#include "components/install_version_listing.h"
#include "support/scratch_documents.h"
#include "support/waiting.h"
#include "wizard/installer_sheet.h"
#include "wizard/wizard_services.h"

namespace wizardtest {

class FakeOperations final : public components::ComponentOperations {
 public:
  std::set<std::string> present;
  std::atomic<int> detectCount{0};

  bool detectComponent(const components::ComponentRow& row) override;
  bool verifyComponent(components::ComponentRow& row) override;
  bool runInstallRecipe(components::ComponentRow&, bool) override { return true; }
  bool runPostInstallActions(components::ComponentRow&) override { return true; }
  int runRepairStep(components::ComponentRow&, bool) override { return 1; }
  bool runUninstallRecipe(const components::ComponentRow&, bool) override { return true; }
};

class FakeSessions final : public components::InstallSessions {
 public:
  // What a download-and-install session does; the default completes at once.
  std::function<components::DownloadSessionResult(const components::ComponentRow&)> onDownload;

  components::DownloadSessionResult downloadAndInstall(const components::ComponentRow& row,
                                                       const components::DownloadSessionOptions&) override;
  int uninstall(const components::ComponentRow&, int, int, bool) override { return IDOK; }
  bool deleteDownloadedFiles(const components::ComponentRow&) override { return true; }
  components::DownloadErrorChoice askAfterDownloadError(const std::string&, HWND) override {
    return components::DownloadErrorChoice::Abort;
  }
};

// Version listings find nothing, as in the program before its probes exist.
using NoProbes = app::NoInstalledBuildProbes;

// Every start-up step, by name, in the order the sheet ran them.
class RecordingPythonSteps final : public wizard::PythonStartupSteps {
 public:
  std::vector<std::string> calls;
  bool opcClientInstalled = false;

  void ifRequiredSetSelectionForPy27Extensions() override { calls.push_back("py27 selections"); }
  void syncPython27OpenCVFiles() override { calls.push_back("py27 opencv"); }
  void syncPython27CLRFiles() override { calls.push_back("py27 clr"); }
  void syncPython27ToolboxFiles() override { calls.push_back("py27 toolbox"); }
  void syncPython27OpcClientScript() override { calls.push_back("py27 opc script"); }
  void syncPython27Shortcuts() override { calls.push_back("py27 shortcuts"); }
  void syncPython27Py2to3Batch() override { calls.push_back("py27 py2to3"); }
  void removePython36DllFromRuntime() override { calls.push_back("remove python36.dll"); }
  void ifRequiredSetSelectionForPy36Extensions() override { calls.push_back("py36 selections"); }
  void syncPython36ToolboxFiles() override { calls.push_back("py36 toolbox"); }
  void syncPython36Shortcuts() override { calls.push_back("py36 shortcuts"); }
  void syncPython36Py2to3Batch() override { calls.push_back("py36 py2to3"); }
  void removePython27CLRFilesFromRuntime() override { calls.push_back("remove py27 clr"); }
  void removePython27DllFromRuntime() override { calls.push_back("remove python27.dll"); }
  bool isOpcClientInstalled() override { return opcClientInstalled; }
};

// An upgrade check that announces a newer version, or hangs in a call that
// does not look at the stop request (as a blocked network read would).
class ScriptedUpgradeChecker final : public wizard::UpgradeChecker {
 public:
  std::atomic<bool> hang{false};
  std::atomic<bool> announce{false};
  std::atomic<int> checks{0};

  void checkForUpgrade(InstallerUpgradeInfo& channel, ui::WorkerContext& context) override;
};

// The world of one test: services, a scratch Documents folder holding the
// Python selection, and the sheet.
class World {
 public:
  // `pythonSelection`: stored before the sheet is built (nullptr: no file).
  explicit World(const char* pythonSelection);
  ~World();

  FakeOperations operations;
  FakeSessions sessions;
  NoProbes probes;
  RecordingPythonSteps pythonSteps;
  // Shared with the sheet's check, which may outlive the test when it hangs.
  std::shared_ptr<ScriptedUpgradeChecker> upgradeChecker = std::make_shared<ScriptedUpgradeChecker>();
  std::shared_ptr<InstallerUpgradeInfo> release =
      std::make_shared<InstallerUpgradeInfo>("http://127.0.0.1:9/760UpgradeInfo.ini.txt", "760UpgradeInfo.ini.txt");
  std::shared_ptr<InstallerUpgradeInfo> beta = std::make_shared<InstallerUpgradeInfo>(
      "http://127.0.0.1:9/760UpgradeInfoBeta.ini.txt", "760UpgradeInfoBeta.ini.txt");
  std::string downloadedInstallerPath;
  std::string downloadedInstallerFileName;
  wizard::WizardServices services;

  const std::string& documents() const { return documents_->folder(); }

 private:
  std::unique_ptr<testsupport::ScratchDocuments> documents_;
};

// The sheet with a way in for the tests: a function sent to its thread.
class TestSheet : public zpDLumenixSDKInstallerSheet {
 public:
  using zpDLumenixSDKInstallerSheet::zpDLumenixSDKInstallerSheet;

 protected:
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// The keys of the sheet's sequence, in order.
std::vector<std::string> sequenceKeys(const zpDLumenixSDKInstallerSheet& sheet);

// Runs `sheet` modally on a thread of its own.
class RunningSheet {
 public:
  explicit RunningSheet(TestSheet& sheet);
  // Cancels the wizard when it still runs and waits for its thread.
  ~RunningSheet();

  // False when the wizard did not show within 15 s.
  bool waitUntilShown();
  HWND window() const { return window_; }
  bool done() const { return done_.load(); }
  // Runs `function` on the sheet's thread; false on time-out.
  bool invoke(const std::function<void()>& function);
  // Clicks a control of the sheet (posted).
  bool click(int id);
  // Waits until the sheet's caption is `caption`.
  bool waitForCaption(const std::string& caption, DWORD timeoutMs = 5000);
  std::string activeKey();
  int activeIndex();
  // Waits for the wizard's thread to end; false on time-out.
  bool waitForEnd(DWORD timeoutMs);

 private:
  TestSheet& sheet_;
  std::thread thread_;
  std::atomic<bool> done_{false};
  HWND window_ = nullptr;
};

using testsupport::waitUntil;

}  // namespace wizardtest
