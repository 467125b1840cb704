#pragma once
// Placing the controls of one driver row on the camera driver pages. All
// positions are client pixels of the page; every control of a row keeps the
// top edge of the row's install button (labels sit 4 pixels lower). A
// missing control (nullptr) is left out.

#include <windows.h>

class hnImageButton;
class zpDPropertyPageBase;

// Remove and install buttons with the version and status of an installed
// driver, and an optional information button with its tooltip.
void layoutDriverRow(zpDPropertyPageBase& page, hnImageButton* removeButton, hnImageButton* installButton,
                     hnImageButton* informationButton, const char* informationTooltip, HWND nameLabel,
                     HWND versionLabel, HWND statusLabel);

// A driver that can only be installed (one per connected camera).
void layoutDriverInstallOnlyRow(zpDPropertyPageBase& page, hnImageButton* installButton,
                                hnImageButton* informationButton, HWND nameLabel);

// The warning before a driver whose setup waits for network programs to end.
void layoutNetworkWarningIcon(hnImageButton* informationButton, zpDPropertyPageBase& page);
