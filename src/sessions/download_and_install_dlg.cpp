#include "sessions/download_and_install_dlg.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/folders.h"
#include "platform/ui/control.h"
#include "platform/ui/message_box.h"
#include "platform/ui/progress_bar.h"
#include "resource_ids.h"
#include "sessions/download_session_texts.h"
#include "wizard/controls/component_install_header.h"

using namespace sessions;

namespace {

constexpr int kHeaderHeight = 100;
constexpr DWORD kClosingPauseMs = 100;

std::string formatted(const char* format, const char* text) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, text);
  return buffer;
}

std::string formatted(const char* format, int first, int second) {
  char buffer[128];
  std::snprintf(buffer, sizeof buffer, format, first, second);
  return buffer;
}

}  // namespace

DDownloadAndInstallComponent::DDownloadAndInstallComponent(int index, int count,
                                                           const components::ComponentRow& component,
                                                           bool downloadOnly, bool redownload, bool interactive)
    : ui::Dialog(IDD_DOWNLOAD_AND_INSTALL),
      index_(index),
      count_(count),
      shared_(std::make_shared<DownloadShared>()) {
  job_.name = component.name();
  job_.downloadUrl = component.downloadUrl();
  job_.installArguments = component.installArguments();
  job_.isMsiPackage = component.isMsiPackage();
  job_.paths = downloadPathsFor(component.downloadFolder(), component.fileName());
  job_.downloadOnly = downloadOnly;
  job_.redownload = redownload;
  job_.interactive = interactive;
  app::createFolderPath(component.downloadFolder().c_str());
}

DDownloadAndInstallComponent::~DDownloadAndInstallComponent() {
  worker_.stop();
  // Also after Abort or a stopped worker: a re-download that did not finish
  // must not cost the earlier file.
  if (workerStarted_) restoreBackup();
}

bool DDownloadAndInstallComponent::deleteDownloadedFiles() { return sessions::deleteDownloadedFiles(job_.paths); }

bool DDownloadAndInstallComponent::onInitDialog() {
  ui::Dialog::onInitDialog();
  SetWindowTextA(hwnd(), formatted(job_.downloadOnly ? session_text::kTitleDownloadOnly : session_text::kTitleInstall,
                                   ui::kMessageBoxCaption)
                             .c_str());

  header_.reset();
  header_ = std::make_unique<hnComponentInstallHeader>(
      formatted(job_.downloadOnly ? session_text::kHeaderDownloadOnly : session_text::kHeaderInstall, index_, count_),
      job_.name, IDB_SESSION_BANNER);
  const RECT headerRect{10, 10, 200, 100};
  header_->Create(hwnd(), headerRect, IDC_COMPONENT_INSTALL_HEADER);

  statusText_ = session_text::kDownloading;
  bytesText_.clear();
  installText_.clear();
  progressPosition_ = 0;
  ui::ProgressBar(item(IDC_DOWNLOAD_PROGRESS)).setRange(0, kProgressRange);
  showTexts();

  userAborted_ = false;
  shared_->dialogWindow.store(hwnd());
  const DownloadJob job = job_;
  const std::shared_ptr<DownloadShared> shared = shared_;
  workerStarted_ = worker_.start(*this, [job, shared](ui::WorkerContext& context) {
    runDownloadWorker(context, job, *shared);
  });
  return true;
}

void DDownloadAndInstallComponent::doDataExchange(ui::DataExchange& dx) {
  dx.text(IDC_DOWNLOAD_STATUS_TEXT, statusText_);
  dx.text(IDC_DOWNLOAD_BYTES_TEXT, bytesText_);
  dx.text(IDC_DOWNLOAD_INSTALL_TEXT, installText_);
  dx.progress(IDC_DOWNLOAD_PROGRESS, progressPosition_);
}

void DDownloadAndInstallComponent::showTexts() { updateData(true); }

void DDownloadAndInstallComponent::onCancel() {
  const char* question = job_.downloadOnly ? session_text::kAbortDownloadQuestion : session_text::kAbortInstallQuestion;
  if (ui::messageBox(hwnd(), question, MB_YESNO, ui::kConfirmationCaption) != IDYES) return;
  userAborted_ = true;
  endDialog(IDCANCEL);
}

void DDownloadAndInstallComponent::onTimer(UINT_PTR id) {
  if (id != kInstallCreepTimerId) return;
  progressPosition_ = std::min(progressPosition_ + 1, kProgressRange);
  showTexts();
}

void DDownloadAndInstallComponent::onPaint() {
  if (header_ == nullptr || header_->hwnd() == nullptr) return;
  RECT client{};
  GetClientRect(hwnd(), &client);
  const RECT current = ui::rectInParent(header_->hwnd());
  if (current.left != 0 || current.top != 0 || current.right != client.right || current.bottom != kHeaderHeight) {
    MoveWindow(header_->hwnd(), 0, 0, client.right, kHeaderHeight, TRUE);
  }
}

bool DDownloadAndInstallComponent::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (message != kSessionReportMessage) return false;
  handleReport(static_cast<int>(wParam), lParam);
  result = 0;
  return true;
}

void DDownloadAndInstallComponent::handleReport(int code, LPARAM detail) {
  const long long totalKB = shared_->totalKB.load();
  char text[256];
  switch (code) {
    case session_code::kDownloadStarted:
      std::snprintf(text, sizeof text, session_text::kBytesStarted, totalKB);
      bytesText_ = text;
      showTexts();
      break;
    case session_code::kBytesReceived: {
      const char* receivedText = reinterpret_cast<const char*>(detail);
      const long long receivedKB = receivedText != nullptr ? std::strtoll(receivedText, nullptr, 10) : 0;
      std::snprintf(text, sizeof text, session_text::kBytesProgress, receivedKB, totalKB);
      bytesText_ = text;
      // Without an announced size the bar stays where it is.
      if (totalKB > 0) {
        progressPosition_ = static_cast<int>(std::clamp<long long>(receivedKB * kProgressRange / totalKB, 0,
                                                                    kProgressRange));
      }
      showTexts();
      break;
    }
    case session_code::kDownloadCompleted:
      statusText_ = session_text::kDownloadCompleted;
      bytesText_.clear();
      if (job_.downloadOnly) {
        showTexts();
        restoreBackup();
        Sleep(kClosingPauseMs);
        endDialog(IDOK);
      } else {
        installText_ = session_text::kInstalling;
        progressPosition_ = 0;
        showTexts();
        restoreBackup();
        setTimer(kInstallCreepTimerId, kInstallCreepTimerMs);
      }
      break;
    case session_code::kSessionFailed:
      restoreBackup();
      statusText_ = job_.downloadOnly ? session_text::kDownloadFailedDownloadOnly : session_text::kDownloadFailedInstall;
      bytesText_.clear();
      installText_.clear();
      progressPosition_ = kProgressRange;
      showTexts();
      killTimer(kInstallCreepTimerId);
      Sleep(kClosingPauseMs);
      endDialog(IDCANCEL);
      break;
    case session_code::kInstallationCompleted:
      installText_ = session_text::kInstallationCompleted;
      progressPosition_ = kProgressRange;
      showTexts();
      killTimer(kInstallCreepTimerId);
      Sleep(kClosingPauseMs);
      endDialog(IDOK);
      break;
    case session_code::kInstallationFailed:
      installText_ = session_text::kInstallationFailed;
      progressPosition_ = 0;
      showTexts();
      killTimer(kInstallCreepTimerId);
      break;
    default:
      break;
  }
}

void DDownloadAndInstallComponent::restoreBackup() { sessions::restoreBackup(job_.paths); }
