// The uninstaller a fake component's setup registers: it carries the same
// manifest as its setup and undoes exactly what the setup did. With
// "uninstall-dialogs confirm" it behaves like the legacy Python package
// uninstallers: "Please confirm" first (removal only on Yes), then
// "Uninstall Finished!" until someone closes it.
#include <windows.h>

#include <thread>

#include "manifest.h"
#include "payload.h"
#include "stub_common.h"

namespace {

// Nobody may be there to answer: after this long the stub answers itself.
constexpr DWORD kDialogTimeoutMs = 60000;

struct OwnWindowSearch {
  const wchar_t* title;
  HWND found;
};

BOOL CALLBACK matchOwnWindow(HWND window, LPARAM parameter) {
  auto* wanted = reinterpret_cast<OwnWindowSearch*>(parameter);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t text[256] = {};
  if (process != GetCurrentProcessId() || GetWindowTextW(window, text, 256) == 0) return TRUE;
  if (lstrcmpW(text, wanted->title) != 0) return TRUE;
  wanted->found = window;
  return FALSE;
}

// A top-level window of this process with `title` (another stub's box of the
// same title is left alone).
HWND findOwnWindow(const wchar_t* title) {
  OwnWindowSearch search{title, nullptr};
  EnumWindows(matchOwnWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

void answerLater(const wchar_t* title, WPARAM command) {
  std::thread([title, command] {
    Sleep(kDialogTimeoutMs);
    if (HWND window = findOwnWindow(title)) PostMessageW(window, WM_COMMAND, command, 0);
  }).detach();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  stubs::logCommandLine();
  stubs::Payload payload;
  stubs::Manifest manifest;
  if (!payload.load(stubs::selfPath()) || !manifest.parse(payload.entry("manifest"))) {
    stubs::logLine(L"uninstaller stub: no manifest");
    return 2;
  }
  const bool withDialogs = manifest.option("uninstall-dialogs") == "confirm";
  if (withDialogs) {
    answerLater(L"Please confirm", IDNO);
    const int answer = MessageBoxW(nullptr, L"Are you sure you want to remove this package?", L"Please confirm",
                                   MB_YESNO | MB_SETFOREGROUND);
    stubs::logLine(L"uninstaller stub: confirm answer " + std::to_wstring(answer));
    if (answer != IDYES) return 1;
  }
  const int exitCode = manifest.uninstall();
  if (withDialogs) {
    answerLater(L"Uninstall Finished!", IDOK);
    MessageBoxW(nullptr, L"The package has been removed.", L"Uninstall Finished!", MB_OK | MB_SETFOREGROUND);
  }
  return exitCode;
}
