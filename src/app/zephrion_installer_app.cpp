#include "app/zephrion_installer_app.h"

#include <objidl.h>  // gdiplus.h needs it with WIN32_LEAN_AND_MEAN
#include <gdiplus.h>

#include <new>

#include "app/application_paths.h"
#include "app/folders.h"
#include "app/instance_guard.h"
#include "app/installer_services.h"
#include "app/temp_folder.h"
#include "app/user_folder.h"
#include "components/file_server.h"
#include "platform/debug_log.h"
#include "platform/ui/common_controls.h"
#include "platform/ui/message_box.h"
#include "wizard/controls/please_wait_dlg.h"
#include "wizard/installer_sheet.h"

namespace {

CZephrionLumenixSDKInstallerApp* theInstance = nullptr;

std::shared_ptr<InstallerUpgradeInfo> makeUpgradeInfo(const char* fileName) {
  namespace fs = components::file_server;
  return std::shared_ptr<InstallerUpgradeInfo>(
      new (std::nothrow) InstallerUpgradeInfo(fs::fileAddress(fs::suiteRepositoryFolder(), fileName), fileName));
}

}  // namespace

CZephrionLumenixSDKInstallerApp* CZephrionLumenixSDKInstallerApp::instance() { return theInstance; }

CZephrionLumenixSDKInstallerApp::CZephrionLumenixSDKInstallerApp() {
  theInstance = this;
  if (!app::readApplicationFolder(applicationFolder)) {
    ui::messageBox(nullptr,
                   "Unexpected Error. Unable to get the application path.\nSome of the features may not be available.");
  }
  app::setApplicationFolder(applicationFolder);
  applicationFolderWritable = app::isFolderWritable(applicationFolder.c_str());
  if (!applicationFolderWritable) {
    platform::debugOutput(
        "CZephrionLumenixSDKInstallerApp::CZephrionLumenixSDKInstallerApp - application folder not writable\n");
  }

  Gdiplus::GdiplusStartupInput input;
  Gdiplus::GdiplusStartup(&gdiplusToken, &input, nullptr);

  // The temporary subfolder is emptied in InitInstance, once the instance
  // guard has passed: a second start must not destroy the files of the copy
  // that is already running.

  releaseUpgradeInfo = makeUpgradeInfo(kReleaseUpgradeInfoFileName);
  betaUpgradeInfo = makeUpgradeInfo(kBetaUpgradeInfoFileName);
}

CZephrionLumenixSDKInstallerApp::~CZephrionLumenixSDKInstallerApp() {
  if (theInstance == this) theInstance = nullptr;
}

bool CZephrionLumenixSDKInstallerApp::runInstanceGuard() {
  DPleaseWaitDlg pleaseWait;
  app::InstanceGuardHooks hooks;
  hooks.showPleaseWait = [&] {
    if (pleaseWait.create(nullptr)) ShowWindow(pleaseWait.hwnd(), SW_SHOW);
  };
  hooks.hidePleaseWait = [&] { pleaseWait.destroy(); };
  hooks.sleep = [](unsigned milliseconds) { Sleep(milliseconds); };
  hooks.showMessage = [](const char* message) { ui::messageBox(nullptr, message); };
  return app::runInstanceGuard(hooks);
}

bool CZephrionLumenixSDKInstallerApp::InitInstance() {
  ui::loadRichEdit2();
  ui::initCommonControls();

  if (!runInstanceGuard()) return false;
  app::cleanUpTempSubFolder();
  // Before the wizard stores the Python selection in the user's folder.
  app::recordUserFolderAtStart();

  app::InstallerServices services(*this);
  zpDLumenixSDKInstallerSheet sheet(services.wizardServices());
  sheet.doModal();
  return false;
}

int CZephrionLumenixSDKInstallerApp::ExitInstance() {
  // A check that did not stop in time keeps its own share of the channels.
  releaseUpgradeInfo.reset();
  betaUpgradeInfo.reset();
  if (gdiplusToken != 0) {
    Gdiplus::GdiplusShutdown(gdiplusToken);
    gdiplusToken = 0;
  }
  return 0;
}
