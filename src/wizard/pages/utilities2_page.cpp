#include "wizard/pages/utilities2_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Optional Utility Software II";
}

zpDInstallUtilities2::zpDInstallUtilities2(wizard::WizardServices& services)
    : FramePage(services, IDD_UTILITIES2_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kUtilities2;
}
