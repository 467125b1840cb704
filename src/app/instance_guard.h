#pragma once
// The program refuses to start while another installer of the family runs:
// another copy of itself, another version of this installer, or a sibling
// product's installer. Running programs are recognised by the base name of
// their first module.

#include <functional>
#include <string>
#include <vector>

namespace app {

inline constexpr const char* kOwnExecutableName = "ZephrionVisionSoftware_12_0_0_760_Installer_200830.exe";
inline constexpr const char* kVisionSoftwareInstallerPrefix = "ZephrionVisionSoftware_";
inline constexpr const char* kLumenixSdkInstallerPrefix = "ZephrionLumenixSDK_";
inline constexpr const char* kSonySmartCamsInstallerPrefix = "ZPA_SonySmartCams_";

// The first module's base name of every process that can be opened.
// Empty when the enumeration fails.
std::vector<std::string> runningProcessModuleNames();

// Matching rules: the exact name ignores case; a prefix must start the name
// (case-sensitive) and "_Installer_" must appear in it.
bool matchesExactName(const std::string& moduleName, const char* exactName);
bool matchesInstallerPrefix(const std::string& moduleName, const char* prefix);

int countProcessesByExactName(const std::vector<std::string>& moduleNames, const char* exactName);
int countInstallerProcessesByPrefix(const std::vector<std::string>& moduleNames, const char* prefix);

// Which rule refuses the start, in the order the guard tests them.
enum class InstanceConflict { None, SameInstaller, OtherVisionSoftwareInstaller, LumenixSdkInstaller, SonySmartCamsInstaller };

InstanceConflict findInstanceConflict(const std::vector<std::string>& moduleNames);
// The message shown when `conflict` refuses the start.
const char* instanceConflictMessage(InstanceConflict conflict);

// What the guard needs from its surroundings, so tests can drive it.
struct InstanceGuardHooks {
  std::function<std::vector<std::string>()> listProcesses = runningProcessModuleNames;
  std::function<void()> showPleaseWait = [] {};
  std::function<void()> hidePleaseWait = [] {};
  std::function<void(unsigned milliseconds)> sleep;
  std::function<void(const char* message)> showMessage;
};

inline constexpr int kInstanceGuardWaits = 4;
inline constexpr unsigned kInstanceGuardWaitMs = 5000;

// Runs the guard: when another installer runs, shows the please-wait window,
// waits up to four times five seconds for it to end, and shows the message of
// the rule that still refuses. True when the program may start.
bool runInstanceGuard(const InstanceGuardHooks& hooks);

}  // namespace app
