#pragma once
// The "Installation Complete" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallSummaryZephrion : public wizard::FramePage {
 public:
  explicit zpDInstallSummaryZephrion(wizard::WizardServices& services);
};
