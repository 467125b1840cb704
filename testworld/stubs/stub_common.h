#pragma once
// Shared pieces of the test world's stub programs: the command-line log the
// tests read, text conversions, and small file helpers.

#include <windows.h>

#include <string>
#include <vector>

namespace stubs {

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& text);

// This program's full path and its folder (without a trailing backslash).
std::wstring selfPath();
std::wstring folderOf(const std::wstring& path);
std::wstring baseNameOf(const std::wstring& path);

// Appends "<exe base name>|<raw command line>" to the stub log: the file named
// by ZEPHRION_STUB_LOG, else C:\stublog\stubs.log. Every stub calls this first
// so that tests see exactly what the installer started.
void logCommandLine();
// Appends a free-form line to the same log (used for what a stub did).
void logLine(const std::wstring& line);

bool readWholeFile(const std::wstring& path, std::string& bytes);
bool writeWholeFile(const std::wstring& path, const std::string& bytes);
// Creates every missing folder of `folder`.
bool createFolders(const std::wstring& folder);
// Removes a folder with everything in it; true when it is gone.
bool removeTree(const std::wstring& folder);

// Case-insensitive search of `needle` in the raw command line.
bool commandLineContains(const std::wstring& needle);

}  // namespace stubs
