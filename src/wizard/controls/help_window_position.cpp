#include "wizard/controls/help_window_position.h"

#include <cstdio>
#include <cstdlib>

#include "app/folders.h"

namespace {

constexpr const char* kSection = "HelpWindowPosition";
constexpr const char* kEdgeKeys[] = {"LeftPos", "RightPos", "TopPos", "BottomPos"};

int readEdge(const std::string& file, const char* key) {
  char value[1024] = {};
  GetPrivateProfileStringA(kSection, key, "0", value, sizeof(value), file.c_str());
  return atoi(value);
}

}  // namespace

int getInstallerSettingsPath(std::string& path) {
  path.clear();
  std::string documents;
  if (!app::getMyDocumentsFolderPath(documents)) return -2;
  const std::string folder = documents + "\\ZephrionInstaller";
  if (!app::folderExists(folder.c_str())) CreateDirectoryA(folder.c_str(), nullptr);
  path = folder + "\\settings.ini";
  return 1;
}

void saveHelpWindowPosition(HWND window) {
  std::string file;
  if (getInstallerSettingsPath(file) != 1) return;
  RECT rect;
  if (!GetWindowRect(window, &rect)) return;
  const LONG edges[] = {rect.left, rect.right, rect.top, rect.bottom};
  for (int i = 0; i < 4; ++i) {
    char text[32];
    snprintf(text, sizeof(text), "%d", static_cast<int>(edges[i]));
    WritePrivateProfileStringA(kSection, kEdgeKeys[i], text, file.c_str());
  }
}

bool restoreHelpWindowPosition(HWND window) {
  std::string file;
  if (getInstallerSettingsPath(file) != 1) return false;
  RECT rect{readEdge(file, "LeftPos"), readEdge(file, "TopPos"), readEdge(file, "RightPos"),
            readEdge(file, "BottomPos")};
  if (rect.left == 0 && rect.right == 0) return false;  // nothing stored
  if (rect.left >= rect.right || rect.top >= rect.bottom) return false;
  // A rectangle from a monitor that is gone would hide the modal window.
  if (MonitorFromRect(&rect, MONITOR_DEFAULTTONULL) == nullptr) return false;
  MoveWindow(window, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
  return true;
}
