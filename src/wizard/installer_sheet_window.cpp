// The sheet's window: the navigation bar, its commands, the help window, the
// upgrade check and the launch of a downloaded installer.
#include "wizard/installer_sheet.h"

#include <shellapi.h>

#include <exception>
#include <new>

#include "app/folders.h"
#include "app/installer_upgrade_info.h"
#include "components/help_files.h"
#include "platform/ui/control.h"
#include "platform/ui/message_box.h"
#include "wizard/controls/dynamic_button.h"
#include "wizard/controls/help_dlg.h"
#include "wizard/controls/hyperlink_target.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"
#include "wizard/page_font.h"
#include "wizard/property_page_base.h"

namespace {

namespace keys = wizard::page_keys;

struct NavigationButton {
  int id;
  const char* text;
};

// Left to right; 85 pixels wide with 4-pixel gaps from x 10.
constexpr NavigationButton kNavigationBar[] = {
    {kNavigateHome, "Home"},
    {kNavigateCore, "Core"},
    {kNavigateTemplates, "ZTC"},
    {kNavigateDemoProfiles, "Demo Profiles"},
    {kNavigateTutorials, "Tutorials"},
    {kNavigateCameraDrivers, "Camera Drivers"},
    {kNavigateUtilities, "Utility Software"},
};
constexpr int kNavigationLeft = 10;
constexpr int kNavigationWidth = 85;
constexpr int kNavigationGap = 4;
constexpr int kNavigationHeight = 23;
// The bar's top edge lies this far above the Back button's.
constexpr int kNavigationRaise = 33;
constexpr int kWebHelpGap = 4;

}  // namespace

void zpDLumenixSDKInstallerSheet::onInitDialog() {
  wizard::replaceWithCopyOfFont(hwnd(), sheetFont_);
  // A sheet that does not answer WM_GETFONT: the font of its own buttons.
  if (sheetFont_ == nullptr) wizard::replaceWithCopyOfFont(GetDlgItem(hwnd(), IDCANCEL), sheetFont_);
  const int backTop = growForNavigationBar();
  if (backTop >= 0) createNavigationBar(backTop);
  startUpgradeCheck();
}

void zpDLumenixSDKInstallerSheet::createNavigationBar(int backButtonTop) {
  navigationButtons_.clear();
  auto addButton = [this](int id, const char* text, const RECT& rect) {
    auto button = std::unique_ptr<DDynamicButton>(new (std::nothrow) DDynamicButton());
    if (button == nullptr || !button->Create(text, BS_PUSHBUTTON, rect, hwnd(), id)) return;
    // A click comes back to the sheet as its command.
    button->setTarget(hwnd());
    button->setParameters(id, 0);
    navigationButtons_.push_back(std::move(button));
  };

  const int top = backButtonTop - kNavigationRaise;
  int left = kNavigationLeft;
  for (const NavigationButton& entry : kNavigationBar) {
    addButton(entry.id, entry.text, RECT{left, top, left + kNavigationWidth, top + kNavigationHeight});
    left += kNavigationWidth + kNavigationGap;
  }
  if (HWND help = GetDlgItem(hwnd(), ui::kWizardHelpButton)) {
    const RECT helpRect = ui::rectInParent(help);
    const int height = helpRect.bottom - helpRect.top;
    const int bottom = helpRect.top - kWebHelpGap;
    addButton(kWebHelp, "Web Help", RECT{helpRect.left, bottom - height, helpRect.right, bottom});
  }

  // Every visible child button gets the sheet's font.
  if (sheetFont_ == nullptr) return;
  for (HWND child = GetWindow(hwnd(), GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
    char className[16] = {};
    GetClassNameA(child, className, sizeof(className));
    // The sheet itself is not shown yet: look at the style, not the screen.
    const bool visible = (GetWindowLongPtrA(child, GWL_STYLE) & WS_VISIBLE) != 0;
    if (lstrcmpiA(className, "Button") == 0 && visible) {
      SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(sheetFont_), TRUE);
    }
  }
}

bool zpDLumenixSDKInstallerSheet::onCommand(int id, int, HWND) {
  switch (id) {
    case kNavigateHome:
      navigateToFirstOf({keys::kWelcome});
      return true;
    case kNavigateCore:
      navigateToFirstOf({keys::kCoreInstallation});
      return true;
    case kNavigateTemplates:
      navigateToFirstOf({keys::kTemplates, keys::kTemplatesPy36});
      return true;
    case kNavigateDemoProfiles:
      navigateToFirstOf({keys::kDemoProfiles, keys::kDemoProfilesPy36});
      return true;
    case kNavigateTutorials:
      navigateToFirstOf({keys::kTutorials});
      return true;
    case kNavigateCameraDrivers:
      navigateToFirstOf({keys::kCameraDrivers1});
      return true;
    case kNavigateUtilities:
      navigateToFirstOf({keys::kUtilities});
      return true;
    case kWebHelp:
      openWebHelp();
      return true;
    default:
      return false;
  }
}

