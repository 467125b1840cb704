#pragma once
// Shows a file that comes from the file server (a help file, the release
// notes) in a rich edit control: fetch it through a download-only session,
// then show whatever copy is in the download folder, or an error text in the
// control itself when there is none.

#include <windows.h>

#include "components/component_row.h"
#include "components/install_sessions.h"

struct DownloadedRtfTexts {
  // Shown in a message box when an interactive fetch failed but an earlier
  // copy is there.
  const char* localCopyMessage;
  // Shown inside the control when there is no copy at all.
  const char* missingFileText;
};

// True when a file was shown. `owner` owns the session and the message box.
bool showDownloadedRtf(components::InstallSessions& sessions, const components::ComponentRow& row, HWND richEdit,
                       HWND owner, bool redownload, bool interactive, const DownloadedRtfTexts& texts);
