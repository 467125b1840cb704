#pragma once
// The "Recommended Zephrion Extensions (Python 36)" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallPY36ExtensionsNew : public wizard::FramePage {
 public:
  explicit zpDInstallPY36ExtensionsNew(wizard::WizardServices& services);
};
