#include "app/placeholder_wizard.h"

#include <commctrl.h>
#include <prsht.h>

#include "platform/ui/message_box.h"
#include "resource_ids.h"

namespace app {
namespace {

INT_PTR CALLBACK placeholderPageProc(HWND page, UINT message, WPARAM, LPARAM lParam) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (header->code == PSN_SETACTIVE) {
      PropSheet_SetWizButtons(GetParent(page), PSWIZB_FINISH);
      return TRUE;
    }
  }
  return FALSE;
}

}  // namespace

INT_PTR runPlaceholderWizard(HINSTANCE instance) {
  PROPSHEETPAGEA page = {};
  page.dwSize = sizeof(page);
  // The wizard shows the active page's title as its window caption.
  page.dwFlags = PSP_USETITLE;
  page.hInstance = instance;
  page.pszTemplate = MAKEINTRESOURCEA(IDD_PLACEHOLDER_PAGE);
  page.pszTitle = ui::kMessageBoxCaption;
  page.pfnDlgProc = placeholderPageProc;

  PROPSHEETPAGEA pages[] = {page};
  PROPSHEETHEADERA sheet = {};
  sheet.dwSize = sizeof(sheet);
  sheet.dwFlags = PSH_WIZARD | PSH_PROPSHEETPAGE | PSH_NOAPPLYNOW;
  sheet.hInstance = instance;
  sheet.pszCaption = ui::kMessageBoxCaption;
  sheet.nPages = 1;
  sheet.ppsp = pages;
  return PropertySheetA(&sheet);
}

}  // namespace app
