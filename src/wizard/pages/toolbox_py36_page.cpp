#include "wizard/pages/toolbox_py36_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Zephrion 3D Toolbox - Vivid Sight (Python 36)";
}

zpDInstallToolboxePy36VividSight::zpDInstallToolboxePy36VividSight(wizard::WizardServices& services)
    : FramePage(services, IDD_TOOLBOX_PY36_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kToolboxPy36;
}
