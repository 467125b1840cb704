#pragma once
// The "Zephrion Modules" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallModules2 : public wizard::FramePage {
 public:
  explicit zpDInstallModules2(wizard::WizardServices& services);
};
