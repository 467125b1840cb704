#include "support/process.h"

#include <vector>

namespace testsupport {

std::string toWindowsPath(const std::string& path) {
  std::string result = path;
  for (char& c : result) {
    if (c == '/') c = '\\';
  }
  if (!path.empty() && path[0] == '/') result = "Z:" + result;
  return result;
}

std::string environmentValue(const char* name) {
  const DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
  if (size == 0) return {};
  std::string value(size, '\0');
  const DWORD copied = GetEnvironmentVariableA(name, value.data(), size);
  value.resize(copied);
  return value;
}

ChildProcess::~ChildProcess() {
  terminate();
  if (info_.hThread != nullptr) CloseHandle(info_.hThread);
  if (info_.hProcess != nullptr) CloseHandle(info_.hProcess);
}

bool ChildProcess::start(const std::string& exePath, const std::string& arguments, const std::string& workDir) {
  const std::string exe = toWindowsPath(exePath);
  std::string commandLine = "\"" + exe + "\"";
  if (!arguments.empty()) commandLine += " " + arguments;
  std::vector<char> buffer(commandLine.begin(), commandLine.end());
  buffer.push_back('\0');
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  const std::string dir = toWindowsPath(workDir);
  return CreateProcessA(exe.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        dir.empty() ? nullptr : dir.c_str(), &startup, &info_) != FALSE;
}

bool ChildProcess::waitForExit(DWORD timeoutMs, DWORD* exitCode) {
  if (info_.hProcess == nullptr) return false;
  if (WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return false;
  if (exitCode != nullptr) GetExitCodeProcess(info_.hProcess, exitCode);
  return true;
}

void ChildProcess::terminate() {
  if (info_.hProcess == nullptr) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
}

}  // namespace testsupport
