#include "stub_common.h"

#include <algorithm>
#include <cwctype>

namespace stubs {

std::wstring widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  const int count = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring result(static_cast<size_t>(count), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), result.data(), count);
  return result;
}

std::string narrow(const std::wstring& text) {
  if (text.empty()) return {};
  const int count =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  std::string result(static_cast<size_t>(count), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), result.data(), count, nullptr, nullptr);
  return result;
}

std::wstring selfPath() {
  std::wstring buffer(32768, L'\0');
  const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
  buffer.resize(length);
  return buffer;
}

std::wstring folderOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::wstring baseNameOf(const std::wstring& path) {
  const size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

namespace {

std::wstring logPath() {
  wchar_t buffer[MAX_PATH * 4];
  const DWORD length = GetEnvironmentVariableW(L"ZEPHRION_STUB_LOG", buffer, MAX_PATH * 4);
  if (length > 0 && length < MAX_PATH * 4) return buffer;
  return L"C:\\stublog\\stubs.log";
}

}  // namespace

void logLine(const std::wstring& line) {
  const std::wstring path = logPath();
  createFolders(folderOf(path));
  // Several stubs may write at once: an append handle keeps lines whole.
  HANDLE file = INVALID_HANDLE_VALUE;
  for (int attempt = 0; attempt < 50 && file == INVALID_HANDLE_VALUE; ++attempt) {
    file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                       FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) Sleep(20);
  }
  if (file == INVALID_HANDLE_VALUE) return;
  const std::string bytes = narrow(line) + "\r\n";
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

void logCommandLine() { logLine(baseNameOf(selfPath()) + L"|" + GetCommandLineW()); }

bool readWholeFile(const std::wstring& path, std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size = {};
  bool ok = GetFileSizeEx(file, &size) != FALSE;
  if (ok) {
    bytes.assign(static_cast<size_t>(size.QuadPart), '\0');
    size_t done = 0;
    while (ok && done < bytes.size()) {
      DWORD chunk = 0;
      const DWORD want = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1 << 20));
      ok = ReadFile(file, bytes.data() + done, want, &chunk, nullptr) != FALSE && chunk > 0;
      done += chunk;
    }
  }
  CloseHandle(file);
  return ok;
}

bool writeWholeFile(const std::wstring& path, const std::string& bytes) {
  createFolders(folderOf(path));
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) != FALSE &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

bool createFolders(const std::wstring& folder) {
  if (folder.empty()) return true;
  const DWORD attributes = GetFileAttributesW(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const std::wstring parent = folderOf(folder);
  if (!parent.empty() && parent != folder && parent.back() != L':') createFolders(parent);
  return CreateDirectoryW(folder.c_str(), nullptr) != FALSE || GetLastError() == ERROR_ALREADY_EXISTS;
}

bool removeTree(const std::wstring& folder) {
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = found.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(path);
      } else {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(search, &found));
    FindClose(search);
  }
  RemoveDirectoryW(folder.c_str());
  return GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES;
}

bool commandLineContains(const std::wstring& needle) {
  std::wstring line = GetCommandLineW();
  std::wstring wanted = needle;
  for (auto* text : {&line, &wanted}) {
    for (wchar_t& c : *text) c = static_cast<wchar_t>(std::towlower(c));
  }
  return !wanted.empty() && line.find(wanted) != std::wstring::npos;
}

}  // namespace stubs
