#include "platform/ui/rich_edit.h"

#include <richedit.h>

#include "platform/debug_log.h"

namespace ui {
namespace {

DWORD CALLBACK readFileChunk(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
  DWORD got = 0;
  if (ReadFile(reinterpret_cast<HANDLE>(cookie), buffer, static_cast<DWORD>(size), &got, nullptr) == FALSE) {
    *read = 0;
    return 1;
  }
  *read = static_cast<LONG>(got);
  return 0;
}

}  // namespace

bool RichEdit::streamInRtfFile(const std::string& path) const {
  if (hwnd_ == nullptr) return false;
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) {
    platform::debugOutputF("ui::RichEdit::streamInRtfFile - unable to open %s\n", path.c_str());
    return false;
  }
  EDITSTREAM stream = {};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(file);
  stream.pfnCallback = readFileChunk;
  send(EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&stream));
  CloseHandle(file);
  return stream.dwError == 0;
}

}  // namespace ui
