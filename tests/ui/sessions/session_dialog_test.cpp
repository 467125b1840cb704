// The download-and-install dialog against the run's file server: what it
// shows, what it leaves in the download folder, its error dialog, Abort and
// the install step's command lines (through the stub programs' log).
#include <gtest/gtest.h>

#include <windows.h>
#include <wininet.h>

#include <functional>
#include <string>
#include <thread>

#include "app/folders.h"
#include "platform/ui/message_box.h"
#include "platform/ui/worker.h"
#include "resource_ids.h"
#include "sessions/download_and_install_dlg.h"
#include "sessions/download_paths.h"
#include "sessions/http_download.h"
#include "support/process.h"
#include "support/test_files.h"
#include "support/ui_automation.h"
#include "support/unix_side.h"
#include "ui/sessions/session_world.h"

namespace {

using sessiontest::ServedFolder;

constexpr const char* kDownloadCaption =
    "Zephrion Vision Software XII 760 Installer - Download Component Installables";
constexpr const char* kInstallCaption = "Zephrion Vision Software XII 760 Installer - Download and Install Components";

struct Options {
  bool downloadOnly = true;
  bool redownload = false;
  bool interactive = false;
};

struct Outcome {
  INT_PTR result = -1;
  bool userAborted = false;
  ULONGLONG elapsedMs = 0;
  ULONGLONG endedAt = 0;
  // What the status line showed when the dialog closed.
  std::string lastStatus;
};

// The session dialog, remembering its status line as it closes (a
// download-only session that finds its file closes too soon to be read from
// another thread).
class ObservedSession : public DDownloadAndInstallComponent {
 public:
  using DDownloadAndInstallComponent::DDownloadAndInstallComponent;
  std::string lastStatus;

