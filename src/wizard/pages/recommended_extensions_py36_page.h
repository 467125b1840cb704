#pragma once
// The "Recommended Zephrion Extensions (Python 36)" page. For now it shows the common frame only; its rows and
// controls come with the page's own work.

#include "wizard/property_page_base.h"

class zpDInstallPY36ExtensionsNew : public zpDPropertyPageBase {
 public:
  explicit zpDInstallPY36ExtensionsNew(wizard::WizardServices& services);

  int updatePageControls() override { return 1; }
  int initPageControls() override { return 1; }
  int buildComponentRows() override { return 1; }

 protected:
  bool onSetActive() override;
};
