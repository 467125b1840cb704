#pragma once
// Driving real windows from a test thread or from another process: find a
// window by caption, find controls by id, click, read and set texts, answer
// message boxes.

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

// Waits for a visible top-level window whose caption is exactly `caption`
// (optionally owned by process `pid`, 0 for any). Returns nullptr on time-out.
HWND waitForWindow(const std::string& caption, DWORD timeoutMs, DWORD pid = 0);

// Waits until `window` is gone (destroyed). Returns false on time-out.
bool waitForWindowGone(HWND window, DWORD timeoutMs);

// All descendants of `parent`, depth first.
std::vector<HWND> childWindows(HWND parent);

// The first descendant of `parent` with control id `id` (pages of a property
// sheet are searched too), or nullptr.
HWND findControl(HWND parent, int id);

// Clicks a button: posts WM_COMMAND/BN_CLICKED to its parent, so a click that
// opens a modal window does not block the caller.
bool clickControl(HWND control);
bool clickControl(HWND parent, int id);

std::string windowText(HWND window);
bool setWindowText(HWND window, const std::string& text);
std::string className(HWND window);

// Message boxes: the text of the box, and pressing one of its buttons
// (IDOK, IDCANCEL, IDYES, IDNO, ...).
HWND waitForMessageBox(const std::string& caption, DWORD timeoutMs, DWORD pid = 0);
std::string messageBoxText(HWND box);
bool pressMessageBoxButton(HWND box, int buttonId);

}  // namespace testsupport
