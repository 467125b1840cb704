#pragma once
// What a page and a tab dialog both do when their window is made: keep a
// copy of the dialog's font, and set up the tooltip of their buttons.

#include <windows.h>

#include "platform/ui/tool_tip.h"

namespace wizard {

// Replaces `font` (deleting an earlier copy) with a copy of `window`'s font;
// leaves it as it was when the window has none.
void replaceWithCopyOfFont(HWND window, HFONT& font);

// Creates the tooltip for `owner`, active, with 50 ms initial and reshow
// delays and `font`. False when it cannot be created (the window then works
// without tooltips).
bool prepareToolTip(ui::ToolTip& toolTip, HWND owner, HFONT font);

}  // namespace wizard
