#pragma once
// A page of the wizard sheet, in place of MFC's CPropertyPage.
//
// How it works: the page is a Dialog whose window comctl32 creates the first
// time the page is shown; `this` travels in the PROPSHEETPAGE's lParam. The
// sheet's notifications become small virtuals: onSetActive and onKillActive
// (bool), onWizardBack and onWizardNext (a result as MFC had it: 0 for the
// default move, -1 to stay, or the dialog resource id of the page to go to),
// onWizardFinish, onQueryCancel, onReset and onHelp.
//
// The page object outlives its window: when the sheet removes a page its
// window is destroyed, the object keeps its members, and a later addPage
// creates the window again (onInitDialog runs again and shows the members).

#include <windows.h>
#include <prsht.h>

#include <string>

#include "platform/ui/dialog.h"

namespace ui {

class WizardSheet;

class WizardPage : public Dialog {
 public:
  // `title` (if any) is the page's title, shown as the wizard's caption while
  // the page is active.
  explicit WizardPage(int templateId, std::string title = {}, HINSTANCE instance = nullptr);
  ~WizardPage() override;

  const std::string& title() const { return title_; }
  // Before the page is added to a running sheet.
  void setTitle(std::string title) { title_ = std::move(title); }

  // The sheet holding the page, or nullptr when it is in none.
  WizardSheet* sheet() const { return sheet_; }

 protected:
  // The framework's first-activation rule (MFC): on the first activation
  // nothing happens, on later ones the members are moved to the controls
  // again. Return false to refuse the activation.
  virtual bool onSetActive();
  // Leaving the page: the default reads the controls into the members (MFC).
  // Return false to keep the page.
  virtual bool onKillActive();
  virtual LRESULT onWizardBack();
  virtual LRESULT onWizardNext();
  // Return false to keep the wizard open.
  virtual bool onWizardFinish();
  // Return false to refuse Cancel.
  virtual bool onQueryCancel();
  virtual void onReset();
  // The sheet's Help button; the default hands it to the sheet.
  virtual void onHelp();

  INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend class WizardSheet;
  static INT_PTR CALLBACK pageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // A new page handle for comctl32 (which owns it once the sheet has it).
  HPROPSHEETPAGE createHandle(bool hasHelp);

  std::string title_;
  WizardSheet* sheet_ = nullptr;
  HPROPSHEETPAGE handle_ = nullptr;
  bool firstSetActive_ = true;
};

}  // namespace ui
