#include "support/unix_side.h"

#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "support/process.h"

namespace testsupport {

bool runUnixCommand(const std::string& commandLine) {
  // Wine starts a Linux program but hands back no handle to wait on, so the
  // command runs under a shell that leaves its exit code in a marker file.
  static LONG counter = 0;
  const std::string marker = "/tmp/zephrion-unix-command-" + std::to_string(GetCurrentProcessId()) + "-" +
                             std::to_string(InterlockedIncrement(&counter));
  const std::string windowsMarker = toWindowsPath(marker);
  DeleteFileA(windowsMarker.c_str());
  std::string shell = "/bin/sh -c \"" + commandLine + "; echo $? > " + marker + ".tmp && mv " + marker + ".tmp " +
                      marker + "\"";
  std::vector<char> buffer(shell.begin(), shell.end());
  buffer.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION info = {};
  if (!CreateProcessA(nullptr, buffer.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info)) {
    return false;
  }
  if (info.hThread != nullptr) CloseHandle(info.hThread);
  if (info.hProcess != nullptr) CloseHandle(info.hProcess);

  const ULONGLONG deadline = GetTickCount64() + 30000;
  while (GetTickCount64() < deadline) {
    HANDLE file = CreateFileA(windowsMarker.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      char text[16] = {};
      DWORD read = 0;
      ReadFile(file, text, sizeof(text) - 1, &read, nullptr);
      CloseHandle(file);
      DeleteFileA(windowsMarker.c_str());
      return atoi(text) == 0;
    }
    Sleep(10);
  }
  return false;
}

std::string freshUnixSandbox(const std::string& name) {
  const std::string root = environmentValue("ZEPHRION_TEST_SANDBOX");
  if (root.empty()) return {};
  const std::string folder = root + "/" + name;
  runUnixCommand("/usr/bin/chattr -R -i " + folder + " 2>/dev/null");
  runUnixCommand("/bin/rm -rf " + folder);
  if (!runUnixCommand("/bin/mkdir -p " + folder)) return {};
  return folder;
}

bool setUnixFolderReadOnly(const std::string& unixPath, bool readOnly) {
  return runUnixCommand(std::string("/usr/bin/chattr ") + (readOnly ? "+i " : "-i ") + unixPath);
}

}  // namespace testsupport
