#pragma once
// The "Machine Vision Demonstration Profiles (Python 36)" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallPy36DemoProfiles : public wizard::FramePage {
 public:
  explicit zpDInstallPy36DemoProfiles(wizard::WizardServices& services);

  // Not offered while only the extensions are installed.
  bool skipPageInExtensionsOnlyMode() override { return true; }
};
