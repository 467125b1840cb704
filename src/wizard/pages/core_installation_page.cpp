#include "wizard/pages/core_installation_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Core Installation";
}

zpDInstallCoreComponentsSoftware::zpDInstallCoreComponentsSoftware(wizard::WizardServices& services)
    : FramePage(services, IDD_CORE_INSTALLATION_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Cancel") {
  uiDlgName = wizard::page_keys::kCoreInstallation;
}
