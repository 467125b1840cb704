#include "world_helpers.h"

#include <msi.h>
#include <shlobj.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "support/process.h"

namespace world {

std::string worldPath(const std::string& relative) {
  return testsupport::toWindowsPath(std::string(ZW_WORLD_DIR) + "/" + relative);
}

std::string servedFile(const std::string& urlPath) { return worldPath("root" + urlPath); }

std::string scratchFolder(const std::string& name) {
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  const std::string folder = std::string(temp) + "zw-" + name;
  removeTree(folder);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder;
}

std::string stubLogPath() {
  static const std::string path = [] {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string log = std::string(temp) + "zw-stubs-" + std::to_string(GetCurrentProcessId()) + ".log";
    SetEnvironmentVariableA("ZEPHRION_STUB_LOG", log.c_str());
    return log;
  }();
  return path;
}

std::vector<std::string> stubLogLines() {
  std::vector<std::string> lines;
  std::ifstream in(stubLogPath(), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

RunResult run(const std::string& application, const std::string& commandLine, DWORD timeoutMs) {
  stubLogPath();
  RunResult result;
  char temp[MAX_PATH] = {};
  GetTempPathA(MAX_PATH, temp);
  char outputPath[MAX_PATH] = {};
  GetTempFileNameA(temp, "zwo", 0, outputPath);
  SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
  HANDLE output = CreateFileA(outputPath, GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  HANDLE input = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0,
                             nullptr);
  STARTUPINFOA startup = {};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdInput = input;
  startup.hStdOutput = output;
  startup.hStdError = output;
  std::vector<char> line(commandLine.begin(), commandLine.end());
  line.push_back('\0');
  PROCESS_INFORMATION info = {};
  result.started = CreateProcessA(application.empty() ? nullptr : application.c_str(), line.data(), nullptr, nullptr,
                                  TRUE, CREATE_NO_WINDOW, nullptr, nullptr, &startup, &info) != FALSE;
  CloseHandle(output);
  if (input != INVALID_HANDLE_VALUE) CloseHandle(input);
  if (result.started) {
    result.ended = WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0;
    if (!result.ended) TerminateProcess(info.hProcess, 1);
    GetExitCodeProcess(info.hProcess, &result.exitCode);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
  }
  std::ifstream in(outputPath, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  result.output = text.str();
  in.close();
  DeleteFileA(outputPath);
  return result;
}

namespace {

std::string expandEnvironment(const std::string& text) {
  char buffer[4096] = {};
  const DWORD length = ExpandEnvironmentStringsA(text.c_str(), buffer, sizeof(buffer));
  return length == 0 || length > sizeof(buffer) ? text : std::string(buffer);
}

std::string replaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size())) {
    text.replace(at, from.size(), to);
  }
  return text;
}

}  // namespace

std::vector<RegistryWrite> manifestRegistryWrites(const std::string& table, const std::string& selfPath) {
  std::vector<RegistryWrite> writes;
  std::ifstream in(worldPath("manifests/" + table + ".txt"), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    std::vector<std::string> fields;
    std::stringstream split(line);
    std::string field;
    while (std::getline(split, field, '\t')) fields.push_back(field);
    if (line.back() == '\t') fields.push_back("");
    if (fields.size() < 6 || fields[0] != "reg") continue;
    RegistryWrite write;
    write.hive = fields[1] == "HKCU" ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
    write.key = fields[2];
    write.name = fields[3];
    write.type = fields[4];
    write.value = expandEnvironment(replaceAll(fields[5], "[Self]", selfPath));
    writes.push_back(write);
  }
  return writes;
}

bool readRegistryText(HKEY hive, const std::string& key, const std::string& name, std::string& value) {
  char buffer[4096] = {};
  DWORD size = sizeof(buffer) - 1;
  if (RegGetValueA(hive, key.c_str(), name.empty() ? nullptr : name.c_str(), RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr,
                   buffer, &size) != ERROR_SUCCESS) {
    return false;
  }
  value = buffer;
  return true;
}

bool readRegistryDword(HKEY hive, const std::string& key, const std::string& name, DWORD& value) {
  DWORD size = sizeof(value);
  return RegGetValueA(hive, key.c_str(), name.c_str(), RRF_RT_REG_DWORD, nullptr, &value, &size) == ERROR_SUCCESS;
}

bool registryKeyExists(HKEY hive, const std::string& key) {
  HKEY handle = nullptr;
  if (RegOpenKeyExA(hive, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS) return false;
  RegCloseKey(handle);
  return true;
}

bool msiProductProperty(const std::string& code, const char* property, std::string& value) {
  char buffer[512] = {};
  DWORD size = sizeof(buffer);
  if (MsiGetProductInfoExA(code.c_str(), nullptr, MSIINSTALLCONTEXT_MACHINE, property, buffer, &size) !=
      ERROR_SUCCESS) {
    return false;
  }
  value = buffer;
  return true;
}

UINT removeMsiProduct(const std::string& code) {
  MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
  return MsiConfigureProductA(code.c_str(), INSTALLLEVEL_DEFAULT, INSTALLSTATE_ABSENT);
}

bool fileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool isSameFile(const std::string& a, const std::string& b) {
  WIN32_FILE_ATTRIBUTE_DATA first = {}, second = {};
  if (!GetFileAttributesExA(a.c_str(), GetFileExInfoStandard, &first) ||
      !GetFileAttributesExA(b.c_str(), GetFileExInfoStandard, &second)) {
    return false;
  }
  auto seconds = [](const FILETIME& time) {
    return ((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) / 10000000ULL;
  };
  return seconds(first.ftLastWriteTime) == seconds(second.ftLastWriteTime) &&
         first.nFileSizeHigh == second.nFileSizeHigh && first.nFileSizeLow == second.nFileSizeLow;
}

bool removeTree(const std::string& path) {
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((path + "\\*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      const std::string name = found.cFileName;
      if (name == "." || name == "..") continue;
      const std::string child = path + "\\" + name;
      if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        removeTree(child);
      } else {
        SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(child.c_str());
      }
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  RemoveDirectoryA(path.c_str());
  return !fileExists(path);
}

namespace {

std::string shellFolder(int csidl) {
  char buffer[MAX_PATH] = {};
  SHGetFolderPathA(nullptr, csidl | CSIDL_FLAG_DONT_VERIFY, nullptr, SHGFP_TYPE_CURRENT, buffer);
  return buffer;
}

}  // namespace

std::string systemX86Folder() { return shellFolder(CSIDL_SYSTEMX86); }
std::string documentsFolder() { return shellFolder(CSIDL_PERSONAL); }

bool splitQuotedCommand(const std::string& text, std::string& program, std::string& arguments) {
  if (text.empty() || text[0] != '"') return false;
  const size_t close = text.find('"', 1);
  if (close == std::string::npos || close + 2 > text.size()) return false;
  program = text.substr(1, close - 1);
  arguments = text.substr(close + 2);
  return true;
}

}  // namespace world
