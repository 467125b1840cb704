#include "platform/debug_log.h"

#include <windows.h>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <mutex>

namespace platform {
namespace {

// Workers log too; the mutex keeps lines whole in the file and the capture.
std::mutex& logMutex() {
  static std::mutex m;
  return m;
}

struct Capture {
  bool active = false;
  std::vector<std::string> lines;
};

Capture& capture() {
  static Capture c;
  return c;
}

void appendToLogFile(const char* line) {
  const std::string& path = debugLogFilePath();
  if (path.empty()) return;
  HANDLE file = CreateFileA(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line, static_cast<DWORD>(strlen(line)), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

const std::string& debugLogFilePath() {
  // Found once: every line would otherwise ask for the temporary path again,
  // and the log stays in one place for the whole run.
  static const std::string path = [] {
    char temp[MAX_PATH + 1] = {};
    const DWORD len = GetTempPathA(MAX_PATH, temp);
    if (len == 0 || len > MAX_PATH) return std::string();
    return std::string(temp) + kDebugLogFileName;
  }();
  return path;
}

void debugOutput(const char* line) {
  if (line == nullptr) return;
  OutputDebugStringA(line);
  std::lock_guard<std::mutex> lock(logMutex());
  appendToLogFile(line);
  if (capture().active) capture().lines.emplace_back(line);
}

void debugOutput(const std::string& line) { debugOutput(line.c_str()); }

void debugOutputF(const char* format, ...) {
  va_list args;
  va_start(args, format);
  va_list copy;
  va_copy(copy, args);
  const int needed = vsnprintf(nullptr, 0, format, copy);
  va_end(copy);
  if (needed < 0) {
    va_end(args);
    return;
  }
  std::string text(static_cast<size_t>(needed) + 1, '\0');
  vsnprintf(text.data(), text.size(), format, args);
  va_end(args);
  text.resize(static_cast<size_t>(needed));
  debugOutput(text);
}

namespace debug_capture {

void start() {
  std::lock_guard<std::mutex> lock(logMutex());
  capture().active = true;
  capture().lines.clear();
}

void stop() {
  std::lock_guard<std::mutex> lock(logMutex());
  capture().active = false;
}

void clear() {
  std::lock_guard<std::mutex> lock(logMutex());
  capture().lines.clear();
}

std::vector<std::string> lines() {
  std::lock_guard<std::mutex> lock(logMutex());
  return capture().lines;
}

bool contains(const std::string& line) {
  const auto all = lines();
  return std::find(all.begin(), all.end(), line) != all.end();
}

}  // namespace debug_capture
}  // namespace platform
