#pragma once
// The "Optional Utility Software II" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallUtilities2 : public wizard::FramePage {
 public:
  explicit zpDInstallUtilities2(wizard::WizardServices& services);
};
