#pragma once
// Progress bar with a 32-bit range (no 16-bit limit on
// large file counts).

#include <windows.h>

#include "platform/ui/control.h"

namespace ui {

class ProgressBar : public Control {
 public:
  using Control::Control;

  void setRange(int low, int high) const;
  // Returns the previous position.
  int setPosition(int position) const;
  int position() const;
  // Moves the position by `delta` (a timer tick adds one); returns the
  // previous position.
  int advance(int delta = 1) const;
};

}  // namespace ui
