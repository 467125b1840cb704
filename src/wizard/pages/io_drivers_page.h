#pragma once
// The "3rd Party IO Drivers" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallIOSystemInstallations : public wizard::FramePage {
 public:
  explicit zpDInstallIOSystemInstallations(wizard::WizardServices& services);
};
