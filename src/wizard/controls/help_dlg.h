#pragma once
// The help window of a wizard page: its help file, fetched from the file
// server into the data folder and shown as RTF. "Refresh" fetches it again;
// without the server the copy already in the data folder is shown.

#include <string>

#include "components/component_row.h"
#include "components/install_sessions.h"
#include "platform/ui/dialog.h"

class DHelp2 : public ui::Dialog {
 public:
  static constexpr int kMinWidth = 500;
  static constexpr int kMinHeight = 400;

  DHelp2(std::string title, const components::ComponentRow& helpRow, components::InstallSessions& sessions);

  std::string title = "Information";

  // Fetches the help file (again when `redownload`) and shows it; interactive
  // runs tell the user when the local copy is shown instead.
  void loadHelpFile(bool redownload, bool interactive);

 protected:
  bool onInitDialog() override;
  bool onCommand(int id, int code, HWND control) override;
  void onOK() override;
  void onCancel() override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void layOut();

  components::ComponentRow helpRow_;
  components::InstallSessions& sessions_;
};
