#pragma once
// The silent download: one file fetched into a folder without any window,
// for the background check for a newer installer. The file always replaces
// an earlier one: that one is first set aside under the "bk" suffix and left
// there, so the caller keeps a copy whatever the fetch gives.

#include <atomic>
#include <functional>
#include <string>

namespace sessions {

namespace download_file_result {
inline constexpr int kDownloaded = 1;
inline constexpr int kPathTooLong = -2004;
inline constexpr int kStopped = -2005;
inline constexpr int kInvalidUrl = -3001;
inline constexpr int kNotHttp = -3002;
inline constexpr int kLoginRejected = -3003;
inline constexpr int kRedirection = -3004;
inline constexpr int kUnableToMove = -3006;
inline constexpr int kInternetError = -3007;
inline constexpr int kHttpError = -3008;
inline constexpr int kOtherFailure = 0;
}  // namespace download_file_result

// Fetches `url` into "<folder>\<fileName>". `stopFlag` belongs to the caller
// and is read between the steps and after every block. Returns a
// download_file_result code.
int downloadFile(const std::string& folder, const std::string& fileName, const std::atomic<bool>& stopFlag,
                 const std::string& url);

// The same with any stop check (a worker's stop byte, for example).
int downloadFile(const std::string& folder, const std::string& fileName, const std::function<bool()>& stopRequested,
                 const std::string& url);

}  // namespace sessions
