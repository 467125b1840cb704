#pragma once
// The sessions' tests against the run's file server: a scratch folder inside
// the served tree per test, faults set on the server, the request lines it
// saw, rows pointing at served files, and a window that records what a
// session's worker reports.

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "components/component_row.h"
#include "support/waiting.h"

namespace sessiontest {

// "http://127.0.0.1:<port>" of the run's server.
std::string serverAddress();

// A fresh folder below the served tree ("/zephrion/files/_session_tests/<name>/")
// and a fresh local download folder for the same test.
class ServedFolder {
 public:
  explicit ServedFolder(const std::string& name);

  bool ok() const { return !windowsFolder_.empty() && !downloadFolder_.empty(); }
  // Serves `bytes` as `fileName`; returns its address.
  std::string serve(const std::string& fileName, const std::string& bytes);
  // Serves a copy of an existing Windows file as `fileName`.
  std::string serveCopyOf(const std::string& fileName, const std::string& windowsPath);
  std::string serverPath(const std::string& fileName) const { return serverFolder_ + fileName; }
  std::string url(const std::string& fileName) const { return serverAddress() + serverPath(fileName); }
  // The local download folder (not yet created).
  const std::string& downloadFolder() const { return downloadFolder_; }

 private:
  std::string serverFolder_;
  std::string windowsFolder_;
  std::string downloadFolder_;
};

// GET /_fault?path=<serverPath>&<query>; true when the server took it.
bool setFault(const std::string& serverPath, const std::string& query);
// How many requests for `serverPath` the server has seen so far.
int requestCount(const std::string& serverPath);

components::ComponentRow makeRow(const std::string& url, const std::string& fileName, const std::string& folder,
                                 const std::string& installArguments = {}, bool isMsiPackage = false);

// What a worker sent: the code and, for code 101, its text.
using Reports = std::vector<std::pair<int, std::string>>;

// A hidden window on the calling thread that records the session codes.
class ReportRecorder {
 public:
  ReportRecorder();
  ~ReportRecorder();
  HWND hwnd() const { return window_; }
  const Reports& reports() const;
  std::vector<int> codes() const;

 private:
  HWND window_ = nullptr;
};

using testsupport::pumpUntil;

}  // namespace sessiontest
