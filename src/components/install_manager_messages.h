#pragma once
// Every text the installation manager shows the user, byte for byte as the
// users of earlier versions know them (spelling included). All appear in
// message boxes with the program's default caption.

#include <string_view>

namespace components::manager_messages {

// Before installing, when a row in scope has an error status (Yes / No).
inline constexpr std::string_view kRepairQuestion =
    "Errors are observed in existing installations. \nDo you want to repair these components?\n\n"
    "Click 'Yes' to repair and proceed.\nClick 'No' to abort the installation.";

// The repair of every row failed while installing chosen rows.
inline constexpr std::string_view kUnexpectedError = "Unexpected error. Please try again.";

// The post-install actions of a component failed; the run goes on.
inline constexpr std::string_view kCustomActionsWarning =
    "Warning: Unable to excute custom actions. Continuing with the further installations.";

// Before the pyserial 2.7 setup program starts: its wizard preselects the
// wrong Python when several are installed.
inline constexpr std::string_view kPyserialWizardNotice =
    "The 'pyserial-2.7.win32' module installation wizard will start now.\n\n"
    "Please select correct Python version (which is 'Python Version 2.7') in the installation wizard.\n"
    "The default selection of the Python version in the installation wizard may NOT be correct, if multiple "
    "Python versions are installed on this computer.\n";

// Download-only run: text of the download-error dialog (%s: the row's file
// name), and the summary (%s: the data folder).
inline constexpr const char* kDownloadErrorFormat = "Error - Unable to download the component '%s'";
inline constexpr const char* kDownloadSummaryFormat = "Successfully downloaded the files.\nDownload directory - %s";

// Deleting old downloads: the error around the row's name, and the summary
// (%s: the data folder).
inline constexpr std::string_view kDeleteErrorPrefix = "Error - Unable to delete the old download file for the component '";
inline constexpr std::string_view kDeleteErrorSuffix = "'. Please confirm whether the file is in use.";
inline constexpr const char* kDeleteSummaryFormat = "Successfully deleted the old downloads.\nFrom directory - %s";

// The summaries are formatted into a buffer of this many characters.
inline constexpr int kSummaryBufferSize = 512;

// Shown when a page becomes active, for the status of its first row with an
// error.
inline constexpr std::string_view kVersionMismatchWarning =
    "Warning: Incorrect version is currently installed for one or more components.\n"
    "Please click on the 'Install' button to install the required version.";
inline constexpr std::string_view kReinstallNeededWarning =
    "Warning: All the dependencies are not installed for one or more components.\n"
    "Please click on the 'Install' button to install the required dependencies.";
inline constexpr std::string_view kMultipleVersionsWarning =
    "Warning: Multiple versions are currently installed for one or more components.\n"
    "Please click on the 'Install' button to repair the installation.";
inline constexpr std::string_view kIncompleteModuleWarning =
    "Warning: Installation for one or more components is incomplete.\n"
    "Please click on the 'Install' button to repair the installation.";

}  // namespace components::manager_messages
