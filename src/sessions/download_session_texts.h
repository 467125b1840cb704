#pragma once
// The words of the download-and-install session: its window message and
// codes, its timer, and every text it shows, spelled once.

#include <windows.h>

namespace sessions {

// The worker's reports, sent synchronously with this message; wParam is the
// code, lParam is used by kBytesReceived only (the decimal text of the
// kilobytes received, valid while the message is handled).
inline constexpr UINT kSessionReportMessage = WM_USER + 5;

namespace session_code {
inline constexpr int kDownloadStarted = 100;
inline constexpr int kBytesReceived = 101;
inline constexpr int kDownloadCompleted = 102;
inline constexpr int kSessionFailed = 103;
inline constexpr int kInstallationCompleted = 104;
inline constexpr int kInstallationFailed = 105;
}  // namespace session_code

// Moves the bar forward while an installer runs.
inline constexpr UINT_PTR kInstallCreepTimerId = 783;
inline constexpr UINT kInstallCreepTimerMs = 750;

// Progress reports come at most once per this many further bytes.
inline constexpr unsigned long long kReportStepBytes = 102400;
inline constexpr int kProgressRange = 1000;

namespace session_text {
inline constexpr const char* kTitleDownloadOnly = "%s - Download Component Installables";
inline constexpr const char* kTitleInstall = "%s - Download and Install Components";
inline constexpr const char* kHeaderDownloadOnly = "Downloading component %d of %d";
inline constexpr const char* kHeaderInstall = "Installing component %d of %d";
inline constexpr const char* kDownloading = "Downloading component... Please wait...";
inline constexpr const char* kInstalling = "Installing... Please wait...";
inline constexpr const char* kBytesStarted = "Downloaded 0 KB from %lld KB";
inline constexpr const char* kBytesProgress = "Downloaded %lld KB from %lld KB";
inline constexpr const char* kDownloadCompleted = "Download completed";
inline constexpr const char* kDownloadFailedDownloadOnly =
    "Download failed. Please abort the current operation and try again.";
inline constexpr const char* kDownloadFailedInstall = "Download failed. Please abort the installation and try again.";
inline constexpr const char* kInstallationCompleted = "Installation completed";
inline constexpr const char* kInstallationFailed = "Installation failed";
inline constexpr const char* kAbortDownloadQuestion = "Do you want to abort download of the selected components?";
inline constexpr const char* kAbortInstallQuestion = "Do you want to abort installation of the selected components?";
inline constexpr const char* kPathTooLong =
    "Error. Download path too long. Please copy the installer EXE to shorter path and try again.";
inline constexpr const char* kUnableToProcess = "Error. Unable to process the downloaded file";
inline constexpr const char* kUnexpectedDownload = "Error. Unable to download the component - Unexpected error";
inline constexpr const char* kUnexpectedInstall = "Error. Unable to install the component - Unexpected error";
}  // namespace session_text

}  // namespace sessions
