#pragma once
// Opening what a link points at. A web address is handed to the shell; a
// ".pdf" or ".png" document is first downloaded once into the resources
// folder of the data folder (a cached copy is used as it is) and then opened
// from there.
//
// Addresses come from list files fetched over plain HTTP, and the program
// runs elevated, so a web address must begin with "http://" or "https://"
// (anything else, a local program or a share, is refused with code 2), and a
// document's file name must be a plain name.

#include <windows.h>

#include <functional>
#include <string>

namespace components {
class InstallSessions;
}

// 1 done; -1 failed, with `errorCode` set: a shell error (the ShellExecute
// result, 0..32), -1 the address cannot be parsed, -2 the download session
// did not complete, -3 the downloaded file is not there. 0 when the failure was
// reported another way already.
int openHyperlinkTarget(const std::string& address, const std::string& title, int& errorCode, HWND owner);

// "Unable to open hyperlink:\n\n" and the text of `code` (a ShellExecute
// error or one of the negative codes above), in a message box.
void showHyperlinkError(int code, HWND owner);
// The text that box shows.
std::string hyperlinkErrorText(int code);

// The sessions a document link downloads through; the application sets them
// once the session dialogs exist. Without them a document cannot be fetched
// (code -2).
void setHyperlinkInstallSessions(components::InstallSessions* sessions);

// How a target is opened: ShellExecuteA with "open" and SW_SHOWNORMAL; the
// result is ShellExecute's. Tests replace it to record what would open and to
// play shell errors; an empty function restores the shell.
using HyperlinkShellOpener = std::function<INT_PTR(HWND owner, const std::string& target)>;
void setHyperlinkShellOpener(HyperlinkShellOpener opener);
