#pragma once
// The program's diagnostics: one line per event, in the form
// "class::operation - what failed\n". Every line goes to the debugger output
// stream and is appended to the log file in the temporary folder; while a
// capture is active (tests), it is also kept in memory so the exact lines can
// be checked.

#include <string>
#include <vector>

namespace platform {

// The log file's name inside the user's temporary folder.
inline constexpr const char* kDebugLogFileName = "ZephrionVisionSoftwareInstaller.log";

// Writes one diagnostic line exactly as given (the caller supplies the "\n").
void debugOutput(const char* line);
void debugOutput(const std::string& line);

// printf-style variant for lines built from a format.
void debugOutputF(const char* format, ...) __attribute__((format(printf, 1, 2)));

// Full path of the log file ("" when the temporary folder is unknown).
const std::string& debugLogFilePath();

// In-memory capture of the lines, for tests. Lines are kept only between
// startCapture() and stopCapture().
namespace debug_capture {
void start();
void stop();
void clear();
std::vector<std::string> lines();
bool contains(const std::string& line);
}  // namespace debug_capture

}  // namespace platform
