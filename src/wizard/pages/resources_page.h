#pragma once
// The "Zephrion Vision Resources" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallZephrionResourcesDynamic : public wizard::FramePage {
 public:
  explicit zpDInstallZephrionResourcesDynamic(wizard::WizardServices& services);
};
