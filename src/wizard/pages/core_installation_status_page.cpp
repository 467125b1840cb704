#include "wizard/pages/core_installation_status_page.h"

#include <vector>

#include "components/catalog.h"
#include "components/page_rows.h"
#include "resource_ids.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"

namespace {
constexpr const char* kPageName = "Core Installation Status";
}

zpDInstallCoreComponentsSoftwareStatus::zpDInstallCoreComponentsSoftwareStatus(wizard::WizardServices& services)
    : zpDPropertyPageBase(services, IDD_CORE_INSTALLATION_STATUS_PAGE, wizard::pageTitle(kPageName), kPageName) {
  uiDlgName = wizard::page_keys::kCoreInstallationStatus;
  buildRowsOnce();
}

int zpDInstallCoreComponentsSoftwareStatus::buildComponentRows() {
  const components::RowCells cells[] = {{&runtimeName_, &runtimeStatus_, &runtimeProgress_},
                                        {&suiteName_, &suiteStatus_, &suiteProgress_}};
  std::vector<components::ComponentRow> rows;
  size_t next = 0;
  for (const components::CatalogEntry* entry : components::page_rows::coreInstallationStatusPageRows()) {
    if (entry == nullptr || next >= std::size(cells)) continue;
    rows.push_back(components::catalog::makeRow(*entry, services().applicationFolder, cells[next++]));
  }
  return installManager().setRows(rows);
}

bool zpDInstallCoreComponentsSoftwareStatus::skipPage() {
  components::hnInstallManagerBase& manager = installManager();
  return manager.rowCount() > 0 && manager.evaluateRows(0, manager.rowCount() - 1) == 1;
}

bool zpDInstallCoreComponentsSoftwareStatus::onSetActive() {
  return activatePage(PSWIZB_BACK | PSWIZB_NEXT, "Cancel");
}
