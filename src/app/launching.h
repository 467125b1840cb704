#pragma once
// Starting a program for the interactive user. The installer runs with
// administrator rights; on Vista and later the Windows shell (explorer.exe)
// starts the program instead, so it runs without those rights. Parameters
// travel in a temporary shortcut because explorer.exe passes none.

namespace app {

// 1 with `preVista` set when the system is Windows NT older than 6.0;
// -1 when the version cannot be read; -2 when the platform is not NT.
// `preVista` is true before the query.
int isPreVistaWindows(bool* preVista);

// Saves a shortcut "<folder>\<shortcutName>.lnk" to `target` with the given
// arguments and working folder. True when everything was set and saved.
bool createShellShortcut(const char* arguments, const char* workingFolder, const char* shortcutName,
                         const char* folder, const char* target);

// Starts `file` (with optional `parameters`) for the interactive user.
// -1 when `file` is null; -2 when `workingFolder` or `shellResult` is null;
// 1 otherwise, with the shell's result in `shellResult` (above 32: started).
int launchAppManagingUACElevation(const char* parameters, const char* workingFolder, const char* file,
                                  int* shellResult);

}  // namespace app
