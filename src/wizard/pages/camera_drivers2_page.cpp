#include "wizard/pages/camera_drivers2_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "3rd Party Camera Drivers - 2";
}

zpDInstall3rdPartyInstallations2::zpDInstall3rdPartyInstallations2(wizard::WizardServices& services)
    : FramePage(services, IDD_CAMERA_DRIVERS2_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kCameraDrivers2;
}
