#include "wizard/controls/downloaded_rtf_display.h"

#include "app/folders.h"
#include "platform/ui/message_box.h"
#include "platform/ui/rich_edit.h"

bool showDownloadedRtf(components::InstallSessions& sessions, const components::ComponentRow& row, HWND richEdit,
                       HWND owner, bool redownload, bool interactive, const DownloadedRtfTexts& texts) {
  const std::string localFile = components::downloadedFilePath(row);
  components::DownloadSessionOptions options;
  options.downloadOnly = true;
  options.redownload = redownload;
  options.interactive = interactive;
  options.owner = owner;
  const components::DownloadSessionResult session = sessions.downloadAndInstall(row, options);
  const bool localCopy = app::fileExists(localFile.c_str());
  if (interactive && !session.completed() && localCopy) ui::messageBox(owner, texts.localCopyMessage);
  ui::RichEdit text(richEdit);
  if (!localCopy) {
    text.setText(texts.missingFileText);
    return false;
  }
  return text.streamInRtfFile(localFile);
}
