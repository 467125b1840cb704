#pragma once
// The "Core Installation Status" page: the suite runtime and the suite. It
// builds its rows in its constructor, because the sheet's Back and Next ask
// it whether to skip before it has ever been shown: it is passed over when
// both are installed correctly.

#include "components/text_cell.h"
#include "wizard/property_page_base.h"

class zpDInstallCoreComponentsSoftwareStatus : public zpDPropertyPageBase {
 public:
  explicit zpDInstallCoreComponentsSoftwareStatus(wizard::WizardServices& services);

  bool skipPage() override;
  bool skipPageInExtensionsOnlyMode() override { return true; }

  int updatePageControls() override { return 1; }
  int initPageControls() override { return 1; }
  int buildComponentRows() override;

 protected:
  bool onSetActive() override;

 private:
  components::StringCell runtimeName_, runtimeStatus_, runtimeProgress_;
  components::StringCell suiteName_, suiteStatus_, suiteProgress_;
};
