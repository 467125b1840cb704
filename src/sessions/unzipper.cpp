#include "sessions/unzipper.h"

#include <algorithm>
#include <cctype>
#include <cstring>

#include "app/folders.h"
#include "platform/debug_log.h"
#include "sessions/unzip_entry_name.h"
#include "sessions/unzip_output_file.h"
#include "unzip.h"

namespace {

constexpr DWORD kBlockSize = 256 * 1024;

unzFile handleOf(void* zip) { return static_cast<unzFile>(zip); }

}  // namespace

CUnzipper::CUnzipper() : block_(new char[kBlockSize]) {}

CUnzipper::~CUnzipper() { closeZip(); }

bool CUnzipper::openZip(const char* path) {
  closeZip();
  if (path == nullptr || *path == '\0') return false;
  char full[MAX_PATH];
  const DWORD length = GetFullPathNameA(path, MAX_PATH, full, nullptr);
  if (length == 0 || length >= MAX_PATH) return false;

  zlib_filefunc64_def functions = reader_.functions();
  zip_ = unzOpen2_64(full, &functions);
  if (zip_ == nullptr) return false;

  // The default output folder is the archive's path without its extension.
  std::string folder(full, length);
  const size_t lastSeparator = folder.find_last_of("\\/");
  const size_t lastDot = folder.find_last_of('.');
  if (lastDot != std::string::npos && (lastSeparator == std::string::npos || lastDot > lastSeparator)) {
    folder.erase(lastDot);
  }
  defaultFolder_ = folder;
  return true;
}

void CUnzipper::closeZip() {
  if (zip_ != nullptr) {
    unzCloseCurrentFile(handleOf(zip_));
    unzClose(handleOf(zip_));
    zip_ = nullptr;
  }
  defaultFolder_.clear();
  knownFolders_.clear();
}

bool CUnzipper::gotoFirstFile() { return zip_ != nullptr && unzGoToFirstFile(handleOf(zip_)) == UNZ_OK; }

bool CUnzipper::gotoNextFile() { return zip_ != nullptr && unzGoToNextFile(handleOf(zip_)) == UNZ_OK; }

bool CUnzipper::getCurrentFileInfo(ZipEntryInfo& info) {
  info = ZipEntryInfo{};
  if (zip_ == nullptr) return false;
  unz_file_info raw{};
  // minizip leaves a name that fills its buffer unterminated: the buffers end
  // one byte past what minizip may fill, and a name that long is refused.
  if (unzGetCurrentFileInfo(handleOf(zip_), &raw, info.name, MAX_PATH, nullptr, 0, info.comment, 255) != UNZ_OK) {
    return false;
  }
  info.name[MAX_PATH] = '\0';
  info.comment[255] = '\0';
  if (raw.size_file_comment < 255) info.comment[raw.size_file_comment] = '\0';
  for (char* c = info.name; *c != '\0'; ++c) {
    if (*c == '/') *c = '\\';
  }
  info.version = raw.version;
  info.versionNeeded = raw.version_needed;
  info.flag = raw.flag;
  info.compressionMethod = raw.compression_method;
  info.dosDate = raw.dosDate;
  info.crc = raw.crc;
  info.compressedSize = raw.compressed_size;
  info.uncompressedSize = raw.uncompressed_size;
  info.internalAttributes = raw.internal_fa;
  info.externalAttributes = raw.external_fa;
  info.isFolder = (raw.external_fa & FILE_ATTRIBUTE_DIRECTORY) != 0;
  if (raw.size_filename >= MAX_PATH) {
    info.name[0] = '\0';
    return false;
  }
  return true;
}

bool CUnzipper::unzipTo(const char* folder) {
  // An archive without entries fails before anything is created.
  if (zip_ == nullptr || folder == nullptr) return false;
  unz_global_info global{};
  if (unzGetGlobalInfo(handleOf(zip_), &global) != UNZ_OK || global.number_entry == 0) return false;
  knownFolders_.clear();
  if (!ensureFolder(folder)) return false;
  if (!gotoFirstFile()) return false;
  bool ok = true;
  for (;;) {
    if (!extractEntry(folder)) {
      ok = false;
      break;
    }
    // Only the end of the list ends the run well; a damaged directory fails it.
    const int next = unzGoToNextFile(handleOf(zip_));
    if (next != UNZ_OK) {
      ok = next == UNZ_END_OF_LIST_OF_FILE;
      break;
    }
  }
  knownFolders_.clear();
  return ok;
}

