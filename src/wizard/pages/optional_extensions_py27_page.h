#pragma once
// The "Optional Zephrion Extensions" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallPY27Extensions2 : public wizard::FramePage {
 public:
  explicit zpDInstallPY27Extensions2(wizard::WizardServices& services);
};
