#include "platform/ui/wizard_page.h"

#include <commctrl.h>

#include "platform/ui/wizard_sheet.h"

namespace ui {

WizardPage::WizardPage(int templateId, std::string title, HINSTANCE instance)
    : Dialog(templateId, instance), title_(std::move(title)) {}

WizardPage::~WizardPage() {
  if (sheet_ != nullptr) sheet_->forgetPage(this);
}

bool WizardPage::onSetActive() {
  if (firstSetActive_) {
    firstSetActive_ = false;
  } else {
    updateData(true);
  }
  return true;
}

bool WizardPage::onKillActive() {
  updateData(false);
  return true;
}

LRESULT WizardPage::onWizardBack() { return 0; }

LRESULT WizardPage::onWizardNext() { return 0; }

bool WizardPage::onWizardFinish() { return true; }

bool WizardPage::onQueryCancel() { return true; }

void WizardPage::onReset() {}

void WizardPage::onHelp() {
  if (sheet_ != nullptr) sheet_->onHelp();
}

INT_PTR WizardPage::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    // PSN_ codes run downwards from PSN_FIRST to PSN_LAST.
    if (header != nullptr && header->code <= PSN_FIRST && header->code >= PSN_LAST) {
      switch (header->code) {
        case PSN_SETACTIVE:
          return setMessageResult(message, onSetActive() ? 0 : -1);
        case PSN_KILLACTIVE:
          return setMessageResult(message, onKillActive() ? FALSE : TRUE);
        case PSN_WIZBACK:
          return setMessageResult(message, onWizardBack());
        case PSN_WIZNEXT:
          return setMessageResult(message, onWizardNext());
        case PSN_WIZFINISH:
          return setMessageResult(message, onWizardFinish() ? FALSE : TRUE);
        case PSN_QUERYCANCEL:
          return setMessageResult(message, onQueryCancel() ? FALSE : TRUE);
        case PSN_RESET:
          onReset();
          return setMessageResult(message, 0);
        case PSN_HELP:
          onHelp();
          return setMessageResult(message, 0);
        default:
          break;
      }
    }
  }
  return Dialog::handleMessage(message, wParam, lParam);
}

INT_PTR CALLBACK WizardPage::pageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = nullptr;
  if (message == WM_INITDIALOG) {
    // lParam is the sheet's copy of the PROPSHEETPAGE; its lParam is `this`.
    const auto* page = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
    self = page != nullptr ? reinterpret_cast<WizardPage*>(page->lParam) : nullptr;
  } else {
    self = fromHandle(window);
  }
  return dispatch(self, window, message, wParam, lParam);
}

HPROPSHEETPAGE WizardPage::createHandle(bool hasHelp) {
  PROPSHEETPAGEA page = {};
  // The first layout: understood by every comctl32 version.
  page.dwSize = PROPSHEETPAGEA_V1_SIZE;
  page.dwFlags = PSP_DEFAULT;
  if (!title_.empty()) page.dwFlags |= PSP_USETITLE;
  if (hasHelp) page.dwFlags |= PSP_HASHELP;
  page.hInstance = instance();
  page.pszTemplate = MAKEINTRESOURCEA(templateId());
  page.pszTitle = title_.c_str();
  page.pfnDlgProc = pageProc;
  page.lParam = reinterpret_cast<LPARAM>(this);
  handle_ = CreatePropertySheetPageA(&page);
  return handle_;
}

}  // namespace ui
