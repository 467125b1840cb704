#include "wizard/pages/templates_py27_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "ZTC - Zephrion Tool Components";
}

zpDInstallTemplates::zpDInstallTemplates(wizard::WizardServices& services)
    : FramePage(services, IDD_TEMPLATES_PY27_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kTemplates;
}
