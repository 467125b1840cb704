#include "wizard/pages/summary_page.h"

#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Installation Complete";
}

zpDInstallSummaryZephrion::zpDInstallSummaryZephrion(wizard::WizardServices& services)
    : FramePage(services, IDD_SUMMARY_PAGE, wizard::pageTitle(kPageName), kPageName,
                PSWIZB_BACK | PSWIZB_NEXT, "Finish") {
  uiDlgName = wizard::page_keys::kSummary;
}
