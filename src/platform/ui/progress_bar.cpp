#include "platform/ui/progress_bar.h"

#include <commctrl.h>

namespace ui {

void ProgressBar::setRange(int low, int high) const {
  send(PBM_SETRANGE32, static_cast<WPARAM>(low), static_cast<LPARAM>(high));
}

int ProgressBar::setPosition(int position) const {
  return static_cast<int>(send(PBM_SETPOS, static_cast<WPARAM>(position)));
}

int ProgressBar::position() const { return static_cast<int>(send(PBM_GETPOS)); }

int ProgressBar::advance(int delta) const { return static_cast<int>(send(PBM_DELTAPOS, static_cast<WPARAM>(delta))); }

}  // namespace ui
