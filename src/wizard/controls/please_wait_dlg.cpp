#include "wizard/controls/please_wait_dlg.h"

#include "resource_ids.h"

DPleaseWaitDlg::DPleaseWaitDlg() : ui::Dialog(IDD_PLEASE_WAIT) {}

bool DPleaseWaitDlg::onInitDialog() {
  const bool result = ui::Dialog::onInitDialog();
  // Centre on the screen: the dialog usually has no owner.
  RECT window;
  GetWindowRect(hwnd(), &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  SetWindowPos(hwnd(), nullptr, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return result;
}
