#pragma once
// The "Installation Welcome" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallWelcomeBase : public wizard::FramePage {
 public:
  explicit zpDInstallWelcomeBase(wizard::WizardServices& services);
};
