#pragma once
// The "ZTC - Zephrion Tool Components" page. For now it shows the common frame only; its rows and
// controls come with the page's own work.

#include "wizard/property_page_base.h"

class zpDInstallTemplates : public zpDPropertyPageBase {
 public:
  explicit zpDInstallTemplates(wizard::WizardServices& services);

  // Not offered while only the extensions are installed.
  bool skipPageInExtensionsOnlyMode() override { return true; }

  int updatePageControls() override { return 1; }
  int initPageControls() override { return 1; }
  int buildComponentRows() override { return 1; }

 protected:
  bool onSetActive() override;
};
