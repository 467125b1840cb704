#include "wizard/pages/recommended_extensions_py36_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Recommended Zephrion Extensions (Python 36)";
}

zpDInstallPY36ExtensionsNew::zpDInstallPY36ExtensionsNew(wizard::WizardServices& services)
    : FramePage(services, IDD_RECOMMENDED_EXTENSIONS_PY36_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kRecommendedExtensionsPy36;
}
