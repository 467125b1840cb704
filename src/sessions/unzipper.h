#pragma once
// CUnzipper unpacks a zip archive into a folder: every entry becomes a file
// or a folder under the target folder, with the entry's path kept and its
// modification time restored. minizip reads the archive and zlib inflates.
//
// How it keeps a bad archive from doing harm: an entry whose name would
// leave the target folder ("..", a drive, a leading separator, a ':' stream
// name, a name of 260 characters or more) is refused and the extraction stops
// there; a file is written under a temporary name in its own folder and
// moved over its final name only when the whole entry was written and its
// checksum matched, so a failed entry never leaves a partial file behind and
// never damages the file it was meant to replace.
//
// Speed: the archive is read through a read-ahead layer (minizip asks for
// 16 KiB at a time, a few bytes at a time in the directory); data moves
// through one fixed 256 KiB buffer; each file is created, written, dated and
// renamed through the one handle that created it; folders made during a run
// are checked once. Everything stays on the caller's thread: handing files
// to a second thread was tried and gained nothing reliable, because under
// Wine every wake-up between threads is a round trip to its server as well.

#include <windows.h>

#include <memory>
#include <set>
#include <string>

#include "sessions/unzip_archive_reader.h"

// Information about the current entry, as the archive's central directory
// gives it; the name has every '/' turned into '\\'.
struct ZipEntryInfo {
  char name[MAX_PATH + 1] = {};
  char comment[255 + 1] = {};
  DWORD version = 0;
  DWORD versionNeeded = 0;
  DWORD flag = 0;
  DWORD compressionMethod = 0;
  DWORD dosDate = 0;  // date in the high 16 bits, time in the low 16 bits, local time
  DWORD crc = 0;
  DWORD compressedSize = 0;
  DWORD uncompressedSize = 0;
  DWORD internalAttributes = 0;
  DWORD externalAttributes = 0;
  bool isFolder = false;  // the MS-DOS directory attribute
};

class CUnzipper {
 public:
  CUnzipper();
  virtual ~CUnzipper();

  CUnzipper(const CUnzipper&) = delete;
  CUnzipper& operator=(const CUnzipper&) = delete;

  // Opens an archive (closing any open one first) and sets the default output
  // folder: the archive's full path without its extension. True when open.
  bool openZip(const char* path);
  void closeZip();

  bool gotoFirstFile();
  bool gotoNextFile();
  // False when there is no current entry or its name does not fit 259 characters.
  bool getCurrentFileInfo(ZipEntryInfo& info);

  // Extracts the current entry under folder (the default output folder when
  // folder is null). True when the entry was fully written.
  bool unzipCurrentFile(const char* folder = nullptr);
  // Extracts every entry under folder; stops at the first failure (entries
  // already written stay). True when every entry was extracted.
  bool unzipTo(const char* folder);
  // openZip(zipPath) then unzipTo(folder) on a temporary unzipper.
  static bool unzip(const char* zipPath, const char* folder);

  // Creates a folder and any missing parents. True when path is a folder now;
  // an existing file of that name gives false.
  static bool createFolder(const char* path);
  // createFolder of the text before the last '\\' (false without one).
  static bool createParentFolder(const char* filePath);
  // Sets the file's creation and last-write time from an MS-DOS local time;
  // failures are ignored.
  static void setFileTimeFromZip(const char* filePath, DWORD dosDate);

  const std::string& defaultOutputFolder() const { return defaultFolder_; }

 private:
  // Extracts the current entry under folder; folders made during the
  // current run are taken from the cache.
  bool extractEntry(const std::string& folder);
  bool extractFile(const std::string& path, DWORD dosDate);
  bool ensureFolder(const std::string& path);

  void* zip_ = nullptr;  // minizip's unzFile
  std::string defaultFolder_;
  UnzipArchiveReader reader_;
  std::unique_ptr<char[]> block_;  // the one data buffer of every extraction
  // Folders known to exist in the current run (lower case), so that a folder
  // holding many entries is checked once.
  std::set<std::string> knownFolders_;
};
