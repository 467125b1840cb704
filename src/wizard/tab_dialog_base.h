#pragma once
// zpDTabDialogBase: the base of the tab dialogs that the catalog pages embed.
// It only gives them what the pages have too: a copy of the dialog font and
// a tooltip control for their buttons.

#include <windows.h>

#include "platform/ui/dialog.h"
#include "platform/ui/tool_tip.h"

class zpDTabDialogBase : public ui::Dialog {
 public:
  explicit zpDTabDialogBase(int templateId);
  ~zpDTabDialogBase() override;

 protected:
  bool onInitDialog() override;
  void onDestroy() override;

  ui::ToolTip& toolTip() { return toolTip_; }
  HFONT dialogFont() const { return font_; }

 private:
  ui::ToolTip toolTip_;
  HFONT font_ = nullptr;
};
