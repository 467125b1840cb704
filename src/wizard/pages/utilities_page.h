#pragma once
// The "Optional Utility Software I" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallUtilities : public wizard::FramePage {
 public:
  explicit zpDInstallUtilities(wizard::WizardServices& services);
};
