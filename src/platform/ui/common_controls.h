#pragma once
// Start-up of the controls the pages use: the common controls (property
// sheet, tab, tree view, list view, progress bar, tooltips, SysLink) and
// rich edit 2.0.

namespace ui {

// InitCommonControlsEx with the Windows 95 classes, the standard classes and
// the link class. True on success.
bool initCommonControls();

// Loads rich edit 2.0 (riched20.dll, window class "RichEdit20A") once, as
// MFC's AfxInitRichEdit2 does; needed before a dialog with such a control is
// created. True when loaded.
bool loadRichEdit2();

}  // namespace ui
