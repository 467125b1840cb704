#include "wizard/pages/modules2_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Zephrion Modules";
}

zpDInstallModules2::zpDInstallModules2(wizard::WizardServices& services)
    : FramePage(services, IDD_MODULES2_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kModules2;
}
