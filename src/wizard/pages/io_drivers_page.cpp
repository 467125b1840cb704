#include "wizard/pages/io_drivers_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "3rd Party IO Drivers";
}

zpDInstallIOSystemInstallations::zpDInstallIOSystemInstallations(wizard::WizardServices& services)
    : FramePage(services, IDD_IO_DRIVERS_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kIoDrivers;
}
