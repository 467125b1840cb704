#include "wizard/controls/hyperlink_target.h"

#include <shellapi.h>

#include <cctype>
#include <cstdio>

#include "app/application_paths.h"
#include "app/folders.h"
#include "components/component_row.h"
#include "components/install_data_folders.h"
#include "components/install_sessions.h"
#include "platform/ui/message_box.h"

namespace {

// How large a document usually is, for the session's progress.
constexpr int kDocumentSizeHint = 4194304;

components::InstallSessions* g_sessions = nullptr;
HyperlinkShellOpener g_opener;

INT_PTR openWithShell(HWND owner, const std::string& target) {
  if (g_opener) return g_opener(owner, target);
  HINSTANCE result = ShellExecuteA(owner, "open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  return reinterpret_cast<INT_PTR>(result);
}

bool endsWithIgnoringCase(const std::string& text, const char* suffix) {
  const std::string tail(suffix);
  if (text.size() < tail.size()) return false;
  for (size_t i = 0; i < tail.size(); ++i) {
    const auto a = static_cast<unsigned char>(text[text.size() - tail.size() + i]);
    const auto b = static_cast<unsigned char>(tail[i]);
    if (std::tolower(a) != std::tolower(b)) return false;
  }
  return true;
}

bool startsWithIgnoringCase(const std::string& text, const char* prefix) {
  const std::string head(prefix);
  if (text.size() < head.size()) return false;
  for (size_t i = 0; i < head.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(head[i]))) {
      return false;
    }
  }
  return true;
}

// Opens `target` with the shell: 1, or -1 with the shell's result as code.
int openAndReport(HWND owner, const std::string& target, int& errorCode) {
  const INT_PTR result = openWithShell(owner, target);
  if (result > 32) return 1;
  errorCode = static_cast<int>(result);
  return -1;
}

}  // namespace

void setHyperlinkInstallSessions(components::InstallSessions* sessions) { g_sessions = sessions; }

void setHyperlinkShellOpener(HyperlinkShellOpener opener) { g_opener = std::move(opener); }

int openHyperlinkTarget(const std::string& address, const std::string& title, int& errorCode, HWND owner) {
  errorCode = 0;
  const bool isDocument = endsWithIgnoringCase(address, ".pdf") || endsWithIgnoringCase(address, ".png");
  if (!isDocument) {
    // Only web pages are opened directly: a program path, a file: address or
    // a share from a list file must never be run by the elevated installer.
    if (!startsWithIgnoringCase(address, "http://") && !startsWithIgnoringCase(address, "https://")) {
      errorCode = ERROR_FILE_NOT_FOUND;
      return -1;
    }
    return openAndReport(owner, address, errorCode);
  }

  const size_t separator = address.find_last_of("\\/");
  const std::string fileName = separator == std::string::npos ? std::string() : address.substr(separator + 1);
  if (separator == std::string::npos || !app::isPlainFileName(fileName)) {
    ui::messageBox(owner, "Error: Unable to parse the download path for the selected resource. Please try again.");
    errorCode = -1;
    return -1;
  }

  const std::string folder = components::install_data::downloadFolderPath(
      app::applicationFolder(), components::install_data::subfolder::kResources);
  const components::ComponentRow row(title, address, fileName, "", folder, false, kDocumentSizeHint, false,
                                     components::RowCells{}, "");
  components::DownloadSessionOptions options;
  options.index = 1;
  options.count = 1;
  options.downloadOnly = true;
  options.redownload = false;
  options.interactive = true;
  options.owner = owner;
  const bool completed = g_sessions != nullptr && g_sessions->downloadAndInstall(row, options).completed();
  if (!completed) {
    errorCode = -2;
    return -1;
  }

  const std::string localPath = components::downloadedFilePath(row);
  if (!app::fileExists(localPath.c_str())) {
    ui::messageBox(owner, "Error: Unable to locate the selected resource. Please try again.");
    errorCode = -3;
    return -1;
  }
  return openAndReport(owner, localPath, errorCode);
}

std::string hyperlinkErrorText(int code) {
  const char* text = nullptr;
  switch (code) {
    case 0: text = "The operating system is out\nof memory or resources."; break;
    case 2: text = "The specified file was not found."; break;
    case 3: text = "The specified path was not found."; break;
    case 5: text = "The operating system denied\naccess to the specified file."; break;
    case 8: text = "There was not enough memory to complete the operation."; break;
    case 11: text = "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."; break;
    case 26: text = "A sharing violation occurred. "; break;
    case 27: text = "The filename association is\nincomplete or invalid."; break;
    case 28: text = "The DDE transaction could not\nbe completed because the request timed out."; break;
    case 29: text = "The DDE transaction failed."; break;
    case 30:
      text = "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed.";
      break;
    case 31: text = "There is no application associated\nwith the given filename extension."; break;
    case 32: text = "The specified dynamic-link library was not found."; break;
    default: break;
  }
  std::string message = "Unable to open hyperlink:\n\n";
  if (text != nullptr) return message + text;
  char unknown[64];
  std::snprintf(unknown, sizeof(unknown), "Unknown Error (%d) occurred.", code);
  return message + unknown;
}

void showHyperlinkError(int code, HWND owner) { ui::messageBox(owner, hyperlinkErrorText(code)); }
