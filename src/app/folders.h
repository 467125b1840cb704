#pragma once
// Folder helpers shared by every subsystem. They report by their result and a
// debug line; none shows a message.

#include <string>

namespace app {

bool folderExists(const char* path);
bool fileExists(const char* path);
// A file or a folder at `path`.
bool pathExists(const std::string& path);

// Creates `path` together with every missing parent folder. True when the
// folder exists at the end.
bool createFolderPath(const char* path);

// Deletes `folder` with all its content, only when the path is longer than 6
// characters and contains `requiredSubstring` (callers pass the path itself or
// a distinctive part of it). Links and junctions inside the tree are removed
// themselves, never followed. True when the folder is gone (also when it did
// not exist).
bool deleteFolderTree(const char* folder, const char* requiredSubstring);

// A name that stays one plain entry inside the folder it is joined to: not
// empty, not "." or "..", without '\\', '/', ':' or control characters. Names
// that arrive over the network (list files, upgrade information) must pass.
bool isPlainFileName(const std::string& name);

// Whether a file can be created in `folder` (a leftover test file is removed).
bool isFolderWritable(const char* folder);

// The user's Documents folder (current path); false when the shell cannot
// give it.
bool getMyDocumentsFolderPath(std::string& path);

// The data folder beside the executable, and its deletion with all content.
std::string dataFolderPath();
bool deleteDataFolder();

}  // namespace app
