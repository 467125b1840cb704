#include "wizard/pages/tutorials_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Zephrion Vision Tutorials";
}

zpDInstallTutorials::zpDInstallTutorials(wizard::WizardServices& services)
    : FramePage(services, IDD_TUTORIALS_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kTutorials;
}
