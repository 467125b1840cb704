#include "wizard/page_font.h"

namespace wizard {

namespace {
constexpr int kTooltipDelayMs = 50;
}

void replaceWithCopyOfFont(HWND window, HFONT& font) {
  auto current = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
  if (current == nullptr) return;
  LOGFONTA logical{};
  if (GetObjectA(current, sizeof(logical), &logical) == 0) return;
  HFONT copy = CreateFontIndirectA(&logical);
  if (copy == nullptr) return;
  if (font != nullptr) DeleteObject(font);
  font = copy;
}

bool prepareToolTip(ui::ToolTip& toolTip, HWND owner, HFONT font) {
  if (!toolTip.create(owner)) return false;
  toolTip.activate(true);
  toolTip.setDelays(kTooltipDelayMs, kTooltipDelayMs);
  if (font != nullptr) toolTip.setFont(font);
  return true;
}

}  // namespace wizard
