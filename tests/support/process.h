#pragma once
// Starting and ending programs from a test, and paths between the Linux side
// (where the build lives) and the Windows side (where the tests run).

#include <windows.h>

#include <string>

namespace testsupport {

// "/a/b" becomes "Z:\a\b" (Wine maps the Linux root to Z:); other paths keep
// their form with forward slashes turned into backslashes.
std::string toWindowsPath(const std::string& path);

// An environment variable ("" when unset).
std::string environmentValue(const char* name);

class ChildProcess {
 public:
  ChildProcess() = default;
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // Starts `exePath` with `arguments` (the program name is put first).
  bool start(const std::string& exePath, const std::string& arguments = {}, const std::string& workDir = {});
  // Waits for the end; false on time-out. `exitCode` gets the exit code.
  bool waitForExit(DWORD timeoutMs, DWORD* exitCode = nullptr);
  // Ends a program that is still running (used when a test fails midway).
  void terminate();

  DWORD pid() const { return info_.dwProcessId; }
  HANDLE handle() const { return info_.hProcess; }

 private:
  PROCESS_INFORMATION info_ = {};
};

}  // namespace testsupport
