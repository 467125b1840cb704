#pragma once
// One extracted file on its way to its final name. The data goes to a
// temporary file in the same folder; commit() dates it and renames it over
// the final name through the same handle, discard() removes it. An entry
// that fails half way therefore leaves neither a partial file under its
// final name nor a damaged earlier file of that name.

#include <windows.h>

#include <string>

// The MS-DOS local date and time of a zip entry as a UTC file time.
bool dosDateToUtcFileTime(DWORD dosDate, FILETIME& utc);

class UnzipOutputFile {
 public:
  UnzipOutputFile() = default;
  ~UnzipOutputFile();

  UnzipOutputFile(const UnzipOutputFile&) = delete;
  UnzipOutputFile& operator=(const UnzipOutputFile&) = delete;

  // Creates the temporary file in folder for the file finalPath (in folder).
  bool create(const std::string& folder, const std::string& finalPath);
  bool write(const void* data, DWORD size);
  // Sets the creation and last-write time from dosDate and moves the file
  // over its final name, replacing an existing file that is not read-only.
  bool commit(DWORD dosDate);
  void discard();

 private:
  bool renameByHandle(bool replace);
  bool mayReplaceFinal() const;
  bool closeCommitted();

  HANDLE file_ = INVALID_HANDLE_VALUE;
  std::string tempPath_;
  std::string finalPath_;
};
