#pragma once
// The "Zephrion Image Processing Options" page. For now it shows the common frame only; its rows and
// controls come with the page's own work.

#include "wizard/property_page_base.h"

class zpDInstallModules : public zpDPropertyPageBase {
 public:
  explicit zpDInstallModules(wizard::WizardServices& services);

  int updatePageControls() override { return 1; }
  int initPageControls() override { return 1; }
  int buildComponentRows() override { return 1; }

 protected:
  bool onSetActive() override;
};
