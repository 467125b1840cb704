#include "wizard/property_page_base.h"

#include <commctrl.h>

#include <exception>
#include <new>

#include "platform/ui/message_box.h"
#include "resource_ids.h"
#include "wizard/controls/component_install_header.h"
#include "wizard/installer_sheet.h"
#include "wizard/page_font.h"

zpDPropertyPageBase::zpDPropertyPageBase(wizard::WizardServices& services, int templateId, std::string pageTitle,
                                         std::string headerText)
    : ui::WizardPage(templateId, std::move(pageTitle)),
      services_(services),
      headerText_(std::move(headerText)),
      installManager_(std::make_unique<components::hnInstallManagerBase>(services.operations, services.sessions,
                                                                         services.buildProbes)) {}

zpDPropertyPageBase::~zpDPropertyPageBase() {
  destroyFrame();
  if (pageFont_ != nullptr) DeleteObject(pageFont_);
}

zpDLumenixSDKInstallerSheet* zpDPropertyPageBase::installerSheet() const {
  return dynamic_cast<zpDLumenixSDKInstallerSheet*>(sheet());
}

void zpDPropertyPageBase::buildRowsOnce() {
  if (rowsBuilt_) return;
  buildComponentRows();
  rowsBuilt_ = true;
}

void zpDPropertyPageBase::appendRowCopies(std::vector<components::ComponentRow>& copies) {
  for (std::uint32_t i = 0; i < installManager_->rowCount(); ++i) copies.push_back(*installManager_->row(i));
}

void zpDPropertyPageBase::appendSecondListCopies(std::vector<components::ComponentRow>&) {}

// --- Frame ---------------------------------------------------------------------

void zpDPropertyPageBase::createFrame() {
  destroyFrame();
  const RECT none{0, 0, 0, 0};
  banner_.reset(new (std::nothrow) hnComponentInstallHeader(headerText_, "", IDB_PAGE_BANNER));
  if (banner_ != nullptr) banner_->Create(hwnd(), none, IDC_COMPONENT_INSTALL_HEADER);
  band_.reset(new (std::nothrow) hnComponentInstallHeader("", "", IDB_SIDE_BAND));
  if (band_ != nullptr) band_->Create(hwnd(), none, IDC_SIDE_BAND);
  layoutFrame();
}

void zpDPropertyPageBase::layoutFrame() {
  RECT client{};
  if (hwnd() == nullptr || !GetClientRect(hwnd(), &client)) return;
  const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (banner_ != nullptr && banner_->hwnd() != nullptr) {
    SetWindowPos(banner_->hwnd(), nullptr, 0, 0, client.right, kBannerHeight, flags);
  }
  if (band_ != nullptr && band_->hwnd() != nullptr) {
    SetWindowPos(band_->hwnd(), nullptr, 0, kBannerHeight, kBandWidth, client.bottom, flags);
  }
}

void zpDPropertyPageBase::destroyFrame() {
  banner_.reset();
  band_.reset();
}

// --- Life cycle ----------------------------------------------------------------

bool zpDPropertyPageBase::onInitDialog() {
  ui::WizardPage::onInitDialog();
  installManager_->setOwnerWindow(hwnd());

  wizard::replaceWithCopyOfFont(hwnd(), pageFont_);
  createFrame();
  wizard::prepareToolTip(toolTip_, hwnd(), pageFont_);
  initPageControls();
  buildRowsOnce();
  return true;
}

bool zpDPropertyPageBase::onSetActive() {
  evaluateAllRows(*installManager_);
  refreshPage();
  buildRowsOnce();
  return ui::WizardPage::onSetActive();
}

bool zpDPropertyPageBase::activatePage(DWORD wizardButtons, const char* cancelText) {
  if (sheet() != nullptr) {
    sheet()->setWizardButtons(wizardButtons);
    sheet()->setCancelText(cancelText);
  }
  if (HWND download = item(IDC_DOWNLOAD_INSTALLABLES)) {
    ShowWindow(download, services_.applicationFolderWritable ? SW_SHOW : SW_HIDE);
  }
  return zpDPropertyPageBase::onSetActive();
}

