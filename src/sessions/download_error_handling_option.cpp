#include "sessions/download_error_handling_option.h"

#include "resource_ids.h"

DDownloadErrorHandlingOption::DDownloadErrorHandlingOption() : ui::Dialog(IDD_DOWNLOAD_ERROR_HANDLING_OPTION) {}

void DDownloadErrorHandlingOption::doDataExchange(ui::DataExchange& dx) {
  dx.text(IDC_DOWNLOAD_OPTION_MESSAGE, message_);
}

bool DDownloadErrorHandlingOption::onCommand(int id, int code, HWND control) {
  if (code != BN_CLICKED) return ui::Dialog::onCommand(id, code, control);
  switch (id) {
    case IDC_DOWNLOAD_OPTION_RETRY:
      choice_ = kChoiceRetry;
      endDialog(IDOK);
      return true;
    case IDC_DOWNLOAD_OPTION_IGNORE:
      choice_ = kChoiceIgnore;
      endDialog(IDOK);
      return true;
    case IDC_DOWNLOAD_OPTION_IGNORE_ALL:
      choice_ = kChoiceIgnoreAll;
      endDialog(IDOK);
      return true;
    case IDC_DOWNLOAD_OPTION_ABORT:
      choice_ = kChoiceAbort;
      endDialog(IDCANCEL);
      return true;
    default:
      return ui::Dialog::onCommand(id, code, control);
  }
}
