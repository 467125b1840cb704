#pragma once
// The "Zephrion Image Processing Options" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallModules : public wizard::FramePage {
 public:
  explicit zpDInstallModules(wizard::WizardServices& services);
};
