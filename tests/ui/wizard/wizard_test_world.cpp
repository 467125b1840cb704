#include "wizard_test_world.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "components/status_texts.h"
#include "platform/ui/worker.h"
#include "python/python_selections.h"
#include "support/process.h"
#include "support/ui_automation.h"
#include "support/unix_side.h"
#include "wizard/property_page_base.h"

namespace wizardtest {

bool FakeOperations::detectComponent(const components::ComponentRow& row) {
  ++detectCount;
  return present.count(row.name()) != 0;
}

bool FakeOperations::verifyComponent(components::ComponentRow& row) {
  row.setStatusText(components::status::kInstalled);
  return true;
}

components::DownloadSessionResult FakeSessions::downloadAndInstall(const components::ComponentRow& row,
                                                                   const components::DownloadSessionOptions&) {
  if (onDownload) return onDownload(row);
  components::DownloadSessionResult result;
  result.dialogResult = IDOK;
  return result;
}

void ScriptedUpgradeChecker::checkForUpgrade(InstallerUpgradeInfo& channel, ui::WorkerContext&) {
  ++checks;
  // Stuck where a stop request cannot reach it.
  while (hang) Sleep(100);
  channel.state = announce ? 2 : 1;
}

World::World(const char* pythonSelection)
    : services{operations, sessions, probes, pythonSteps, nullptr, release, beta, "C:\\zephrion-wizard-test",
               true, &downloadedInstallerPath, &downloadedInstallerFileName} {
  const std::string unixRoot = testsupport::freshUnixSandbox("wizard");
  EXPECT_FALSE(unixRoot.empty());
  documents_ = std::make_unique<testsupport::ScratchDocuments>(testsupport::toWindowsPath(unixRoot) + "\\Docs");
  if (pythonSelection != nullptr) {
    EXPECT_EQ(python::setPythonVersionSelection(pythonSelection), 1);
  }
}

World::~World() = default;

bool TestSheet::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message == testsupport::kInvokeMessage) {
    (*reinterpret_cast<const std::function<void()>*>(lParam))();
    result = 1;
    return true;
  }
  return zpDLumenixSDKInstallerSheet::onMessage(message, wParam, lParam, result);
}

std::vector<std::string> sequenceKeys(const zpDLumenixSDKInstallerSheet& sheet) {
  std::vector<std::string> keys;
  for (int i = 0; i < sheet.pageCount(); ++i) keys.push_back(sheet.sequencePage(i)->uiDlgName);
  return keys;
}

RunningSheet::RunningSheet(TestSheet& sheet) : sheet_(sheet) {
  thread_ = std::thread([this] {
    sheet_.doModal();
    done_ = true;
  });
}

RunningSheet::~RunningSheet() {
  HWND running = window_ != nullptr ? window_ : sheet_.hwnd();
  if (!done_ && running != nullptr) testsupport::clickControl(running, IDCANCEL);
  if (!waitUntil([this] { return done_.load(); }, 20000)) {
    // Joining a wizard that never ends would hang the whole run.
    ADD_FAILURE() << "the wizard did not end";
    std::fflush(stdout);
    TerminateProcess(GetCurrentProcess(), 3);
  }
  if (thread_.joinable()) thread_.join();
}

bool RunningSheet::waitUntilShown() {
  if (!waitUntil([this] { return sheet_.hwnd() != nullptr && IsWindowVisible(sheet_.hwnd()); }, 15000)) return false;
  window_ = sheet_.hwnd();
  return true;
}

bool RunningSheet::invoke(const std::function<void()>& function) { return testsupport::invokeOn(window_, function); }

bool RunningSheet::click(int id) { return testsupport::clickControl(window_, id); }

bool RunningSheet::waitForCaption(const std::string& caption, DWORD timeoutMs) {
  return waitUntil([&] { return testsupport::windowText(window_) == caption; }, timeoutMs);
}

std::string RunningSheet::activeKey() {
  std::string key;
  invoke([&] {
    const zpDPropertyPageBase* page = sheet_.sequencePage(sheet_.activeIndex());
    key = page != nullptr ? page->uiDlgName : "";
  });
  return key;
}

int RunningSheet::activeIndex() {
  int index = -2;
  invoke([&] { index = sheet_.activeIndex(); });
  return index;
}

bool RunningSheet::waitForEnd(DWORD timeoutMs) {
  return waitUntil([this] { return done_.load(); }, timeoutMs);
}

}  // namespace wizardtest