bool CUnzipper::unzip(const char* zipPath, const char* folder) {
  CUnzipper unzipper;
  if (!unzipper.openZip(zipPath)) return false;
  return unzipper.unzipTo(folder);
}

bool CUnzipper::unzipCurrentFile(const char* folder) {
  if (zip_ == nullptr) return false;
  // A single entry trusts nothing remembered from earlier runs.
  knownFolders_.clear();
  const std::string target = folder != nullptr ? std::string(folder) : defaultFolder_;
  const bool ok = ensureFolder(target) && extractEntry(target);
  knownFolders_.clear();
  return ok;
}

bool CUnzipper::extractEntry(const std::string& folder) {
  ZipEntryInfo info;
  if (!getCurrentFileInfo(info)) {
    platform::debugOutput("CUnzipper::unzipCurrentFile - unable to read the entry information\n");
    return false;
  }
  std::string name = info.name;
  // A name ending in a separator is a folder even when the archive did not
  // set the directory attribute.
  const bool isFolder = info.isFolder || (!name.empty() && name.back() == '\\');
  if (isFolder && !name.empty() && name.back() == '\\') name.pop_back();

  const std::string path = joinEntryPath(folder, name);
  if (!isEntryNameInsideFolder(name) || !isPathBelowFolder(path, folder)) {
    platform::debugOutputF("CUnzipper::unzipCurrentFile - entry name refused: %s\n", info.name);
    return false;
  }
  if (isFolder) return ensureFolder(path);
  return extractFile(path, info.dosDate);
}

bool CUnzipper::extractFile(const std::string& path, DWORD dosDate) {
  const std::string parent = path.substr(0, path.find_last_of('\\'));
  if (!ensureFolder(parent)) return false;

  UnzipOutputFile out;
  if (!out.create(parent, path)) return false;
  if (unzOpenCurrentFile(handleOf(zip_)) != UNZ_OK) return false;
  bool ok = true;
  for (;;) {
    const int read = unzReadCurrentFile(handleOf(zip_), block_.get(), kBlockSize);
    if (read <= 0) {
      ok = read == 0;
      break;
    }
    if (!out.write(block_.get(), static_cast<DWORD>(read))) {
      ok = false;
      break;
    }
  }
  // A damaged entry shows only here, as a checksum error after its last byte.
  if (unzCloseCurrentFile(handleOf(zip_)) != UNZ_OK) ok = false;
  // Without commit the temporary file is removed when out goes.
  return ok && out.commit(dosDate);
}

bool CUnzipper::ensureFolder(const std::string& path) {
  if (path.empty()) return false;
  std::string key = path;
  std::transform(key.begin(), key.end(), key.begin(),
                 [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
  while (key.size() > 1 && key.back() == '\\') key.pop_back();
  if (knownFolders_.count(key) != 0) return true;
  if (!createFolder(path.c_str())) return false;
  knownFolders_.insert(std::move(key));
  return true;
}

bool CUnzipper::createFolder(const char* path) {
  if (path == nullptr || *path == '\0') return false;
  std::string folder = path;
  // "C:\out\" names the same folder as "C:\out"; a root keeps its separator.
  while (folder.size() > 1 && folder.back() == '\\' && folder[folder.size() - 2] != ':') folder.pop_back();
  const DWORD attributes = GetFileAttributesA(folder.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES) return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  const size_t lastSeparator = folder.find_last_of('\\');
  if (lastSeparator != std::string::npos && lastSeparator > 0) {
    if (!createFolder(folder.substr(0, lastSeparator).c_str())) return false;
  }
  if (CreateDirectoryA(folder.c_str(), nullptr)) return true;
  // Made by someone else in the meantime counts as made.
  return GetLastError() == ERROR_ALREADY_EXISTS && app::folderExists(folder.c_str());
}

bool CUnzipper::createParentFolder(const char* filePath) {
  if (filePath == nullptr) return false;
  const char* lastSeparator = std::strrchr(filePath, '\\');
  if (lastSeparator == nullptr) return false;
  return createFolder(std::string(filePath, lastSeparator).c_str());
}

void CUnzipper::setFileTimeFromZip(const char* filePath, DWORD dosDate) {
  if (filePath == nullptr) return;
  FILETIME utc;
  if (!dosDateToUtcFileTime(dosDate, utc)) return;
  HANDLE file = CreateFileA(filePath, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  SetFileTime(file, &utc, nullptr, &utc);
  CloseHandle(file);
}
