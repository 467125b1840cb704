#include "wizard/pages/release_notes_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Readme Notes";
}

zpDInstallReleaseNotes::zpDInstallReleaseNotes(wizard::WizardServices& services)
    : zpDPropertyPageBase(services, IDD_RELEASE_NOTES_PAGE, wizard::pageTitle(kPageName), kPageName) {
  uiDlgName = wizard::page_keys::kReadmeNotes;
}

bool zpDInstallReleaseNotes::onSetActive() { return activatePage(PSWIZB_BACK | PSWIZB_NEXT, "Finish"); }
