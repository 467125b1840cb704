#include "platform/ui/dialog.h"

#include <algorithm>
#include <exception>

#include "platform/debug_log.h"
#include "platform/ui/control.h"
#include "platform/ui/worker.h"

namespace ui {
namespace {

void reportException(const Dialog* self, UINT message, const char* what) {
  platform::debugOutputF("ui::Dialog::dialogProc - exception in dialog %d, message 0x%04X: %s\n",
                         self != nullptr ? self->templateId() : 0, message, what);
}

// Messages whose result a dialog procedure returns directly instead of
// through DWLP_MSGRESULT.
bool returnsResultDirectly(UINT message) {
  switch (message) {
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
      return true;
    default:
      return false;
  }
}

}  // namespace

Dialog::Dialog(int templateId, HINSTANCE instance)
    : templateId_(templateId), instance_(instance != nullptr ? instance : GetModuleHandleA(nullptr)) {}

Dialog::~Dialog() {
  if (hwnd_ != nullptr && !modal_ && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  // Workers that outlive the dialog object no longer refer to it.
  for (Worker* worker : workers_) worker->boundDialog_ = nullptr;
  if (hwnd_ != nullptr) detachWindow();
}

INT_PTR Dialog::doModal(HWND parent) {
  if (hwnd_ != nullptr) return -1;
  modal_ = true;
  const INT_PTR result = DialogBoxParamA(instance_, MAKEINTRESOURCEA(templateId_), parent, dialogProc,
                                         reinterpret_cast<LPARAM>(this));
  modal_ = false;
  if (result == -1) platform::debugOutputF("ui::Dialog::doModal - unable to create dialog %d\n", templateId_);
  return result;
}

bool Dialog::create(HWND parent) {
  if (hwnd_ != nullptr) return false;
  modal_ = false;
  HWND window = CreateDialogParamA(instance_, MAKEINTRESOURCEA(templateId_), parent, dialogProc,
                                   reinterpret_cast<LPARAM>(this));
  if (window == nullptr) {
    platform::debugOutputF("ui::Dialog::create - unable to create dialog %d\n", templateId_);
    return false;
  }
  return true;
}

void Dialog::destroy() {
  if (hwnd_ != nullptr && !modal_) DestroyWindow(hwnd_);
}

void Dialog::endDialog(INT_PTR result) {
  if (hwnd_ == nullptr) return;
  if (modal_) {
    EndDialog(hwnd_, result);
  } else {
    DestroyWindow(hwnd_);
  }
}

std::string Dialog::itemText(int id) const { return windowText(item(id)); }

void Dialog::setItemText(int id, const std::string& text) const { setWindowTextIfChanged(item(id), text); }

bool Dialog::updateData(bool toControls) {
  if (hwnd_ == nullptr) return false;
  DataExchange dx(hwnd_, toControls);
  doDataExchange(dx);
  return true;
}

bool Dialog::setTimer(UINT_PTR id, UINT periodMs) {
  return hwnd_ != nullptr && SetTimer(hwnd_, id, periodMs, nullptr) != 0;
}

bool Dialog::killTimer(UINT_PTR id) { return hwnd_ != nullptr && KillTimer(hwnd_, id) != FALSE; }

Dialog* Dialog::fromHandle(HWND window) {
  if (window == nullptr) return nullptr;
  return reinterpret_cast<Dialog*>(GetWindowLongPtrA(window, DWLP_USER));
}

bool Dialog::onInitDialog() {
  updateData(true);
  return true;
}

void Dialog::doDataExchange(DataExchange&) {}

bool Dialog::onCommand(int id, int code, HWND) {
  if (code != BN_CLICKED) return false;
  if (id == IDOK) {
    onOK();
    return true;
  }
  if (id == IDCANCEL) {
    onCancel();
    return true;
  }
  return false;
}

void Dialog::onOK() {
  updateData(false);
  endDialog(IDOK);
}

void Dialog::onCancel() { endDialog(IDCANCEL); }

bool Dialog::onNotify(int, NMHDR*, LRESULT&) { return false; }

void Dialog::onTimer(UINT_PTR) {}

void Dialog::onPaint() {}

void Dialog::onDestroy() {}

bool Dialog::onMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

INT_PTR Dialog::setMessageResult(UINT message, LRESULT result) {
  if (returnsResultDirectly(message)) return static_cast<INT_PTR>(result);
  if (hwnd_ != nullptr) SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, result);
  return TRUE;
}

INT_PTR Dialog::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG:
      return onInitDialog() ? TRUE : FALSE;
    case WM_COMMAND:
      return onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
    case WM_NOTIFY: {
      auto* header = reinterpret_cast<NMHDR*>(lParam);
      LRESULT result = 0;
      if (header != nullptr && onNotify(static_cast<int>(header->idFrom), header, result)) {
        return setMessageResult(message, result);
      }
      return FALSE;
    }
    case WM_TIMER:
      onTimer(static_cast<UINT_PTR>(wParam));
      return TRUE;
    case WM_PAINT:
      onPaint();
      return FALSE;
    case WM_DESTROY:
      stopWorkers();
      onDestroy();
      return FALSE;
    default: {
      LRESULT result = 0;
      if (!onMessage(message, wParam, lParam, result)) return FALSE;
      return setMessageResult(message, result);
    }
  }
}

INT_PTR CALLBACK Dialog::dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  Dialog* self = message == WM_INITDIALOG ? reinterpret_cast<Dialog*>(lParam) : fromHandle(window);
  return dispatch(self, window, message, wParam, lParam);
}

INT_PTR Dialog::dispatch(Dialog* self, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (self == nullptr) return FALSE;
  if (message == WM_INITDIALOG) self->attachWindow(window);
  INT_PTR handled = FALSE;
  bool failed = false;
  try {
    handled = self->handleMessage(message, wParam, lParam);
  } catch (const std::exception& e) {
    reportException(self, message, e.what());
    failed = true;
  } catch (...) {
    reportException(self, message, "unknown exception");
    failed = true;
  }
  if (failed) {
    // A notification whose handler failed gets the default result, not a
    // stale one left by an earlier message.
    if (self->hwnd_ != nullptr) SetWindowLongPtrA(self->hwnd_, DWLP_MSGRESULT, 0);
    handled = FALSE;
  }
  if (message == WM_NCDESTROY) self->detachWindow();
  return handled;
}

void Dialog::attachWindow(HWND window) {
  hwnd_ = window;
  SetWindowLongPtrA(window, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
}

void Dialog::detachWindow() {
  if (hwnd_ != nullptr && IsWindow(hwnd_)) SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
  hwnd_ = nullptr;
}

void Dialog::stopWorkers() {
  // A copy: stopping may unbind.
  const std::vector<Worker*> workers = workers_;
  for (Worker* worker : workers) {
    if (std::find(workers_.begin(), workers_.end(), worker) != workers_.end()) worker->stop();
  }
}

}  // namespace ui
