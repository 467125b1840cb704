#include "wizard/controls/help_dlg.h"

#include "resource_ids.h"
#include "wizard/controls/downloaded_rtf_display.h"
#include "wizard/controls/help_window_position.h"

DHelp2::DHelp2(std::string windowTitle, const components::ComponentRow& helpRow,
               components::InstallSessions& sessions)
    : ui::Dialog(IDD_HELP), title(std::move(windowTitle)), helpRow_(helpRow), sessions_(sessions) {}

bool DHelp2::onInitDialog() {
  const bool result = ui::Dialog::onInitDialog();
  SetWindowTextA(hwnd(), title.c_str());
  if (restoreHelpWindowPosition(hwnd())) layOut();
  loadHelpFile(false, false);
  return result;
}

void DHelp2::loadHelpFile(bool redownload, bool interactive) {
  showDownloadedRtf(sessions_, helpRow_, item(IDC_HELP_TEXT), hwnd(), redownload, interactive,
                    {"Using local copy of the help file.",
                     "Error: Unable to get the help file from the server.\nPlease try again."});
}

bool DHelp2::onCommand(int id, int code, HWND control) {
  if (id == IDC_HELP_REFRESH && code == BN_CLICKED) {
    loadHelpFile(true, true);
    return true;
  }
  return ui::Dialog::onCommand(id, code, control);
}

void DHelp2::onOK() {
  saveHelpWindowPosition(hwnd());
  endDialog(IDOK);
}

void DHelp2::onCancel() {
  saveHelpWindowPosition(hwnd());
  endDialog(IDCANCEL);
}

bool DHelp2::onMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message == WM_GETMINMAXINFO) {
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    info->ptMinTrackSize.x = kMinWidth;
    info->ptMinTrackSize.y = kMinHeight;
    result = 0;
    return true;
  }
  if (message == WM_EXITSIZEMOVE) {
    layOut();
    result = 0;
    return true;
  }
  return false;
}

void DHelp2::layOut() {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int width = client.right;
  const int height = client.bottom;
  MoveWindow(item(IDC_HELP_TEXT), 15, 15, width - 30, height - 60, TRUE);
  MoveWindow(item(IDOK), width / 2 - 40, height - 35, 80, 25, TRUE);
  MoveWindow(item(IDC_HELP_REFRESH), width - 95, height - 35, 80, 25, TRUE);
}