void zpDPropertyPageBase::refreshPage() {
  updateData(true);
  updatePageControls();
}

LRESULT zpDPropertyPageBase::onWizardBack() {
  zpDLumenixSDKInstallerSheet* sheet = installerSheet();
  if (sheet != nullptr && sheet->gotoPreviousPage() != -1) return -1;
  return 0;
}

LRESULT zpDPropertyPageBase::onWizardNext() {
  zpDLumenixSDKInstallerSheet* sheet = installerSheet();
  if (sheet != nullptr && sheet->gotoNextPage() != -1) return -1;
  return 0;
}

void zpDPropertyPageBase::onTimer(UINT_PTR id) {
  if (id != kRefreshTimerId) return;
  killTimer(kRefreshTimerId);
  refreshPage();
  setTimer(kRefreshTimerId, kRefreshPeriodMs);
}

void zpDPropertyPageBase::onPaint() { layoutFrame(); }

void zpDPropertyPageBase::onDestroy() {
  ui::WizardPage::onDestroy();
  toolTip_.destroy();
  destroyFrame();
}

// --- Session entry points ------------------------------------------------------

template <typename Operation>
int zpDPropertyPageBase::runGuarded(Operation operation) {
  zpDLumenixSDKInstallerSheet* sheet = installerSheet();
  if (sheet != nullptr) sheet->beginPageOperation();
  int result = 0;
  try {
    result = operation();
  } catch (...) {
    ui::messageBox(hwnd(), "Unexpected Error 101");
    result = 0;
  }
  if (sheet != nullptr) sheet->endPageOperation();
  return result;
}

template <typename Operation>
int zpDPropertyPageBase::runWithRefresh(Operation operation) {
  if (hwnd() != nullptr) setTimer(kRefreshTimerId, kRefreshPeriodMs);
  const int result = runGuarded(operation);
  if (hwnd() != nullptr) killTimer(kRefreshTimerId);
  evaluateAllRows(*installManager_);
  if (hwnd() != nullptr) refreshPage();
  return result;
}

void zpDPropertyPageBase::evaluateAllRows(components::hnInstallManagerBase& manager) {
  if (manager.rowCount() == 0) return;
  try {
    manager.evaluateRows(0, manager.rowCount() - 1);
  } catch (...) {
    // The operation's own failure has been reported already; the rows keep
    // the statuses written so far.
  }
}

int zpDPropertyPageBase::runInstallRange(std::uint32_t first, std::uint32_t last, bool repairWholeList) {
  return runWithRefresh([&] { return installManager_->installRange(first, last, repairWholeList, true, false); });
}

int zpDPropertyPageBase::runInstallList(const std::uint32_t* indexes, std::uint32_t count, bool redownload,
                                        bool repairAll) {
  return runWithRefresh([&] { return installManager_->installSelected(indexes, count, redownload, repairAll); });
}

int zpDPropertyPageBase::runUninstallRange(std::uint32_t first, std::uint32_t last) {
  return runWithRefresh([&] { return installManager_->uninstallRange(first, last, false); });
}

int zpDPropertyPageBase::runDownloadAll(bool& ignoreAll) {
  return runWithRefresh([&] { return installManager_->downloadAll(true, ignoreAll); });
}

int zpDPropertyPageBase::runDownloadList(const std::uint32_t* indexes, std::uint32_t count, bool& ignoreAll) {
  return runWithRefresh([&] { return installManager_->downloadSelected(indexes, count, false, ignoreAll); });
}

int zpDPropertyPageBase::runDownloadAllOf(bool& ignoreAll, components::hnInstallManagerBase* other) {
  if (other == nullptr) return -1;
  const int result = runGuarded([&] { return other->downloadAll(false, ignoreAll); });
  evaluateAllRows(*other);
  return result;
}
