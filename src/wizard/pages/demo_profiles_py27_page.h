#pragma once
// The "Machine Vision Demonstration Profiles" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallDemoProfiles : public wizard::FramePage {
 public:
  explicit zpDInstallDemoProfiles(wizard::WizardServices& services);

  // Not offered while only the extensions are installed.
  bool skipPageInExtensionsOnlyMode() override { return true; }
};
