#include "wizard/pages/recommended_extensions_py27_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Recommended Zephrion Extensions";
}

zpDInstallPY27ExtensionsNew::zpDInstallPY27ExtensionsNew(wizard::WizardServices& services)
    : FramePage(services, IDD_RECOMMENDED_EXTENSIONS_PY27_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kRecommendedExtensions;
}
