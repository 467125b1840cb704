#pragma once
// Where a download lands and the file steps around it. The download folder is
// a cache: the finished file sits under its own name; while a file is being
// received it carries the suffix "tmp", and while a re-download runs the
// earlier file waits under the suffix "bk" so that a failed fetch can put it
// back.

#include <string>

namespace sessions {

struct DownloadPaths {
  std::string finalPath;   // folder + "\\" + file name: the finished download
  std::string tempPath;    // finalPath + "tmp": the file being received
  std::string backupPath;  // finalPath + "bk": the earlier download, set aside
};

// The three paths of `fileName` in `folder` (an absolute path without a
// trailing backslash).
DownloadPaths downloadPathsFor(const std::string& folder, const std::string& fileName);

// Paths of MAX_PATH (260) characters or more cannot be opened with the
// narrow file calls; the session refuses them before any request.
inline constexpr std::size_t kMaxDownloadPathLength = 259;

// Clears the read-only attribute and deletes the file. True when the file is
// gone (also when it never existed).
bool deleteFileForcibly(const std::string& path);

// Moves `source` onto `target`, replacing it (its read-only attribute cleared
// first) and writing through to disk. False, with nothing done, when `source`
// does not exist; otherwise the success of the move.
bool moveReplacing(const std::string& target, const std::string& source);

// A failed fetch leaves the earlier download in place, a successful one
// removes the backup: when finalPath is missing and backupPath exists, the
// backup is moved back; then a backup still present is deleted.
void restoreBackup(const DownloadPaths& paths);

// Removes an earlier download: the temporary file and the downloaded file.
// False when an existing downloaded file could not be deleted; otherwise
// whether the temporary file is gone.
bool deleteDownloadedFiles(const DownloadPaths& paths);

}  // namespace sessions
