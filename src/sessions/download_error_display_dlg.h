#pragma once
// DDownloadErrorDisplayDlg: why a download failed, with the address that was
// asked for, in a read-only field the user can copy from. The session's
// worker shows it modally; its result is not used.

#include <string>

#include "platform/ui/dialog.h"

class DDownloadErrorDisplayDlg : public ui::Dialog {
 public:
  // Both texts are copied; either may be empty.
  DDownloadErrorDisplayDlg(std::string errorText, std::string url);

  const std::string& errorText() const { return errorText_; }
  const std::string& url() const { return url_; }

 protected:
  void doDataExchange(ui::DataExchange& dx) override;

 private:
  std::string errorText_;
  std::string url_;
};
