#pragma once
// The "Readme Notes" page: the suite's release notes, fetched from the file
// server into the data folder and shown from there (an earlier copy when the
// server cannot be reached). Its refresh button fetches them anew.

#include <memory>

#include "wizard/property_page_base.h"

class hnImageButton;

class zpDInstallReleaseNotes : public zpDPropertyPageBase {
 public:
  explicit zpDInstallReleaseNotes(wizard::WizardServices& services);
  ~zpDInstallReleaseNotes() override;

  int updatePageControls() override { return 1; }
  int initPageControls() override;
  int buildComponentRows() override;

  // True when a file was shown.
  bool loadReadmeNotes(bool redownload, bool interactive);

 protected:
  bool onInitDialog() override;
  bool onSetActive() override;
  bool onCommand(int id, int code, HWND control) override;
  void doDataExchange(ui::DataExchange& dx) override;

 private:
  std::unique_ptr<hnImageButton> refreshButton_;
  std::string statusLine_;
};
