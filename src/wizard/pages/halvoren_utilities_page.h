#pragma once
// The "Halvoren Utilities" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallHalvorenUtilities : public wizard::FramePage {
 public:
  explicit zpDInstallHalvorenUtilities(wizard::WizardServices& services);
};
