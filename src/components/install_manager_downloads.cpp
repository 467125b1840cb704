// Download-only runs and the deletion of old downloads. The download folder
// is a cache: a file already there counts as downloaded and is not fetched
// again; deleting the old downloads is how a fresh copy is forced.

#include <cstdio>
#include <numeric>
#include <vector>

#include "app/folders.h"
#include "components/install_manager.h"
#include "components/install_manager_messages.h"
#include "components/status_texts.h"

namespace components {

namespace {

// A summary text with the data folder, formatted into the summaries'
// fixed-size buffer (a longer folder is cut, never overrun).
std::string summaryText(const char* format) {
  char buffer[manager_messages::kSummaryBufferSize];
  std::snprintf(buffer, sizeof buffer, format, app::dataFolderPath().c_str());
  return buffer;
}

std::string downloadErrorText(const ComponentRow& row) {
  const std::string& fileName = row.fileName();
  std::vector<char> buffer(fileName.size() + 64);
  std::snprintf(buffer.data(), buffer.size(), manager_messages::kDownloadErrorFormat, fileName.c_str());
  return buffer.data();
}

}  // namespace

int hnInstallManagerBase::downloadAll(bool showSummary, bool& ignoreErrors) {
  std::vector<std::uint32_t> indexes(rows_.size());
  std::iota(indexes.begin(), indexes.end(), 0u);
  return downloadSelected(indexes.data(), rowCount(), showSummary, ignoreErrors);
}

int hnInstallManagerBase::downloadSelected(const std::uint32_t* indexes, std::uint32_t count, bool showSummary,
                                           bool& ignoreErrors) {
  if (!areIndexes(indexes, count)) return -1;
  markPendingChosen(std::span<const std::uint32_t>(indexes, count));
  for (std::uint32_t k = 0; k < count; ++k) {
    if (downloadOneRow(indexes[k], ignoreErrors) < 1) return -1;
  }
  if (showSummary) showMessage(summaryText(manager_messages::kDownloadSummaryFormat));
  return 1;
}

int hnInstallManagerBase::downloadOneRow(std::uint32_t index, bool& ignoreErrors) {
  ComponentRow& current = *rows_[index];
  for (;;) {
    current.setProgressText(progress::kDownloading);
    if (app::fileExists(downloadedFilePath(current).c_str())) {
      current.setProgressText(progress::kDownloaded);
      return 1;
    }
    DownloadSessionOptions options;
    options.downloadOnly = true;
    options.redownload = false;
    options.interactive = true;
    options.owner = owner_;
    const DownloadSessionResult session = sessions_.downloadAndInstall(current, options);
    if (session.completed()) {
      current.setProgressText(progress::kDownloaded);
      return 1;
    }
    current.setProgressText(progress::kDownloadError);

    if (ignoreErrors) return 1;
    if (session.userAborted) return -1;
    switch (sessions_.askAfterDownloadError(downloadErrorText(current), owner_)) {
      case DownloadErrorChoice::Retry:
        continue;
      case DownloadErrorChoice::Ignore:
        return 1;
      case DownloadErrorChoice::IgnoreAll:
        ignoreErrors = true;
        return 1;
      case DownloadErrorChoice::Abort:
        break;
    }
    return -1;
  }
}

int hnInstallManagerBase::deleteOldDownloads(bool onlyRefreshable, bool showSummary) {
  for (const auto& current : rows_) {
    if (onlyRefreshable && !current->refreshOnDownload()) continue;
    if (!sessions_.deleteDownloadedFiles(*current)) {
      showMessage(std::string(manager_messages::kDeleteErrorPrefix) + current->name() +
                  std::string(manager_messages::kDeleteErrorSuffix));
      return -1;
    }
  }
  if (showSummary) showMessage(summaryText(manager_messages::kDeleteSummaryFormat));
  return 1;
}

}  // namespace components
