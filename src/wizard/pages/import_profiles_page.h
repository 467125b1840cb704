#pragma once
// The "Import Zephrion Profiles" page.
// For now it shows the common frame only; its rows and controls come with
// the page's own work.

#include "wizard/frame_page.h"

class zpDInstallImportProfiles : public wizard::FramePage {
 public:
  explicit zpDInstallImportProfiles(wizard::WizardServices& services);
};
