#pragma once
// The running processes as the installer sees them: identifiers, and the
// first module of each process it may open for query and memory reading.

#include <windows.h>

#include <string>
#include <vector>

namespace app {

// Every process identifier; the buffer grows until the system leaves room in
// it, so a machine with many processes is seen whole. Empty on failure.
std::vector<DWORD> runningProcessIds();

// Base name / full file name of the first module of `pid`; "" when the
// process cannot be opened or its modules cannot be read.
std::string firstModuleBaseName(DWORD pid);
std::string firstModuleFileName(DWORD pid);

// Whether a process runs whose first module is `path` (compared ignoring case).
bool isProcessRunning(const char* path);

}  // namespace app
