#include "wizard/pages/utilities_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Optional Utility Software I";
}

zpDInstallUtilities::zpDInstallUtilities(wizard::WizardServices& services)
    : FramePage(services, IDD_UTILITIES_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kUtilities;
}
