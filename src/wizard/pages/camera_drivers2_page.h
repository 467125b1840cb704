#pragma once
// The "3rd Party Camera Drivers - 2" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstall3rdPartyInstallations2 : public wizard::FramePage {
 public:
  explicit zpDInstall3rdPartyInstallations2(wizard::WizardServices& services);
};
