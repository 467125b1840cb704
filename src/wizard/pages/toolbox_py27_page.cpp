#include "wizard/pages/toolbox_py27_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Zephrion 3D Toolbox - Vivid Sight";
}

zpDInstallToolboxeVividSight::zpDInstallToolboxeVividSight(wizard::WizardServices& services)
    : FramePage(services, IDD_TOOLBOX_PY27_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kToolbox;
}
