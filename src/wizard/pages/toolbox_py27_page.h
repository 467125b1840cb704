#pragma once
// The "Zephrion 3D Toolbox - Vivid Sight" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallToolboxeVividSight : public wizard::FramePage {
 public:
  explicit zpDInstallToolboxeVividSight(wizard::WizardServices& services);

  // Not offered while only the extensions are installed.
  bool skipPageInExtensionsOnlyMode() override { return true; }
};
