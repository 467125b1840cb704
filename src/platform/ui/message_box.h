#pragma once
// Messages to the user: modal message boxes through one helper, with the
// program's caption unless a message names another one.

#include <windows.h>

#include <string>

namespace ui {

// The default caption of every message box (and the wizard's caption).
inline constexpr const char* kMessageBoxCaption = "Zephrion Vision Software XII 760 Installer";
// The other captions the Parts use.
inline constexpr const char* kErrorCaption = "Error";
inline constexpr const char* kConfirmationCaption = "Confirmation";
inline constexpr const char* kInformationCaption = "Information";
inline constexpr const char* kWarningCaption = "Warning";

// Shows a modal message box and returns the button pressed (IDOK, IDYES,
// ...), or 0 when it could not be shown. `type` takes the MB_ flags;
// `caption` nullptr means the default caption. Without an owner the box is
// owned by the calling thread's active top-level window, as MFC's
// AfxMessageBox does, so the wizard behind it stays disabled.
int messageBox(HWND owner, const std::string& text, UINT type = MB_OK, const char* caption = kMessageBoxCaption);

}  // namespace ui
