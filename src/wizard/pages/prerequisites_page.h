#pragma once
// The "Prerequisite Installation" page. For now it shows the common frame only; its rows and
// controls come with the page's own work.

#include "wizard/property_page_base.h"

class zpDInstallPreRequisites : public zpDPropertyPageBase {
 public:
  explicit zpDInstallPreRequisites(wizard::WizardServices& services);

  int updatePageControls() override { return 1; }
  int initPageControls() override { return 1; }
  int buildComponentRows() override { return 1; }

 protected:
  bool onSetActive() override;
};
