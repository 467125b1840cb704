#pragma once
// "Please wait..." shown while the program works without a window of its own
// to show progress in. Callers create it modeless, show it while they work and
// destroy it afterwards.

#include "platform/ui/dialog.h"

class DPleaseWaitDlg : public ui::Dialog {
 public:
  DPleaseWaitDlg();

 protected:
  bool onInitDialog() override;
};
