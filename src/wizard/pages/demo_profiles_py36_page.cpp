#include "wizard/pages/demo_profiles_py36_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Machine Vision Demonstration Profiles (Python 36)";
}

zpDInstallPy36DemoProfiles::zpDInstallPy36DemoProfiles(wizard::WizardServices& services)
    : FramePage(services, IDD_DEMO_PROFILES_PY36_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kDemoProfilesPy36;
}
