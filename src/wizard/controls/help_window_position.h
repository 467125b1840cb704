#pragma once
// Where the help window was: its rectangle survives between runs in
// "<Documents>\ZephrionInstaller\settings.ini", section "HelpWindowPosition".

#include <windows.h>

#include <string>

// 1 with the file's path in `path` (its folder created when missing);
// -2 when the Documents folder is unknown.
int getInstallerSettingsPath(std::string& path);

// Writes the four edges of the window's rectangle (nothing when the path is
// unknown).
void saveHelpWindowPosition(HWND window);

// Moves the window to the stored rectangle when one is stored, it is not
// empty (left < right, top < bottom) and it lies at least partly on a
// present monitor; true when the window was moved.
bool restoreHelpWindowPosition(HWND window);
