#include "sessions/download_error_display_dlg.h"

#include "resource_ids.h"

DDownloadErrorDisplayDlg::DDownloadErrorDisplayDlg(std::string errorText, std::string url)
    : ui::Dialog(IDD_DOWNLOAD_ERROR_DISPLAY), errorText_(std::move(errorText)), url_(std::move(url)) {}

void DDownloadErrorDisplayDlg::doDataExchange(ui::DataExchange& dx) {
  dx.text(IDC_DOWNLOAD_ERROR_TEXT, errorText_);
  dx.text(IDC_DOWNLOAD_ERROR_URL, url_);
}
