#pragma once
// Running a downloaded installer: which program starts with which command
// line, and the wait for its end. The exit code is never read: whether an
// installation took effect is decided by detecting the component again.
//
// Command lines:
//  - MSI packages go to the Windows Installer of the system folder. Its
//    command line starts with the program's own quoted path: msiexec takes
//    the first token for its name, so a "/i" in that place would be lost
//    (msiexec then shows its usage window and never ends). Then "/i", the
//    quoted package path and the row's arguments, or "/passive" when the row
//    has none.
//  - Other rows start the downloaded file with the row's installArguments as
//    the whole command line, program-name position included (those texts
//    begin with a blank, so the name token is empty and the switches
//    follow), or with the file's own full path for "CopyEXEFullPath".

#include <windows.h>

#include <string>

namespace sessions {

inline constexpr const char* kCopyExeFullPath = "CopyEXEFullPath";

struct InstallCommand {
  std::string program;
  std::string commandLine;
};

// The system folder (GetSystemDirectory), "" when the system gives none.
std::string systemFolderPath();

InstallCommand installCommandFor(bool isMsiPackage, const std::string& installArguments,
                                 const std::string& downloadedFile, const std::string& systemFolder);

enum class InstallRun {
  Ended,       // the program ran and ended
  Stopped,     // the stop event fired first; the program is left running
  NotStarted,  // the program could not be started
};

// Starts the program and waits for its end or for `stopEvent` (may be null).
InstallRun runAndWait(const InstallCommand& command, HANDLE stopEvent);

}  // namespace sessions
