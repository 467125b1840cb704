#include "support/ui_automation.h"

namespace testsupport {
namespace {

constexpr DWORD kPollMs = 25;
constexpr UINT kSendTimeoutMs = 5000;

// The caption without sending a message: a window whose thread is busy (the
// installer sleeps in its instance guard) still has a readable caption.
std::string captionOf(HWND window) {
  std::wstring wide(4096, L'\0');
  const int length = InternalGetWindowText(window, wide.data(), static_cast<int>(wide.size()));
  if (length <= 0) return {};
  std::string text(static_cast<size_t>(length) * 2 + 1, '\0');
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide.data(), length, text.data(), static_cast<int>(text.size()),
                                        nullptr, nullptr);
  text.resize(bytes > 0 ? static_cast<size_t>(bytes) : 0);
  return text;
}

struct FindRequest {
  const std::string* caption;
  const char* windowClass;  // nullptr: any class
  DWORD pid;
  HWND found;
};

BOOL CALLBACK matchTopLevel(HWND window, LPARAM param) {
  auto* request = reinterpret_cast<FindRequest*>(param);
  if (!IsWindowVisible(window)) return TRUE;
  if (request->pid != 0) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != request->pid) return TRUE;
  }
  if (request->windowClass != nullptr && className(window) != request->windowClass) return TRUE;
  if (captionOf(window) != *request->caption) return TRUE;
  request->found = window;
  return FALSE;
}

HWND waitForTopLevel(const std::string& caption, const char* windowClass, DWORD timeoutMs, DWORD pid) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  for (;;) {
    FindRequest request{&caption, windowClass, pid, nullptr};
    EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&request));
    if (request.found != nullptr) return request.found;
    if (GetTickCount64() >= deadline) return nullptr;
    Sleep(kPollMs);
  }
}

BOOL CALLBACK collectChild(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

}  // namespace

HWND waitForWindow(const std::string& caption, DWORD timeoutMs, DWORD pid) {
  return waitForTopLevel(caption, nullptr, timeoutMs, pid);
}

bool waitForWindowGone(HWND window, DWORD timeoutMs) {
  const ULONGLONG deadline = GetTickCount64() + timeoutMs;
  while (IsWindow(window)) {
    if (GetTickCount64() >= deadline) return false;
    Sleep(kPollMs);
  }
  return true;
}

std::vector<HWND> childWindows(HWND parent) {
  std::vector<HWND> children;
  EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND findControl(HWND parent, int id) {
  for (HWND child : childWindows(parent)) {
    if (GetDlgCtrlID(child) == id) return child;
  }
  return nullptr;
}

bool clickControl(HWND control) {
  if (control == nullptr) return false;
  HWND parent = GetParent(control);
  const int id = GetDlgCtrlID(control);
  return PostMessageA(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control)) != FALSE;
}

bool clickControl(HWND parent, int id) { return clickControl(findControl(parent, id)); }

std::string windowText(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length)) return {};
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           kSendTimeoutMs, &copied)) {
    return {};
  }
  text.resize(copied);
  return text;
}

bool setWindowText(HWND window, const std::string& text) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &result) != 0 &&
         result != 0;
}

std::string className(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof(name));
  return name;
}

HWND waitForMessageBox(const std::string& caption, DWORD timeoutMs, DWORD pid) {
  // Message boxes are dialogs of the system dialog class.
  return waitForTopLevel(caption, "#32770", timeoutMs, pid);
}

// A message box can be found while it is still being built: wait briefly for
// the control before giving up on it.
HWND waitForDialogItem(HWND dialog, int id) {
  const ULONGLONG deadline = GetTickCount64() + 5000;
  for (;;) {
    HWND item = GetDlgItem(dialog, id);
    if (item != nullptr || !IsWindow(dialog) || GetTickCount64() >= deadline) return item;
    Sleep(kPollMs);
  }
}

std::string messageBoxText(HWND box) {
  // The message text is the static control with id 0xFFFF.
  // Read without a message: right after the instance guard's long sleep the
  // box's thread may still count as hung.
  HWND text = waitForDialogItem(box, 0xFFFF);
  return text != nullptr ? captionOf(text) : std::string();
}

bool pressMessageBoxButton(HWND box, int buttonId) {
  HWND button = waitForDialogItem(box, buttonId);
  if (button == nullptr) return false;
  return PostMessageA(box, WM_COMMAND, MAKEWPARAM(buttonId, BN_CLICKED), reinterpret_cast<LPARAM>(button)) != FALSE;
}

}  // namespace testsupport
