#pragma once
// The "Prerequisite Installation" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallPreRequisites : public wizard::FramePage {
 public:
  explicit zpDInstallPreRequisites(wizard::WizardServices& services);
};
