#include "wizard/driver_row_layout.h"

#include "platform/ui/control.h"
#include "resource_ids.h"
#include "wizard/controls/image_button.h"
#include "wizard/property_page_base.h"

namespace {

constexpr int kButtonSize = 24;
constexpr int kLabelHeight = 20;
constexpr int kLabelDrop = 4;
constexpr int kInformationX = 200;
constexpr int kNameX = 226;
constexpr int kNameWidth = 415;

constexpr const char* kInstallOnlyTooltip =
    "Please connect the camera and then start the driver installation. The driver needs to be installed for every "
    "camera connected";
constexpr const char* kNetworkWarningTooltip =
    "Please close all applications which are accessing network (eg browsers, Skype etc), before installing Basler "
    "Pylon SDK. The installation may wait indefinitely otherwise.";

// Top edge of `control` in its parent's client coordinates (0 without it).
int topOf(HWND control) { return ui::rectInParent(control).top; }

void place(HWND control, int x, int y, int width, int height) {
  if (control != nullptr) SetWindowPos(control, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void preparePictureButton(zpDPropertyPageBase& page, hnImageButton* button, int picture, const char* tooltip) {
  if (button == nullptr) return;
  button->loadPngResource(picture);
  if (tooltip != nullptr) page.toolTip().addTool(button->hwnd(), tooltip);
}

void placeButton(hnImageButton* button, int x, int top) {
  if (button != nullptr) place(button->hwnd(), x, top, kButtonSize, kButtonSize);
}

}  // namespace

void layoutDriverRow(zpDPropertyPageBase& page, hnImageButton* removeButton, hnImageButton* installButton,
                     hnImageButton* informationButton, const char* informationTooltip, HWND nameLabel,
                     HWND versionLabel, HWND statusLabel) {
  preparePictureButton(page, informationButton, IDP_INFORMATION, informationTooltip);
  preparePictureButton(page, installButton, IDP_INSTALL, "Install");
  preparePictureButton(page, removeButton, IDP_UNINSTALL, "Remove");

  const int top = topOf(installButton != nullptr ? installButton->hwnd() : nullptr);
  placeButton(removeButton, 811, top);
  placeButton(installButton, 785, top);
  place(statusLabel, 727, top + kLabelDrop, 56, kLabelHeight);
  place(versionLabel, 643, top + kLabelDrop, 82, kLabelHeight);
  place(nameLabel, kNameX, top + kLabelDrop, kNameWidth, kLabelHeight);
  placeButton(informationButton, kInformationX, top);
}

void layoutDriverInstallOnlyRow(zpDPropertyPageBase& page, hnImageButton* installButton,
                                hnImageButton* informationButton, HWND nameLabel) {
  preparePictureButton(page, informationButton, IDP_INFORMATION, kInstallOnlyTooltip);
  preparePictureButton(page, installButton, IDP_INSTALL, "Install");

  const int top = topOf(installButton != nullptr ? installButton->hwnd() : nullptr);
  placeButton(installButton, 643, top);
  place(nameLabel, kNameX, top + kLabelDrop, kNameWidth, kLabelHeight);
  placeButton(informationButton, kInformationX, top);
}

void layoutNetworkWarningIcon(hnImageButton* informationButton, zpDPropertyPageBase& page) {
  if (informationButton == nullptr) return;
  preparePictureButton(page, informationButton, IDP_INFORMATION, kNetworkWarningTooltip);
  placeButton(informationButton, kInformationX, topOf(informationButton->hwnd()));
}
