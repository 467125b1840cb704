#include "wizard/pages/prerequisites_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Prerequisite Installation";
}

zpDInstallPreRequisites::zpDInstallPreRequisites(wizard::WizardServices& services)
    : FramePage(services, IDD_PREREQUISITES_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Cancel") {
  uiDlgName = wizard::page_keys::kPrerequisites;
}
