#pragma once
// The "ZTC - Zephrion Tool Components (Python 36)" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallPy36Templates : public wizard::FramePage {
 public:
  explicit zpDInstallPy36Templates(wizard::WizardServices& services);

  // Not offered while only the extensions are installed.
  bool skipPageInExtensionsOnlyMode() override { return true; }
};
