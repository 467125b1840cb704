#include "platform/ui/data_exchange.h"

#include <commctrl.h>

#include "platform/debug_log.h"
#include "platform/ui/control.h"

namespace ui {

HWND DataExchange::control(int id, const char* operation) const {
  HWND window = GetDlgItem(dialog_, id);
  if (window == nullptr) platform::debugOutputF("ui::DataExchange::%s - no control %d\n", operation, id);
  return window;
}

void DataExchange::text(int id, std::string& value) {
  HWND window = control(id, "text");
  if (window == nullptr) return;
  if (toControls_) {
    setWindowTextIfChanged(window, value);
  } else {
    value = windowText(window);
  }
}

void DataExchange::check(int id, bool& value) {
  HWND window = control(id, "check");
  if (window == nullptr) return;
  if (toControls_) {
    SendMessageA(window, BM_SETCHECK, value ? BST_CHECKED : BST_UNCHECKED, 0);
  } else {
    value = SendMessageA(window, BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
}

void DataExchange::progress(int id, int& position) {
  HWND window = control(id, "progress");
  if (window == nullptr) return;
  if (toControls_) {
    SendMessageA(window, PBM_SETPOS, static_cast<WPARAM>(position), 0);
  } else {
    position = static_cast<int>(SendMessageA(window, PBM_GETPOS, 0, 0));
  }
}

void DataExchange::comboSelection(int id, int& index) {
  HWND window = control(id, "comboSelection");
  if (window == nullptr) return;
  if (toControls_) {
    SendMessageA(window, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
  } else {
    index = static_cast<int>(SendMessageA(window, CB_GETCURSEL, 0, 0));
  }
}

}  // namespace ui
