#include "ui/sessions/session_world.h"

#include <wininet.h>

#include <fstream>

#include "app/folders.h"
#include "sessions/download_session_texts.h"
#include "support/process.h"
#include "support/test_files.h"
#include "support/unix_side.h"

namespace sessiontest {

namespace {

std::string httpGet(const std::string& url) {
  std::string body;
  HINTERNET session = InternetOpenA("session tests", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  if (session == nullptr) return body;
  HINTERNET request = InternetOpenUrlA(session, url.c_str(), nullptr, 0,
                                       INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE, 0);
  if (request != nullptr) {
    char buffer[65536];
    DWORD read = 0;
    while (InternetReadFile(request, buffer, sizeof buffer, &read) && read > 0) body.append(buffer, read);
    InternetCloseHandle(request);
  }
  InternetCloseHandle(session);
  return body;
}

Reports& recorded() {
  static Reports reports;
  return reports;
}

LRESULT CALLBACK recorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == sessions::kSessionReportMessage) {
    const auto* text = reinterpret_cast<const char*>(lParam);
    recorded().emplace_back(static_cast<int>(wParam), text != nullptr ? text : "");
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

std::string serverAddress() {
  // The run's server keeps its address for the whole run.
  static const std::string address = [] {
    std::ifstream in(testsupport::toWindowsPath(SESSION_FILE_SERVER_ADDRESS_FILE));
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\r' || line.back() == ' ')) line.pop_back();
    return line;
  }();
  return address;
}

ServedFolder::ServedFolder(const std::string& name) {
  serverFolder_ = "/zephrion/files/_session_tests/" + name + "/";
  const std::string unixFolder = std::string(SESSION_WORLD_DIR) + "/root" + serverFolder_;
  testsupport::runUnixCommand("/bin/rm -rf " + unixFolder);
  testsupport::runUnixCommand("/bin/mkdir -p " + unixFolder);
  windowsFolder_ = testsupport::toWindowsPath(unixFolder);
  const std::string sandbox = testsupport::freshUnixSandbox("session_" + name);
  if (!sandbox.empty()) downloadFolder_ = testsupport::toWindowsPath(sandbox) + "\\download";
  if (!app::folderExists(windowsFolder_.c_str())) windowsFolder_.clear();
}

std::string ServedFolder::serve(const std::string& fileName, const std::string& bytes) {
  testsupport::writeFile(windowsFolder_ + fileName, bytes);
  return url(fileName);
}

std::string ServedFolder::serveCopyOf(const std::string& fileName, const std::string& windowsPath) {
  CopyFileA(windowsPath.c_str(), (windowsFolder_ + fileName).c_str(), FALSE);
  return url(fileName);
}

bool setFault(const std::string& serverPath, const std::string& query) {
  const std::string answer = httpGet(serverAddress() + "/_fault?path=" + serverPath + "&" + query);
  return answer.rfind("fault set", 0) == 0;
}

int requestCount(const std::string& serverPath) {
  const std::string lines = httpGet(serverAddress() + "/_requests");
  int count = 0;
  for (size_t at = lines.find("GET " + serverPath + " "); at != std::string::npos;
       at = lines.find("GET " + serverPath + " ", at + 1)) {
    ++count;
  }
  return count;
}

components::ComponentRow makeRow(const std::string& url, const std::string& fileName, const std::string& folder,
                                 const std::string& installArguments, bool isMsiPackage) {
  return components::ComponentRow("Session Test Component", url, fileName, installArguments, folder, isMsiPackage, 0,
                                  false, components::RowCells{}, "Session tests");
}

ReportRecorder::ReportRecorder() {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = recorderProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "SessionReportRecorder";
  RegisterClassA(&windowClass);
  recorded().clear();
  window_ = CreateWindowA("SessionReportRecorder", "", 0, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleA(nullptr),
                          nullptr);
}

ReportRecorder::~ReportRecorder() {
  if (window_ != nullptr) DestroyWindow(window_);
}

const Reports& ReportRecorder::reports() const { return recorded(); }

std::vector<int> ReportRecorder::codes() const {
  std::vector<int> codes;
  for (const auto& report : recorded()) codes.push_back(report.first);
  return codes;
}

}  // namespace sessiontest