void zpDLumenixSDKInstallerSheet::navigateToFirstOf(std::initializer_list<std::string_view> keys) {
  // At most one of the keys is in the sequence (the Python 2.7 or 3.6 page).
  for (std::string_view key : keys) {
    const int index = sequenceIndexOfKey(key);
    if (index >= 0) {
      setActivePage(index);
      return;
    }
  }
}

void zpDLumenixSDKInstallerSheet::openWebHelp() {
  int errorCode = 0;
  const int result = openHyperlinkTarget(kWebHelpAddress, "Web Help", errorCode, hwnd());
  if (result > 0) return;
  char text[128];
  wsprintfA(text, "Unable to access web help. Error code - %d", errorCode);
  ui::messageBox(hwnd(), text);
}

void zpDLumenixSDKInstallerSheet::onHelp() {
  const zpDPropertyPageBase* active = sequencePage(activeIndex());
  if (active == nullptr) return;
  const std::string& key = active->uiDlgName;
  const components::ComponentRow row =
      components::help_files::makeHelpFileRow(key, wizard::displayTitleOfKey(key), services_.applicationFolder);
  DHelp2 help(wizard::displayTitleOfKey(key), row, services_.sessions);
  help.doModal(hwnd());
}

bool zpDLumenixSDKInstallerSheet::onMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
  switch (message) {
    case kDynamicButtonMessage:
      onCommand(static_cast<int>(static_cast<INT_PTR>(wParam)), BN_CLICKED, nullptr);
      result = 0;
      return true;
    case kLaunchDownloadedInstallerMessage:
      result = moveAndLaunchDownloadedInstaller();
      return true;
    case kUpgradeStateChangedMessage:
      if (wParam != kUpgradeStateChangedCode) return false;
      reactivateActivePage();
      result = 1;
      return true;
    default:
      return false;
  }
}

void zpDLumenixSDKInstallerSheet::reactivateActivePage() {
  // A page's operation is running inside this message: show the new state
  // once it has returned.
  if (pageOperations_ > 0) {
    reactivationPending_ = true;
    return;
  }
  setActivePage(activeIndex());
}

void zpDLumenixSDKInstallerSheet::onDestroy() { stopUpgradeCheck(); }

// --- Newer installer -----------------------------------------------------------------

LRESULT zpDLumenixSDKInstallerSheet::moveAndLaunchDownloadedInstaller() {
  const std::string source = services_.downloadedInstallerPath != nullptr ? *services_.downloadedInstallerPath : "";
  const std::string name =
      services_.downloadedInstallerFileName != nullptr ? *services_.downloadedInstallerFileName : "";
  // The name comes from the upgrade information on the server: it must stay
  // a plain name beside the program.
  const std::string target = services_.applicationFolder + "\\" + name;
  if (!app::isPlainFileName(name) ||
      !MoveFileExA(source.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    ui::messageBox(hwnd(), "Error: Unable to copy the selected installer file. Please try again.");
    return 0;
  }
  return launchInstallerFile(target.c_str(), hwnd()) == 1 ? 1 : 0;
}

int zpDLumenixSDKInstallerSheet::launchInstallerFile(const char* path, HWND owner) {
  if (path == nullptr || !app::fileExists(path)) {
    ui::messageBox(owner, "Error: Unable to locate the selected installer file. Please try again.");
    return -1;
  }
  const auto result = reinterpret_cast<INT_PTR>(
      ShellExecuteA(owner, "open", path, nullptr, services_.applicationFolder.c_str(), SW_SHOWNORMAL));
  if (result > 32) {
    if (hwnd() != nullptr) PostMessageA(hwnd(), WM_CLOSE, 0, 0);
    return 1;
  }
  char text[128];
  wsprintfA(text, "Unable to launch the selected installer. Error code - %d", static_cast<int>(result));
  ui::messageBox(owner, text);
  return -1;
}

// --- Upgrade check ---------------------------------------------------------------------

void zpDLumenixSDKInstallerSheet::startUpgradeCheck() {
  std::shared_ptr<wizard::UpgradeChecker> checker = services_.upgradeChecker;
  if (checker == nullptr || hwnd() == nullptr) return;
  const std::shared_ptr<InstallerUpgradeInfo> channels[] = {services_.releaseUpgradeInfo, services_.betaUpgradeInfo};
  upgradeCheck_.start(hwnd(), [checker, channels](ui::WorkerContext& context) {
    try {
      for (const std::shared_ptr<InstallerUpgradeInfo>& channel : channels) {
        if (channel == nullptr || context.stopRequested()) continue;
        checker->checkForUpgrade(*channel, context);
        if (!context.stopRequested() && channel->state == 2) {
          context.send(kUpgradeStateChangedMessage, kUpgradeStateChangedCode, 0);
        }
      }
    } catch (...) {
      // The check ends silently; the wizard works without it.
    }
  });
}

void zpDLumenixSDKInstallerSheet::stopUpgradeCheck() { upgradeCheck_.stop(); }
