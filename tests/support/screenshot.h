#pragma once
#include <string>

namespace testsupport {
// Saves the whole display as a 24-bit BMP file. Returns false on failure.
bool saveScreenshot(const std::string& windowsPath);
}  // namespace testsupport
