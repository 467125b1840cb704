#pragma once
// zpDLumenixSDKInstallerSheet: the program's main window, a wizard that owns
// every page object and decides which pages are in the sequence and in what
// order. It lets pages skip one another on Back and Next, adds the
// navigation bar and "Web Help", opens the help window of the active page,
// runs the upgrade check on a background thread, and launches a newer
// installer once the upgrade dialog has downloaded one.
//
// The pages after "Core Installation Status" depend on the chosen Python
// version: updateWizardPagesForPythonVersion rebuilds that part; the first
// six pages never change.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "components/install_manager.h"
#include "components/text_cell.h"
#include "platform/ui/wizard_sheet.h"
#include "platform/ui/worker.h"
#include "wizard/wizard_services.h"

class DDynamicButton;
class zpDPropertyPageBase;
class zpDInstallWelcomeBase;
class zpDInstallZephrionResourcesDynamic;
class zpDInstallReleaseNotes;
class zpDInstallPreRequisites;
class zpDInstallCoreComponentsSoftware;
class zpDInstallCoreComponentsSoftwareStatus;
class zpDInstallPY27ExtensionsNew;
class zpDInstallToolboxeVividSight;
class zpDInstallPY27Extensions2;
class zpDInstallTemplates;
class zpDInstallPY36ExtensionsNew;
class zpDInstallToolboxePy36VividSight;
class zpDInstallPY36Extensions2;
class zpDInstallPy36Templates;
class zpDInstallSummaryZephrion;
class zpDInstallImportProfiles;
class zpDInstallDemoProfiles;
class zpDInstallPy36DemoProfiles;
class zpDInstallTutorials;
class zpDInstallModules;
class zpDInstallModules2;
class zpDInstall3rdPartyInstallations;
class zpDInstall3rdPartyInstallations2;
class zpDInstallIOSystemInstallations;
class zpDInstallUtilities;
class zpDInstallUtilities2;
class zpDInstallHalvorenUtilities;

// Sent by the upgrade dialog once it has downloaded a newer installer.
inline constexpr UINT kLaunchDownloadedInstallerMessage = WM_USER + 7;
// Sent by the upgrade check (first parameter 101) when a channel announces a
// newer version: the active page shows the new upgrade state.
inline constexpr UINT kUpgradeStateChangedMessage = WM_USER + 8;
inline constexpr WPARAM kUpgradeStateChangedCode = 101;

// The navigation bar's commands.
inline constexpr int kNavigateHome = 40203;
inline constexpr int kNavigateCore = 40212;
inline constexpr int kNavigateTemplates = 40208;
inline constexpr int kNavigateDemoProfiles = 40201;
inline constexpr int kNavigateTutorials = 40209;
inline constexpr int kNavigateCameraDrivers = 40210;
inline constexpr int kNavigateUtilities = 40211;
inline constexpr int kWebHelp = 40213;

// The online help; the sheet opens it with the hyperlink opener.
inline constexpr const char* kWebHelpAddress = "https://docs.zephrion.example/installer/en/latest/";

class zpDLumenixSDKInstallerSheet : public ui::WizardSheet {
 public:
  // Builds every page and the first sequence (initPages).
  explicit zpDLumenixSDKInstallerSheet(wizard::WizardServices& services);
  ~zpDLumenixSDKInstallerSheet() override;

  // The welcome page's "'Extensions Only' Mode" choice.
  bool extensionsOnlyMode = false;

  bool initPages();
  // 0 Python 2.7, 1 Python 3.6 (anything else: as 0, with a debug line).
  // Rebuilds the pages after "Core Installation Status". Returns 1.
  int updateWizardPagesForPythonVersion(int kind);
  // Removes every page after `page`, from the last backwards. 1; -1 for null.
  int removeAllPagesAfterPage(ui::WizardPage* page);
  // The display title of a page key into `title`. 1; -2 for a null output.
  int getUIDlgTitleStrFromUIDlgName(std::string* title, const char* key) const;

  // The page before / after the active one that is not skipped, activated;
  // its index, or -1 when there is none (the default move then happens).
  int gotoPreviousPage();
  int gotoNextPage();

