#include "wizard/pages/release_notes_page.h"

#include "components/component_row.h"
#include "components/file_server.h"
#include "components/install_data_folders.h"
#include "platform/ui/control.h"
#include "platform/ui/wizard_sheet.h"
#include "resource_ids.h"
#include "wizard/controls/downloaded_rtf_display.h"
#include "wizard/controls/image_button.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {

constexpr const char* kPageName = "Readme Notes";
constexpr const char* kReadmeFileName = "760readme.rtf";
constexpr std::int32_t kReadmeSizeHint = 1048576;
constexpr int kRefreshButtonX = 835;

}  // namespace

zpDInstallReleaseNotes::zpDInstallReleaseNotes(wizard::WizardServices& services)
    : zpDPropertyPageBase(services, IDD_RELEASE_NOTES_PAGE, wizard::pageTitle(kPageName), kPageName) {
  uiDlgName = wizard::page_keys::kReadmeNotes;
}

zpDInstallReleaseNotes::~zpDInstallReleaseNotes() = default;

int zpDInstallReleaseNotes::buildComponentRows() {
  namespace fs = components::file_server;
  const components::ComponentRow row(
      "Readme Notes", fs::fileAddress(fs::suiteRepositoryFolder(), kReadmeFileName), kReadmeFileName, "",
      components::install_data::downloadFolderPath(services().applicationFolder,
                                                   components::install_data::subfolder::kReadme),
      false, kReadmeSizeHint, true, {}, "Readme Notes");
  return installManager().setRows(1, &row);
}

int zpDInstallReleaseNotes::initPageControls() {
  refreshButton_ = std::make_unique<hnImageButton>();
  if (!refreshButton_->subclassDlgItem(IDC_REFRESH_README, hwnd())) return -1;
  refreshButton_->loadPngResource(IDP_REFRESH);
  SetWindowPos(refreshButton_->hwnd(), nullptr, kRefreshButtonX, ui::rectInParent(refreshButton_->hwnd()).top, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  toolTip().addTool(refreshButton_->hwnd(), "Refresh Readme File");
  return 1;
}

bool zpDInstallReleaseNotes::onInitDialog() {
  zpDPropertyPageBase::onInitDialog();
  loadReadmeNotes(services().applicationFolderWritable, false);
  return true;
}

bool zpDInstallReleaseNotes::loadReadmeNotes(bool redownload, bool interactive) {
  const components::ComponentRow* row = installManager().row(0);
  if (row == nullptr) return false;
  return showDownloadedRtf(services().sessions, *row, item(IDC_README_TEXT), hwnd(), redownload, interactive,
                           {"Using default copy of the Readme file.",
                            "Error: Unable to get the 'Readme Notes' from the server.\nPlease try again."});
}

bool zpDInstallReleaseNotes::onSetActive() {
  if (sheet() != nullptr) sheet()->setWizardButtons(PSWIZB_BACK | PSWIZB_NEXT);
  if (HWND refresh = item(IDC_REFRESH_README)) {
    ShowWindow(refresh, services().applicationFolderWritable ? SW_SHOW : SW_HIDE);
  }
  statusLine_ = "Please click on the 'Next' button to install the pre-requisites.";
  return zpDPropertyPageBase::onSetActive();
}

void zpDInstallReleaseNotes::doDataExchange(ui::DataExchange& dx) { dx.text(IDC_STATUS_LINE, statusLine_); }

bool zpDInstallReleaseNotes::onCommand(int id, int code, HWND control) {
  if (id == IDC_REFRESH_README && code == BN_CLICKED) {
    loadReadmeNotes(true, true);
    return true;
  }
  return zpDPropertyPageBase::onCommand(id, code, control);
}
