#include "wizard/controls/information_display_dlg.h"

#include "app/folders.h"
#include "platform/ui/rich_edit.h"
#include "resource_ids.h"

DInformationDisplayDlg::DInformationDisplayDlg(std::string windowTitle, std::string path)
    : ui::Dialog(IDD_INFORMATION_DISPLAY), title(std::move(windowTitle)), filePath(std::move(path)) {}

bool DInformationDisplayDlg::onInitDialog() {
  const bool result = ui::Dialog::onInitDialog();
  SetWindowTextA(hwnd(), title.c_str());
  // A file that does not exist leaves the window empty.
  if (app::fileExists(filePath.c_str())) ui::RichEdit(item(IDC_HELP_TEXT)).streamInRtfFile(filePath);
  return result;
}
