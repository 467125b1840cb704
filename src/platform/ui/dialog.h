#pragma once
// The dialog base in place of MFC's CDialog.
//
// How it works: the dialog procedure receives `this` with WM_INITDIALOG (the
// creation parameter; for a property page the PROPSHEETPAGE's lParam) and
// keeps it in the window's DWLP_USER slot. Every later message is forwarded to
// a virtual handler. Nothing may escape into the system's code: the procedure
// catches every exception, writes one debug line
//   "ui::Dialog::dialogProc - exception in dialog <id>, message 0x<msg>: <what>\n"
// and carries on as if the message had not been handled.
//
// The defaults follow MFC, because the pages were written against it:
// onInitDialog moves the members to the controls, onOK reads them back and
// ends the modal run with IDOK, onCancel ends it with IDCANCEL.
//
// Workers started on a dialog (ui::Worker::start(Dialog&, ...)) are stopped
// when its window is destroyed, before onDestroy runs.

#include <windows.h>

#include <string>
#include <vector>

#include "platform/ui/data_exchange.h"

namespace ui {

class Worker;

class Dialog {
 public:
  // `instance`: the module holding the dialog resource (nullptr: the program).
  explicit Dialog(int templateId, HINSTANCE instance = nullptr);
  virtual ~Dialog();
  Dialog(const Dialog&) = delete;
  Dialog& operator=(const Dialog&) = delete;

  // Runs the dialog modally; the result is the value given to endDialog, or
  // -1 when the dialog could not be created.
  INT_PTR doModal(HWND parent = nullptr);
  // Creates the dialog modeless (a child dialog when its template has
  // WS_CHILD). Returns false when it could not be created.
  bool create(HWND parent = nullptr);
  // Destroys a modeless dialog's window.
  void destroy();
  // Ends a modal run with `result`; a modeless dialog is destroyed.
  void endDialog(INT_PTR result);

  HWND hwnd() const { return hwnd_; }
  int templateId() const { return templateId_; }
  HINSTANCE instance() const { return instance_; }
  bool isModal() const { return modal_; }
  HWND item(int id) const { return hwnd_ != nullptr ? GetDlgItem(hwnd_, id) : nullptr; }
  std::string itemText(int id) const;
  void setItemText(int id, const std::string& text) const;

  // Moves the bound members to the controls (true) or back (false).
  // False when the window does not exist.
  bool updateData(bool toControls);

  // Window timers of this dialog; their ticks reach onTimer.
  bool setTimer(UINT_PTR id, UINT periodMs);
  bool killTimer(UINT_PTR id);

  // The dialog object of a window created by this framework, or nullptr.
  static Dialog* fromHandle(HWND window);

 protected:
  // Return true to let the system give the focus to the first control.
  virtual bool onInitDialog();
  virtual void doDataExchange(DataExchange& dx);
  // A command (button click, menu, control notification). Return true when
  // handled. The default maps IDOK and IDCANCEL to onOK and onCancel.
  virtual bool onCommand(int id, int code, HWND control);
  virtual void onOK();
  virtual void onCancel();
  // WM_NOTIFY. Return true when handled and set `result` (DWLP_MSGRESULT).
  virtual bool onNotify(int id, NMHDR* header, LRESULT& result);
  virtual void onTimer(UINT_PTR id);
  // Called before the default painting (which always follows).
  virtual void onPaint();
  // WM_DESTROY, after the dialog's workers have been stopped.
  virtual void onDestroy();
  // Every other message, user messages included. Return true when handled
  // and set `result` (the message's result).
  virtual bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // The dispatcher; property pages extend it with their notifications.
  virtual INT_PTR handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // Stores a message result the way a dialog procedure must (DWLP_MSGRESULT,
  // or the return value for the few messages that use it). Returns TRUE.
  INT_PTR setMessageResult(UINT message, LRESULT result);

  static INT_PTR CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  // Common entry of every dialog procedure of the framework: binds `self` at
  // WM_INITDIALOG, dispatches, catches.
  static INT_PTR dispatch(Dialog* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  friend class Worker;
  void attachWindow(HWND window);
  void detachWindow();
  void stopWorkers();

  int templateId_;
  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  bool modal_ = false;
  std::vector<Worker*> workers_;
};

}  // namespace ui
