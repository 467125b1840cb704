#pragma once
// Answers the message boxes that code under test shows on the test thread:
// a helper thread waits for each box of this process under the program's
// caption, records its text and presses the next scripted button. A box for
// which no answer is left is still recorded and closed (OK, or No when it has
// no OK button), so a test never hangs on an unexpected question and can
// assert that it was not asked.

#include <windows.h>

#include <atomic>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace scripted {

class MessageBoxAnswerer {
 public:
  // `buttons`: IDYES, IDNO, IDOK, ... pressed in this order.
  explicit MessageBoxAnswerer(std::vector<int> buttons = {});
  ~MessageBoxAnswerer();

  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  // Stops the helper thread and returns the texts of every box seen, in order.
  std::vector<std::string> finish();

 private:
  void run();

  std::deque<int> buttons_;
  std::vector<std::string> texts_;
  std::mutex mutex_;
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace scripted
