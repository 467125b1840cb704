#include "wizard/pages/optional_extensions_py36_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Optional Zephrion Extensions (Python 36)";
}

zpDInstallPY36Extensions2::zpDInstallPY36Extensions2(wizard::WizardServices& services)
    : FramePage(services, IDD_OPTIONAL_EXTENSIONS_PY36_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kOptionalExtensionsPy36;
}
