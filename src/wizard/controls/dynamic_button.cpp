#include "wizard/controls/dynamic_button.h"

void DDynamicButton::sendToTarget() const {
  if (target_ == nullptr) return;
  SendMessageA(target_, kDynamicButtonMessage, static_cast<WPARAM>(static_cast<INT_PTR>(firstParameter_)),
               static_cast<LPARAM>(secondParameter_));
}

bool DDynamicButton::onReflectedCommand(int code) {
  if (code != BN_CLICKED) return false;
  sendToTarget();
  return true;
}
