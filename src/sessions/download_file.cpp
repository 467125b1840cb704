#include "sessions/download_file.h"

#include "app/folders.h"
#include "sessions/download_paths.h"
#include "sessions/http_download.h"

namespace sessions {

namespace {

int resultOfFailure(const TransferResult& failure) {
  using namespace download_file_result;
  switch (failure.kind) {
    case TransferResult::Kind::Stopped:
      return kStopped;
    case TransferResult::Kind::InternetError:
      return kInternetError;
    case TransferResult::Kind::ServerError:
      if (failure.code >= 1) return kHttpError;
      if (failure.code == transfer_code::kInvalidUrl) return kInvalidUrl;
      if (failure.code == transfer_code::kNotHttp) return kNotHttp;
      if (failure.code == transfer_code::kLoginRejected) return kLoginRejected;
      if (failure.code == transfer_code::kRedirection) return kRedirection;
      return kOtherFailure;
    default:
      return kOtherFailure;
  }
}

}  // namespace

int downloadFile(const std::string& folder, const std::string& fileName, const std::atomic<bool>& stopFlag,
                 const std::string& url) {
  return downloadFile(folder, fileName, std::function<bool()>([&stopFlag] { return stopFlag.load(); }), url);
}

int downloadFile(const std::string& folder, const std::string& fileName, const std::function<bool()>& stopRequested,
                 const std::string& url) {
  using namespace download_file_result;
  const DownloadPaths paths = downloadPathsFor(folder, fileName);
  if (paths.tempPath.size() > kMaxDownloadPathLength) return kPathTooLong;
  moveReplacing(paths.backupPath, paths.finalPath);
  if (app::pathExists(paths.finalPath)) deleteFileForcibly(paths.finalPath);
  // A file that could not be set aside is used as it is.
  if (app::pathExists(paths.finalPath)) return kDownloaded;
  if (stopRequested && stopRequested()) return kStopped;

  HttpDownload download(stopRequested, /*allowCredentialsPrompt=*/false);
  const TransferResult transfer = download.fetch(url, paths.tempPath, {});
  if (transfer.kind != TransferResult::Kind::Completed) return resultOfFailure(transfer);
  if (stopRequested && stopRequested()) return kStopped;
  if (!moveReplacing(paths.finalPath, paths.tempPath)) return kUnableToMove;
  return kDownloaded;
}

}  // namespace sessions
