#pragma once
// The user's choice of Python version and of the variants of the runtime's
// Python extensions, kept per Windows user in
// "<Documents>\Zephrion 12.0\Python\PySel.ini", section "PySelVersion".
// Nothing is cached: every get reads the file, every set writes one key.
//
// Setters: 1 written; -1 null argument; -2 value not valid for the key (the
// package-set setters accept any text); -3 no Documents folder; -4 the folder
// could not be created; -5 the write failed.
// Getters first hand back the key's fallback, then: 1 a valid value was read;
// 0 a value was read but is not valid (the fallback stays); -1 null
// argument; -2 no Documents folder; -3 no file; -4 the key is missing or empty.

#include <cstddef>
#include <string>

namespace python {

// The callers' buffers.
inline constexpr size_t kSelectionBufferSize = 512;

// "<Documents>\Zephrion 12.0\Python\PySel.ini" ("" without a Documents folder).
std::string pythonSelectionsFilePath();

int setPythonVersionSelection(const char* selection);
int getPythonVersionSelection(char* selection);
int setPy27OpenCVExtensionVersionSelection(const char* selection);
int getPy27OpenCVExtensionVersionSelection(char* selection);
int setPy27CLRExtensionVersionSelection(const char* selection);
int getPy27CLRExtensionVersionSelection(char* selection);
int setPy27VividSightToolboxVersionSelection(const char* selection);
int getPy27VividSightToolboxVersionSelection(char* selection);
int setPy36VividSightToolboxVersionSelection(const char* selection);
int getPy36VividSightToolboxVersionSelection(char* selection);
int setPy27ExtensionPackageSelection(const char* selection);
int getPy27ExtensionPackageSelection(char* selection);
int setPy36ExtensionPackageSelection(const char* selection);
int getPy36ExtensionPackageSelection(char* selection);

}  // namespace python
