#pragma once
// The "Recommended Zephrion Extensions" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallPY27ExtensionsNew : public wizard::FramePage {
 public:
  explicit zpDInstallPY27ExtensionsNew(wizard::WizardServices& services);
};