 protected:
  void onDestroy() override {
    lastStatus = itemText(IDC_DOWNLOAD_STATUS_TEXT);
    DDownloadAndInstallComponent::onDestroy();
  }
};

// Runs the session on this thread while `observe` drives it from another.
Outcome runSession(const components::ComponentRow& row, Options options,
                   const std::function<void()>& observe = nullptr) {
  Outcome outcome;
  std::thread observer;
  if (observe) observer = std::thread(observe);
  const ULONGLONG started = GetTickCount64();
  {
    ObservedSession session(1, 1, row, options.downloadOnly, options.redownload, options.interactive);
    outcome.result = session.doModal(nullptr);
    outcome.userAborted = session.userAborted();
    outcome.lastStatus = session.lastStatus;
  }
  outcome.endedAt = GetTickCount64();
  outcome.elapsedMs = outcome.endedAt - started;
  if (observer.joinable()) observer.join();
  return outcome;
}

HWND waitForOwnWindow(const std::string& caption, DWORD timeoutMs = 15000) {
  return testsupport::waitForWindow(caption, timeoutMs, GetCurrentProcessId());
}

class SessionDialogTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(served_.ok()); }

  sessions::DownloadPaths pathsOf(const std::string& fileName) const {
    return sessions::downloadPathsFor(served_.downloadFolder(), fileName);
  }

  ServedFolder served_{testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(SessionDialogTest, PresentFileWithoutRedownloadEndsAtOnceWithoutARequest) {
  served_.serve("present.bin", "server bytes");
  CreateDirectoryA(served_.downloadFolder().c_str(), nullptr);
  testsupport::writeFile(pathsOf("present.bin").finalPath, "cached bytes");
  const Outcome outcome =
      runSession(sessiontest::makeRow(served_.url("present.bin"), "present.bin", served_.downloadFolder()), {});
  EXPECT_EQ(outcome.result, IDOK);
  EXPECT_LT(outcome.elapsedMs, 3000u);
  EXPECT_EQ(outcome.lastStatus, "Download completed");
  EXPECT_EQ(sessiontest::requestCount(served_.serverPath("present.bin")), 0);
  EXPECT_EQ(testsupport::readFile(pathsOf("present.bin").finalPath), "cached bytes");
}

TEST_F(SessionDialogTest, RedownloadReplacesOnSuccessAndKeepsTheEarlierFileOnFailure) {
  CreateDirectoryA(served_.downloadFolder().c_str(), nullptr);
  const auto paths = pathsOf("again.bin");
  const auto row = sessiontest::makeRow(served_.serve("again.bin", "fresh bytes"), "again.bin", served_.downloadFolder());
  Options redownload;
  redownload.redownload = true;

  testsupport::writeFile(paths.finalPath, "earlier bytes");
  ASSERT_TRUE(sessiontest::setFault(served_.serverPath("again.bin"), "kind=status&code=500&count=1"));
  EXPECT_EQ(runSession(row, redownload).result, IDCANCEL);
  EXPECT_EQ(testsupport::readFile(paths.finalPath), "earlier bytes");
  EXPECT_FALSE(app::pathExists(paths.backupPath));

  EXPECT_EQ(runSession(row, redownload).result, IDOK);
  EXPECT_EQ(testsupport::readFile(paths.finalPath), "fresh bytes");
  EXPECT_FALSE(app::pathExists(paths.backupPath));
  EXPECT_FALSE(app::pathExists(paths.tempPath));
}

TEST_F(SessionDialogTest, ShowsItsCaptionTextsAndTheAnnouncedSize) {
  const std::string url = served_.serve("small.bin", std::string(1536, 'k'));
  ASSERT_TRUE(sessiontest::setFault(served_.serverPath("small.bin"), "kind=slow&delay_ms=800&chunk=512&count=1"));
  std::string status;
  std::string bytes;
  const Outcome outcome = runSession(sessiontest::makeRow(url, "small.bin", served_.downloadFolder()), {}, [&] {
    HWND dialog = waitForOwnWindow(kDownloadCaption);
    if (dialog == nullptr) return;
    Sleep(600);
    status = testsupport::windowText(GetDlgItem(dialog, IDC_DOWNLOAD_STATUS_TEXT));
    bytes = testsupport::windowText(GetDlgItem(dialog, IDC_DOWNLOAD_BYTES_TEXT));
  });
  EXPECT_EQ(outcome.result, IDOK);
  EXPECT_EQ(status, "Downloading component... Please wait...");
  EXPECT_EQ(bytes, "Downloaded 0 KB from 1 KB");
  EXPECT_EQ(testsupport::readFile(pathsOf("small.bin").finalPath), std::string(1536, 'k'));
}

TEST_F(SessionDialogTest, ErrorDialogTellsWhyWithTheUrl) {
  struct Case {
    const char* name;
    const char* fault;
    std::string expected;
  };
  const Case cases[] = {
      {"not_found.bin", "kind=status&code=404&count=1",
       "Error. Unable to download file - Server responded with HTTP error - 404"},
      {"moved.bin", "kind=redirect&code=302&count=1", "Error. Unable to download file - Error - Server Redirection"},
      {"cut.bin", "kind=truncate&bytes=5000&count=1", "Error. Unable to download file - Unexpected error"},
      {"unreachable.bin", nullptr,
       "Error. Unable to download file - " + sessions::internetErrorText(ERROR_INTERNET_CANNOT_CONNECT)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string url;
    if (c.fault != nullptr) {
      url = served_.serve(c.name, std::string(20000, 'e'));
      ASSERT_TRUE(sessiontest::setFault(served_.serverPath(c.name), c.fault));
    } else {
      // Nothing listens on port 1.
      url = std::string("http://127.0.0.1:1/zephrion/files/") + c.name;
    }
    Options interactive;
    interactive.interactive = true;
    std::string text;
    std::string shownUrl;
    const Outcome outcome = runSession(sessiontest::makeRow(url, c.name, served_.downloadFolder()), interactive, [&] {
      HWND error = waitForOwnWindow("Download Error", 40000);
      if (error == nullptr) return;
      text = testsupport::windowText(GetDlgItem(error, IDC_DOWNLOAD_ERROR_TEXT));
      shownUrl = testsupport::windowText(GetDlgItem(error, IDC_DOWNLOAD_ERROR_URL));
      testsupport::clickControl(error, IDCANCEL);
    });
    EXPECT_EQ(outcome.result, IDCANCEL);
    EXPECT_FALSE(outcome.userAborted);
    EXPECT_EQ(text, c.expected);
    EXPECT_EQ(shownUrl, url);
    EXPECT_FALSE(app::pathExists(pathsOf(c.name).finalPath));
  }
}

TEST_F(SessionDialogTest, AbortAsksAndOnlyYesEndsTheSessionAlsoWhileTheServerStalls) {
  const std::string url = served_.serve("stalled.bin", std::string(600000, 'w'));
  ASSERT_TRUE(sessiontest::setFault(served_.serverPath("stalled.bin"), "kind=slow&delay_ms=60000&chunk=150000&count=1"));
  std::string question;
  bool stillOpenAfterNo = false;
  ULONGLONG yesPressedAt = 0;
  const Outcome outcome = runSession(sessiontest::makeRow(url, "stalled.bin", served_.downloadFolder()), {}, [&] {
    HWND dialog = waitForOwnWindow(kDownloadCaption);
    if (dialog == nullptr) return;
    Sleep(500);
    testsupport::clickControl(dialog, IDCANCEL);
    HWND box = testsupport::waitForMessageBox("Confirmation", 10000, GetCurrentProcessId());
    if (box == nullptr) return;
    question = testsupport::messageBoxText(box);
    testsupport::pressMessageBoxButton(box, IDNO);
    Sleep(700);
    stillOpenAfterNo = IsWindow(dialog) && IsWindowVisible(dialog);
    testsupport::clickControl(dialog, IDCANCEL);
    box = testsupport::waitForMessageBox("Confirmation", 10000, GetCurrentProcessId());
    if (box == nullptr) return;
    yesPressedAt = GetTickCount64();
    testsupport::pressMessageBoxButton(box, IDYES);
  });
  EXPECT_EQ(question, "Do you want to abort download of the selected components?");
  EXPECT_TRUE(stillOpenAfterNo);
  EXPECT_EQ(outcome.result, IDCANCEL);
  EXPECT_TRUE(outcome.userAborted);
  ASSERT_NE(yesPressedAt, 0u);
  EXPECT_LT(outcome.endedAt - yesPressedAt, 5000u) << "the stalled worker held the session";
  EXPECT_EQ(ui::Worker::detachedCount(), 0) << "the worker had to be left running";
  EXPECT_FALSE(app::pathExists(pathsOf("stalled.bin").finalPath));
}

TEST_F(SessionDialogTest, AFileThatCannotBeMovedIntoPlaceEndsTheInstallSession) {
  const std::string url = served_.serve("blocked.exe", std::string(60000, 'b'));
  ASSERT_TRUE(sessiontest::setFault(served_.serverPath("blocked.exe"), "kind=slow&delay_ms=300&chunk=10000&count=1"));
  const std::string finalPath = pathsOf("blocked.exe").finalPath;
  Options install;
  install.downloadOnly = false;
  install.interactive = true;
  std::string message;
  const Outcome outcome =
      runSession(sessiontest::makeRow(url, "blocked.exe", served_.downloadFolder(), " /q"), install, [&] {
        if (waitForOwnWindow(kInstallCaption) == nullptr) return;
        // A folder of the file's name takes its place while it is received.
        CreateDirectoryA(finalPath.c_str(), nullptr);
        HWND box = testsupport::waitForMessageBox(ui::kMessageBoxCaption, 20000, GetCurrentProcessId());
        if (box == nullptr) return;
        message = testsupport::messageBoxText(box);
        testsupport::pressMessageBoxButton(box, IDOK);
      });
  EXPECT_EQ(message, "Error. Unable to process the downloaded file");
  EXPECT_EQ(outcome.result, IDCANCEL) << "the session must end by itself, not wait as if installing";
  EXPECT_FALSE(outcome.userAborted);
}

TEST_F(SessionDialogTest, LoginPromptGetsOneRetry) {
  const std::string url = served_.serve("guarded.bin", "behind a login");
  Options interactive;
  interactive.interactive = true;
  struct Case {
    bool answer;
    INT_PTR result;
  };
  for (const Case c : {Case{false, IDCANCEL}, Case{true, IDOK}}) {
    SCOPED_TRACE(c.answer);
    ASSERT_TRUE(sessiontest::setFault(served_.serverPath("guarded.bin"), "kind=auth&count=2"));
    std::string error;
    bool prompted = false;
    const Outcome outcome = runSession(sessiontest::makeRow(url, "guarded.bin", served_.downloadFolder()), interactive, [&] {
      // The system's own credentials prompt; its caption is the system's.
      HWND prompt = nullptr;
      const ULONGLONG deadline = GetTickCount64() + 15000;
      while (prompt == nullptr && GetTickCount64() < deadline) {
        for (HWND window = GetTopWindow(nullptr); window != nullptr; window = GetNextWindow(window, GW_HWNDNEXT)) {
          DWORD pid = 0;
          GetWindowThreadProcessId(window, &pid);
          if (pid != GetCurrentProcessId() || !IsWindowVisible(window)) continue;
          const std::string caption = testsupport::windowText(window);
          if (caption.find("Download") != std::string::npos || caption.empty()) continue;
          prompt = window;
          break;
        }
        if (prompt == nullptr) Sleep(50);
      }
      if (prompt == nullptr) return;
      prompted = true;
      if (c.answer) {
        int edits = 0;
        for (HWND child : testsupport::childWindows(prompt)) {
          if (testsupport::className(child) != "Edit") continue;
          testsupport::setWindowText(child, edits++ == 0 ? "operator" : "secret");
        }
        testsupport::clickControl(prompt, IDOK);
      } else {
        testsupport::clickControl(prompt, IDCANCEL);
        HWND shown = waitForOwnWindow("Download Error");
        if (shown == nullptr) return;
        error = testsupport::windowText(GetDlgItem(shown, IDC_DOWNLOAD_ERROR_TEXT));
        testsupport::clickControl(shown, IDCANCEL);
      }
    });
    EXPECT_TRUE(prompted);
    EXPECT_EQ(outcome.result, c.result);
    if (c.answer) {
      EXPECT_EQ(testsupport::readFile(pathsOf("guarded.bin").finalPath), "behind a login");
    } else {
      EXPECT_EQ(error, "Error. Unable to download file - Error - Login rejected by the server");
    }
  }
}

class InstallStepTest : public SessionDialogTest {
 protected:
  void SetUp() override {
    SessionDialogTest::SetUp();
    const std::string sandbox = testsupport::freshUnixSandbox("session_stub_log");
    ASSERT_FALSE(sandbox.empty());
    log_ = testsupport::toWindowsPath(sandbox) + "\\stubs.log";
    SetEnvironmentVariableA("ZEPHRION_STUB_LOG", log_.c_str());
    // The stub stays a moment, so the installing dialog can be seen.
    SetEnvironmentVariableA("ZEPHRION_STUB_LINGER_MS", "1500");
  }
  void TearDown() override {
    SetEnvironmentVariableA("ZEPHRION_STUB_LOG", nullptr);
    SetEnvironmentVariableA("ZEPHRION_STUB_LINGER_MS", nullptr);
  }

  std::string log_;
};

TEST_F(InstallStepTest, SetupProgramsGetTheirArgumentsAsTheWholeCommandLine) {
  const std::string logger = testsupport::toWindowsPath(SESSION_LOGGER_STUB);
  struct Case {
    const char* fileName;
    const char* arguments;
  };
  const Case cases[] = {{"setup_switches.exe", " /q:a "}, {"setup_full_path.exe", "CopyEXEFullPath"}};
  Options install;
  install.downloadOnly = false;
  std::string expectedLog;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fileName);
    const std::string url = served_.serveCopyOf(c.fileName, logger);
    std::string caption;
    const Outcome outcome =
        runSession(sessiontest::makeRow(url, c.fileName, served_.downloadFolder(), c.arguments), install, [&] {
          if (waitForOwnWindow(kInstallCaption, 10000) != nullptr) caption = kInstallCaption;
        });
    EXPECT_EQ(outcome.result, IDOK);
    EXPECT_EQ(caption, kInstallCaption);
    const std::string shown = std::string(c.arguments) == "CopyEXEFullPath" ? pathsOf(c.fileName).finalPath
                                                                            : std::string(c.arguments);
    expectedLog += std::string(c.fileName) + "|" + shown + "\r\n";
  }
  EXPECT_EQ(testsupport::readFile(log_), expectedLog);
}

}  // namespace