  // Copies of every page's rows, the help rows and the prerequisites page's
  // second list into `target`, all showing their names in `progressText`.
  int collectAllComponentRecords(components::hnInstallManagerBase* target, components::TextCell* progressText);
  // Opens a downloaded installer and closes the wizard. 1; -1 on failure
  // (after a message box owned by `owner`).
  int launchInstallerFile(const char* path, HWND owner);

  // The index in the sequence of the first page with `key`, or -1.
  int sequenceIndexOfKey(std::string_view key) const;
  zpDPropertyPageBase* sequencePage(int index) const;
  components::hnInstallManagerBase* helpFileManager() const { return helpFileManager_.get(); }
  const wizard::WizardServices& services() const { return services_; }

  // A page's session entry point is running: an upgrade announcement waits
  // until it has returned, so the page is not re-activated in the middle.
  void beginPageOperation();
  void endPageOperation();

 protected:
  void onInitDialog() override;
  bool onCommand(int id, int code, HWND control) override;
  // The wizard's Help button: the help window of the active page.
  void onHelp() override;
  void onDestroy() override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void constructPages();
  void addPageIfPresent(zpDPropertyPageBase* page);
  int gotoPageInDirection(int step);
  bool isSkipped(zpDPropertyPageBase* page);
  void navigateToFirstOf(std::initializer_list<std::string_view> keys);
  void openWebHelp();
  void createNavigationBar(int backButtonTop);
  void runPythonStartupWork();
  void fillHelpFileManager();
  LRESULT moveAndLaunchDownloadedInstaller();
  void startUpgradeCheck();
  void stopUpgradeCheck();
  void reactivateActivePage();

  wizard::WizardServices& services_;
  // Cells the help rows use (the sheet shows none of them).
  components::StringCell helpName_, helpStatus_, helpProgress_;
  std::vector<std::unique_ptr<DDynamicButton>> navigationButtons_;
  HFONT sheetFont_ = nullptr;
  ui::Worker upgradeCheck_;
  std::unique_ptr<components::hnInstallManagerBase> helpFileManager_;
  int pageOperations_ = 0;
  bool reactivationPending_ = false;

  std::unique_ptr<zpDInstallWelcomeBase> welcome_;
  std::unique_ptr<zpDInstallPreRequisites> prerequisites_;
  std::unique_ptr<zpDInstallCoreComponentsSoftware> coreSoftware_;
  std::unique_ptr<zpDInstallCoreComponentsSoftwareStatus> coreStatus_;
  std::unique_ptr<zpDInstallReleaseNotes> releaseNotes_;
  std::unique_ptr<zpDInstallModules> modules_;
  std::unique_ptr<zpDInstallModules2> modules2_;
  std::unique_ptr<zpDInstallPY27ExtensionsNew> recommendedPy27_;
  std::unique_ptr<zpDInstallPY27Extensions2> optionalPy27_;
  std::unique_ptr<zpDInstallUtilities> utilities_;
  std::unique_ptr<zpDInstallUtilities2> utilities2_;
  std::unique_ptr<zpDInstallHalvorenUtilities> halvorenUtilities_;
  std::unique_ptr<zpDInstallTutorials> tutorials_;
  std::unique_ptr<zpDInstallDemoProfiles> demoProfilesPy27_;
  std::unique_ptr<zpDInstallSummaryZephrion> summary_;
  std::unique_ptr<zpDInstallImportProfiles> importProfiles_;
  std::unique_ptr<zpDInstallZephrionResourcesDynamic> resources_;
  std::unique_ptr<zpDInstallTemplates> templatesPy27_;
  std::unique_ptr<zpDInstallToolboxeVividSight> toolboxPy27_;
  std::unique_ptr<zpDInstall3rdPartyInstallations> cameraDrivers1_;
  std::unique_ptr<zpDInstall3rdPartyInstallations2> cameraDrivers2_;
  std::unique_ptr<zpDInstallIOSystemInstallations> ioDrivers_;
  std::unique_ptr<zpDInstallPY36ExtensionsNew> recommendedPy36_;
  std::unique_ptr<zpDInstallPY36Extensions2> optionalPy36_;
  std::unique_ptr<zpDInstallPy36DemoProfiles> demoProfilesPy36_;
  std::unique_ptr<zpDInstallPy36Templates> templatesPy36_;
  std::unique_ptr<zpDInstallToolboxePy36VividSight> toolboxPy36_;
};
