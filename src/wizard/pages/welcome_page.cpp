#include "wizard/pages/welcome_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Installation Welcome";
}

zpDInstallWelcomeBase::zpDInstallWelcomeBase(wizard::WizardServices& services)
    : FramePage(services, IDD_WELCOME_PAGE, wizard::welcomePageTitle(), kPageName,
                PSWIZB_NEXT, "Cancel") {
  uiDlgName = wizard::page_keys::kWelcome;
}
