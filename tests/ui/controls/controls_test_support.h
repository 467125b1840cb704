#pragma once
// Shared pieces of the control tests: GDI+ started for the whole binary, the
// test page (a modeless dialog that records what its controls send it),
// pixel read-back of a window, and answering message boxes from a helper
// thread while the test's own thread is inside the call that shows them.

#include <windows.h>

#include <future>
#include <string>
#include <utility>
#include <vector>

#include "platform/ui/dialog.h"

namespace controls_test {

// The test page; records WM_USER + 6 and the commands its children send.
class TestPage : public ui::Dialog {
 public:
  TestPage();

  std::vector<std::pair<int, int>> dynamicMessages;
  std::vector<int> commands;

 protected:
  bool onCommand(int id, int code, HWND control) override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

// Processes the thread's pending messages (posted clicks, paints).
void pumpMessages();

// The pixels of a window's client area, read back from what is on the
// window, as 0x00RRGGBB values row by row.
struct Pixels {
  int width = 0;
  int height = 0;
  std::vector<unsigned> values;
  unsigned at(int x, int y) const { return values[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)]; }
};
Pixels readWindowPixels(HWND window);
// Saves the whole window (frame and caption included) as a 24-bit BMP.
bool saveWindowBitmap(HWND window, const std::string& path);

inline int red(unsigned pixel) { return static_cast<int>((pixel >> 16) & 0xFF); }
inline int green(unsigned pixel) { return static_cast<int>((pixel >> 8) & 0xFF); }
inline int blue(unsigned pixel) { return static_cast<int>(pixel & 0xFF); }

// Writes a 24 x 24 opaque PNG whose left half is pure black and right half
// pure white (through GDI+'s PNG encoder). Returns false on failure.
bool writeBlackWhitePng(const std::string& path);
std::string tempPath(const char* name);

// Answers the next message box of this process with OK, from another thread;
// get() gives its text ("<no message box>" when none came).
std::future<std::string> answerNextMessageBox();

}  // namespace controls_test
