#pragma once
// The "Core Installation" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallCoreComponentsSoftware : public wizard::FramePage {
 public:
  explicit zpDInstallCoreComponentsSoftware(wizard::WizardServices& services);

  // Not offered while only the extensions are installed.
  bool skipPageInExtensionsOnlyMode() override { return true; }
};
