#include "scripted_message_boxes.h"

#include "platform/ui/message_box.h"
#include "support/ui_automation.h"

namespace scripted {

MessageBoxAnswerer::MessageBoxAnswerer(std::vector<int> buttons)
    : buttons_(buttons.begin(), buttons.end()), thread_([this] { run(); }) {}

MessageBoxAnswerer::~MessageBoxAnswerer() { finish(); }

std::vector<std::string> MessageBoxAnswerer::finish() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  std::lock_guard<std::mutex> lock(mutex_);
  return texts_;
}

void MessageBoxAnswerer::run() {
  const DWORD pid = GetCurrentProcessId();
  while (!stop_) {
    HWND box = testsupport::waitForMessageBox(ui::kMessageBoxCaption, 100, pid);
    if (box == nullptr) continue;
    const std::string text = testsupport::messageBoxText(box);
    int button = 0;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      texts_.push_back(text);
      if (!buttons_.empty()) {
        button = buttons_.front();
        buttons_.pop_front();
      }
    }
    if (button == 0) button = GetDlgItem(box, IDOK) != nullptr ? IDOK : IDNO;
    testsupport::pressMessageBoxButton(box, button);
    // The same box must not be answered twice while it closes.
    testsupport::waitForWindowGone(box, 5000);
  }
}

}  // namespace scripted
