#pragma once
// Reaching the Linux side from a test running under Wine: Wine starts Linux
// programs given by their Linux path, which lets a test make symbolic links or
// read-only folders that Windows calls cannot make here.

#include <string>

namespace testsupport {

// Runs a Linux command line (for example "/bin/ln -s /a /b"); true when it
// ran and exited with 0.
bool runUnixCommand(const std::string& commandLine);

// A fresh, empty scratch folder named `name` on the Linux side, as a Linux
// path; "" when the test run provides no sandbox (ZEPHRION_TEST_SANDBOX).
std::string freshUnixSandbox(const std::string& name);

// Makes a folder unwritable even for root (immutable attribute), or undoes it.
bool setUnixFolderReadOnly(const std::string& unixPath, bool readOnly);

}  // namespace testsupport
