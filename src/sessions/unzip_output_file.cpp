#include "sessions/unzip_output_file.h"

#include <cstdio>
#include <vector>

namespace {

// Temporary names are unique within the process; the process id keeps two
// processes extracting into one folder apart.
LONG g_tempCounter = 0;

}  // namespace

bool dosDateToUtcFileTime(DWORD dosDate, FILETIME& utc) {
  FILETIME local;
  if (!DosDateTimeToFileTime(HIWORD(dosDate), LOWORD(dosDate), &local)) return false;
  return LocalFileTimeToFileTime(&local, &utc) != FALSE;
}

UnzipOutputFile::~UnzipOutputFile() { discard(); }

bool UnzipOutputFile::create(const std::string& folder, const std::string& finalPath) {
  discard();
  finalPath_ = finalPath;
  // A few tries in case a file of the chosen temporary name is already there.
  for (int attempt = 0; attempt < 8; ++attempt) {
    char name[64];
    std::snprintf(name, sizeof name, "\\~zpx%lx_%lx.tmp", static_cast<unsigned long>(GetCurrentProcessId()),
                  static_cast<unsigned long>(InterlockedIncrement(&g_tempCounter)));
    tempPath_ = folder + name;
    if (tempPath_.size() >= MAX_PATH) break;
    // DELETE access lets the same handle rename the file or remove it.
    file_ = CreateFileA(tempPath_.c_str(), GENERIC_WRITE | DELETE, 0, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (file_ != INVALID_HANDLE_VALUE) return true;
    if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
  }
  tempPath_.clear();
  return false;
}

bool UnzipOutputFile::write(const void* data, DWORD size) {
  DWORD written = 0;
  return file_ != INVALID_HANDLE_VALUE && WriteFile(file_, data, size, &written, nullptr) && written == size;
}

bool UnzipOutputFile::renameByHandle(bool replace) {
  // The native form of the full final path ("\??\C:\..." or
  // "\??\UNC\server\..."), which the rename accepts on every Windows
  // version that has it.
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(finalPath_.c_str(), MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return false;
  const bool unc = full[0] == '\\' && full[1] == '\\';
  const char* path = unc ? full + 2 : full;
  const int chars = MultiByteToWideChar(CP_ACP, 0, path, -1, nullptr, 0);
  if (chars <= 0) return false;
  const std::wstring prefix = unc ? L"\\??\\UNC\\" : L"\\??\\";
  const size_t nameChars = prefix.size() + static_cast<size_t>(chars) - 1;
  std::vector<char> storage(sizeof(FILE_RENAME_INFO) + nameChars * sizeof(WCHAR));
  auto* info = reinterpret_cast<FILE_RENAME_INFO*>(storage.data());
  info->ReplaceIfExists = replace ? TRUE : FALSE;
  info->RootDirectory = nullptr;
  info->FileNameLength = static_cast<DWORD>(nameChars * sizeof(WCHAR));
  prefix.copy(info->FileName, prefix.size());
  MultiByteToWideChar(CP_ACP, 0, path, -1, info->FileName + prefix.size(), chars);
  return SetFileInformationByHandle(file_, FileRenameInfo, info, static_cast<DWORD>(storage.size())) != FALSE;
}

bool UnzipOutputFile::commit(DWORD dosDate) {
  if (file_ == INVALID_HANDLE_VALUE) return false;
  FILETIME utc;
  if (dosDateToUtcFileTime(dosDate, utc)) SetFileTime(file_, &utc, nullptr, &utc);
  // Most entries are new: the first rename replaces nothing, so looking for
  // an earlier file costs nothing extra unless there is one.
  if (renameByHandle(false)) return closeCommitted();
  if (!mayReplaceFinal()) {
    discard();
    return false;
  }
  if (renameByHandle(true)) return closeCommitted();
  // Where the handle cannot rename its file, move it by name.
  CloseHandle(file_);
  file_ = INVALID_HANDLE_VALUE;
  if (MoveFileExA(tempPath_.c_str(), finalPath_.c_str(), MOVEFILE_REPLACE_EXISTING)) {
    tempPath_.clear();
    return true;
  }
  discard();
  return false;
}

bool UnzipOutputFile::closeCommitted() {
  CloseHandle(file_);
  file_ = INVALID_HANDLE_VALUE;
  tempPath_.clear();
  return true;
}

bool UnzipOutputFile::mayReplaceFinal() const {
  // A read-only file, or a folder of that name, is never replaced (Wine's
  // rename would replace a read-only file where Windows refuses).
  const DWORD existing = GetFileAttributesA(finalPath_.c_str());
  return existing == INVALID_FILE_ATTRIBUTES ||
         (existing & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) == 0;
}

void UnzipOutputFile::discard() {
  if (file_ != INVALID_HANDLE_VALUE) {
    FILE_DISPOSITION_INFO remove{};
    remove.DeleteFile = TRUE;
    const bool marked = SetFileInformationByHandle(file_, FileDispositionInfo, &remove, sizeof remove) != FALSE;
    CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    if (marked) tempPath_.clear();
  }
  if (!tempPath_.empty()) DeleteFileA(tempPath_.c_str());
  tempPath_.clear();
}
