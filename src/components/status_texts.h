#pragma once
// The texts a page shows for each component row: its status (what detection
// found on the computer) and its progress (where the row stands in the
// running operation). Statuses are compared exactly, letter case included,
// so every writer and reader uses these constants.

#include <array>
#include <string_view>

namespace components::status {

// Status column.
inline constexpr std::string_view kInstalled = "Installed";
inline constexpr std::string_view kNotInstalled = "Not Installed";
// The error statuses: present, but not in a usable state.
inline constexpr std::string_view kReinstallNeeded = "Reinstall Needed";
inline constexpr std::string_view kVersionMismatch = "Version Mismatch";
inline constexpr std::string_view kMultipleVersions = "Multiple Versions";
inline constexpr std::string_view kIncompleteModule = "Incomplete Module";

inline constexpr std::array<std::string_view, 4> kErrorStatuses = {
    kReinstallNeeded,
    kVersionMismatch,
    kMultipleVersions,
    kIncompleteModule,
};

// True when `statusText` is one of the error statuses (exact comparison).
constexpr bool isErrorStatus(std::string_view statusText) {
  for (std::string_view error : kErrorStatuses) {
    if (statusText == error) return true;
  }
  return false;
}

}  // namespace components::status

namespace components::progress {

// Progress column. The empty text marks a row outside the running operation.
inline constexpr std::string_view kNone = "";
inline constexpr std::string_view kPending = "Pending";
inline constexpr std::string_view kInstalling = "Installing...";
inline constexpr std::string_view kUninstalling = "Uninstalling...";
inline constexpr std::string_view kDownloading = "Downloading...";
inline constexpr std::string_view kOk = "Ok";
inline constexpr std::string_view kFailed = "Failed";
inline constexpr std::string_view kUninstallError = "Uninstall Error";
inline constexpr std::string_view kDownloaded = "Downloaded";
inline constexpr std::string_view kDownloadError = "Download Error";

}  // namespace components::progress
