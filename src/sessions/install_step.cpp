#include "sessions/install_step.h"

#include <cstdio>
#include <vector>

#include "platform/debug_log.h"

namespace sessions {

std::string systemFolderPath() {
  char folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  return folder;
}

InstallCommand installCommandFor(bool isMsiPackage, const std::string& installArguments,
                                 const std::string& downloadedFile, const std::string& systemFolder) {
  InstallCommand command;
  if (isMsiPackage) {
    command.program = systemFolder + "\\msiexec.exe";
    command.commandLine = "\"" + command.program + "\" /i \"" + downloadedFile + "\" " +
                          (installArguments.empty() ? std::string("/passive") : installArguments);
  } else {
    command.program = downloadedFile;
    command.commandLine = installArguments == kCopyExeFullPath ? downloadedFile : installArguments;
  }
  return command;
}

InstallRun runAndWait(const InstallCommand& command, HANDLE stopEvent) {
  std::vector<char> commandLine(command.commandLine.begin(), command.commandLine.end());
  commandLine.push_back('\0');
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessA(command.program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    platform::debugOutputF("sessions::runAndWait - unable to start %s, error %lu\n", command.program.c_str(),
                           GetLastError());
    return InstallRun::NotStarted;
  }
  CloseHandle(process.hThread);
  HANDLE handles[2] = {process.hProcess, stopEvent};
  const DWORD count = stopEvent != nullptr ? 2 : 1;
  const DWORD waited = WaitForMultipleObjects(count, handles, FALSE, INFINITE);
  CloseHandle(process.hProcess);
  return waited == WAIT_OBJECT_0 ? InstallRun::Ended : InstallRun::Stopped;
}

}  // namespace sessions
