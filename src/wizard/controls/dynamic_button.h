#pragma once
// DDynamicButton: a picture button created at run time (one per catalog
// entry and action, for instance) that tells its owner about a click by
// sending WM_USER + 6 to a target window with two numbers, typically the
// entry's index and the action. Without a target a click does nothing.

#include <windows.h>

#include "wizard/controls/image_button.h"

// The message a dynamic button sends: wParam and lParam carry its two
// parameters (as ints; receivers cast them back with static_cast<int>).
inline constexpr UINT kDynamicButtonMessage = WM_USER + 6;

class DDynamicButton : public hnImageButton {
 public:
  DDynamicButton() = default;

  // The owner sets all three after creating the button.
  void setTarget(HWND target) { target_ = target; }
  void setParameters(int first, int second) {
    firstParameter_ = first;
    secondParameter_ = second;
  }
  HWND target() const { return target_; }
  int firstParameter() const { return firstParameter_; }
  int secondParameter() const { return secondParameter_; }

  // What a click does: the synchronous message to the target, or nothing.
  void sendToTarget() const;

 protected:
  bool onReflectedCommand(int code) override;

 private:
  HWND target_ = nullptr;
  int firstParameter_ = -1;
  int secondParameter_ = -1;
};
