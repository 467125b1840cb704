#include "wizard/pages/import_profiles_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Import Zephrion Profiles";
}

zpDInstallImportProfiles::zpDInstallImportProfiles(wizard::WizardServices& services)
    : FramePage(services, IDD_IMPORT_PROFILES_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kImportProfiles;
}
