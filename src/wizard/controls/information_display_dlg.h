#pragma once
// A read-only window showing an RTF file (for example a toolbox's notes).

#include <string>

#include "platform/ui/dialog.h"

class DInformationDisplayDlg : public ui::Dialog {
 public:
  DInformationDisplayDlg(std::string title, std::string filePath);

  std::string title = "Information";
  std::string filePath;

 protected:
  bool onInitDialog() override;
};
