#pragma once
// The folder of the running executable, found once at start-up by the
// application object and read by every Part that builds a data path.

#include <string>

namespace app {

// Reads the executable's folder from its module file name: the path up to its
// last "\" or "/", or the whole path when it has no separator. False (and an
// empty folder) when the module file name cannot be read or fills the buffer.
bool readApplicationFolder(std::string& folder);
// The folder part of a module path, as readApplicationFolder cuts it.
std::string folderOfModulePath(const std::string& modulePath);

const std::string& applicationFolder();
void setApplicationFolder(const std::string& folder);

}  // namespace app
