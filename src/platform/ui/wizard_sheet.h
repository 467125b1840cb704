#pragma once
// The wizard sheet, in place of MFC's CPropertySheet in wizard mode, on
// comctl32's property sheet (PSH_WIZARD).
//
// How it works: the sheet keeps its page sequence (page objects it does not
// own) in the same order as comctl32 does. doModal hands comctl32 a page
// handle per page and runs its modal loop. A thread-local CBT hook catches
// the sheet's window at creation and subclasses it, as MFC does, so the
// sheet sees WM_INITDIALOG after comctl32 has built the window and the first
// page (onInitDialog), commands of the child windows it adds itself
// (onCommand) and every other message (onMessage, e.g. WM_USER + 7 and + 8).
// While the sheet runs, addPage and removePage go through PSM_ADDPAGE and
// PSM_REMOVEPAGE; a removed page's window is destroyed, its object stays.
// Every handler runs inside a try/catch: an exception becomes the debug line
//   "ui::WizardSheet::windowProc - exception in message 0x<msg>: <what>\n".

#include <windows.h>
#include <prsht.h>

#include <string>
#include <vector>

namespace ui {

class WizardPage;

// The wizard's buttons (comctl32 control ids).
inline constexpr int kWizardBackButton = 0x3023;    // 12323
inline constexpr int kWizardNextButton = 0x3024;    // 12324
inline constexpr int kWizardFinishButton = 0x3025;  // 12325
inline constexpr int kWizardHelpButton = IDHELP;    // 9

class WizardSheet {
 public:
  // The installer's sheet grows by 20 pixels and moves its buttons 23 down
  // to make room for its navigation bar.
  static constexpr int kNavigationBarGrowth = 20;
  static constexpr int kNavigationBarButtonShift = 23;

  explicit WizardSheet(std::string caption, HWND parent = nullptr, HINSTANCE instance = nullptr);
  virtual ~WizardSheet();
  WizardSheet(const WizardSheet&) = delete;
  WizardSheet& operator=(const WizardSheet&) = delete;

  // Before doModal: the Help button (each page then has PSP_HASHELP).
  void setHelpButton(bool shown) { help_ = shown; }

  // Runs the sheet modally; comctl32's result (0 after Cancel, -1 when the
  // sheet could not be created).
  INT_PTR doModal();
  HWND hwnd() const { return hwnd_; }
  bool isRunning() const { return hwnd_ != nullptr; }

  // The page sequence. addPage appends; removePage removes by object or
  // index; removePagesAfter removes every page after `page`, from the last
  // one backwards, and returns how many were removed (-1 when `page` is not
  // in the sequence). All work before and while the sheet runs.
  bool addPage(WizardPage* page);
  bool removePage(WizardPage* page);
  bool removePage(int index);
  int removePagesAfter(WizardPage* page);
  int pageCount() const { return static_cast<int>(pages_.size()); }
  WizardPage* page(int index) const;
  int pageIndex(const WizardPage* page) const;

  // Activates the page at `index` directly (no Back/Next logic runs; the
  // pages get PSN_KILLACTIVE and PSN_SETACTIVE). Before doModal it chooses
  // the first page.
  bool setActivePage(int index);
  bool setActivePage(WizardPage* page);
  // The active page's index (-1 when none).
  int activeIndex() const;
  WizardPage* activePage() const;

  // PSWIZB_ flags, posted as PSM_SETWIZBUTTONS (as the Parts describe).
  void setWizardButtons(DWORD flags) const;
  void setCancelText(const std::string& text) const;
  // The sheet's dialog font.
  HFONT font() const;
  // Makes the window `growth` pixels taller and moves the wizard buttons
  // (Back, Next, Finish, Cancel, Help and the hidden OK) `shift` pixels down.
  // Returns the Back button's new top edge in client coordinates, or -1.
  int growForNavigationBar(int growth = kNavigationBarGrowth, int shift = kNavigationBarButtonShift) const;

 protected:
  // After comctl32's own initialisation, with the first page shown.
  virtual void onInitDialog();
  // WM_COMMAND of the sheet's own child windows (not the wizard buttons,
  // unless handled here). Return true when handled.
  virtual bool onCommand(int id, int code, HWND control);
  // The Help button (reached through the active page's onHelp).
  virtual void onHelp();
  virtual void onDestroy();
  // Every other message. Return true when handled and set `result`.
  virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  friend class WizardPage;
  static LRESULT CALLBACK createHook(int code, WPARAM wParam, LPARAM lParam);
  static LRESULT CALLBACK subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR data);
  LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  void attachWindow(HWND window);
  void forgetPage(WizardPage* page);

  std::string caption_;
  HWND parent_;
  HINSTANCE instance_;
  bool help_ = false;
  int startPage_ = 0;
  HWND hwnd_ = nullptr;
  std::vector<WizardPage*> pages_;
};

}  // namespace ui
