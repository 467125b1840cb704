#pragma once
// The suite's own folder in the user's Documents, "Zephrion 12.0" (templates,
// profiles, tutorials, plug-ins and the Python selections live there).
//
// The installer writes into it itself at start-up (the Python selection), so
// whether the folder was already there is recorded once, before anything is
// written: data of an older version is offered for import only to a user
// who had no folder of this version yet.

#include <string>

namespace app {

inline constexpr const char* kUserFolderName = "Zephrion 12.0";

// "<Documents>\Zephrion 12.0"; "" when the Documents folder is unknown.
std::string userFolderPath();

// Records whether the folder exists now. Called once at start-up.
void recordUserFolderAtStart();
// What recordUserFolderAtStart found (false before it ran).
bool userFolderExistedAtStart();

}  // namespace app
