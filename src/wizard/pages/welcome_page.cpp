#include "wizard/pages/welcome_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Installation Welcome";
}

zpDInstallWelcomeBase::zpDInstallWelcomeBase(wizard::WizardServices& services)
    : zpDPropertyPageBase(services, IDD_WELCOME_PAGE, wizard::welcomePageTitle(), kPageName) {
  uiDlgName = wizard::page_keys::kWelcome;
}

bool zpDInstallWelcomeBase::onSetActive() { return activatePage(PSWIZB_NEXT, "Cancel"); }
