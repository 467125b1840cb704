#include "wizard/tab_dialog_base.h"

#include "wizard/page_font.h"

zpDTabDialogBase::zpDTabDialogBase(int templateId) : ui::Dialog(templateId) {}

zpDTabDialogBase::~zpDTabDialogBase() {
  if (font_ != nullptr) DeleteObject(font_);
}

bool zpDTabDialogBase::onInitDialog() {
  ui::Dialog::onInitDialog();
  wizard::replaceWithCopyOfFont(hwnd(), font_);
  wizard::prepareToolTip(toolTip_, hwnd(), font_);
  return true;
}

void zpDTabDialogBase::onDestroy() {
  ui::Dialog::onDestroy();
  toolTip_.destroy();
}
