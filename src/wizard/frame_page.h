#pragma once
// A page that shows the common frame of the page base and nothing of its
// own yet: no rows, no controls to update. It sets the wizard buttons and
// the Cancel button's text it was given whenever it becomes active.

#include <string>

#include "wizard/property_page_base.h"

namespace wizard {

class FramePage : public zpDPropertyPageBase {
 public:
  FramePage(WizardServices& services, int templateId, std::string pageTitle, std::string headerText,
            DWORD wizardButtons, const char* cancelText);

  int updatePageControls() override { return 1; }
  int initPageControls() override { return 1; }
  int buildComponentRows() override { return 1; }

 protected:
  bool onSetActive() override;

 private:
  DWORD wizardButtons_;
  const char* cancelText_;
};

}  // namespace wizard
