#include "wizard/pages/camera_drivers1_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "3rd Party Camera Drivers - 1";
}

zpDInstall3rdPartyInstallations::zpDInstall3rdPartyInstallations(wizard::WizardServices& services)
    : FramePage(services, IDD_CAMERA_DRIVERS1_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kCameraDrivers1;
}
