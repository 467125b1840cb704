#pragma once
// The "Optional Zephrion Extensions (Python 36)" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallPY36Extensions2 : public wizard::FramePage {
 public:
  explicit zpDInstallPY36Extensions2(wizard::WizardServices& services);
};
