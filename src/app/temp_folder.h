#pragma once
// The program's own subfolder of the user's temporary folder: extraction
// folders and renamed copies of installer files. It is emptied at every start
// and never cleaned at exit.

#include <cstddef>
#include <string>

namespace app {

inline constexpr size_t kTempSubFolderBufferSize = 512;

// The temporary subfolder's path ("" when the temporary path is unknown).
std::string tempSubFolderPath();

// Empties the temporary subfolder, or creates it. True when it exists after.
bool cleanUpTempSubFolder();

// Creates a fresh, empty subfolder `name` of the temporary subfolder and writes
// its path into `buffer` (kTempSubFolderBufferSize characters).
bool createTempSubFolder(char* buffer, const char* name);

// Copies `existingFile` into the temporary subfolder as `newFileName`.
// 1 success; -1 a null argument; -2 the file is missing; -3 no temporary path;
// -4 the copy failed. `outputPath` (MAX_PATH characters) gets the copy's path.
int copyRenamedFileToWindowsTempFolder(const char* newFileName, const char* existingFile, char* outputPath);

}  // namespace app
