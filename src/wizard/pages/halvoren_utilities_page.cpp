#include "wizard/pages/halvoren_utilities_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Halvoren Utilities";
}

zpDInstallHalvorenUtilities::zpDInstallHalvorenUtilities(wizard::WizardServices& services)
    : FramePage(services, IDD_HALVOREN_UTILITIES_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK, "Finish") {
  uiDlgName = wizard::page_keys::kHalvorenUtilities;
}
