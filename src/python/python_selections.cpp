#include "python/python_selections.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "app/folders.h"
#include "app/user_folder.h"
#include "platform/debug_log.h"
#include "python/python_selection_keys.h"

namespace python {
namespace {

constexpr const char* kSection = "PySelVersion";
constexpr const char* kPythonFolderName = "Python";
constexpr const char* kFileName = "PySel.ini";
// Large enough to tell a stored value that does not fit the callers' buffers
// from one that does.
constexpr DWORD kReadBufferSize = 4096;

void logLine(const char* operation, const char* what) { platform::debugOutputF("%s - %s\n", operation, what); }

bool isValid(const SelectionKey& key, const char* value) {
  if (key.validValues.empty()) return true;
  for (const char* valid : key.validValues) {
    if (strcmp(valid, value) == 0) return true;
  }
  return false;
}

void copyOut(char* buffer, const char* value) { snprintf(buffer, kSelectionBufferSize, "%s", value); }

// "<Documents>\Zephrion 12.0\Python"; "" without a Documents folder.
std::string selectionsFolderPath() {
  const std::string userFolder = app::userFolderPath();
  return userFolder.empty() ? userFolder : userFolder + "\\" + kPythonFolderName;
}

int setSelection(const SelectionKey& key, const char* operation, const char* value) {
  if (value == nullptr) {
    logLine(operation, "NULL pointer 1");
    return -1;
  }
  if (!isValid(key, value)) {
    logLine(operation, "Unsupported version selection");
    return -2;
  }
  const std::string folder = selectionsFolderPath();
  if (folder.empty()) {
    logLine(operation, "Unable to get my documents folder path");
    return -3;
  }
  if (!app::createFolderPath(folder.c_str())) {
    logLine(operation, "Unable to locate target folder");
    return -4;
  }
  const std::string file = folder + "\\" + kFileName;
  if (!WritePrivateProfileStringA(kSection, key.key, value, file.c_str())) {
    logLine(operation, "Unable to write to INI file");
    return -5;
  }
  return 1;
}

int getSelection(const SelectionKey& key, const char* operation, char* buffer) {
  if (buffer == nullptr) {
    logLine(operation, "NULL pointer 1");
    return -1;
  }
  copyOut(buffer, key.fallback);
  const std::string folder = selectionsFolderPath();
  if (folder.empty()) {
    logLine(operation, "Unable to get my documents folder path");
    return -2;
  }
  const std::string file = folder + "\\" + kFileName;
  if (!app::fileExists(file.c_str())) {
    logLine(operation, "Unable to locate INI file");
    return -3;
  }
  char value[kReadBufferSize] = {};
  const DWORD length = GetPrivateProfileStringA(kSection, key.key, "", value, kReadBufferSize, file.c_str());
  if (length == 0) {
    logLine(operation, "Unable to read INI file");
    return -4;
  }
  // A value that does not fit the callers' buffers is not cut down into
  // something else: it counts as not valid and the fallback stays.
  if (length >= kSelectionBufferSize || !isValid(key, value)) return 0;
  copyOut(buffer, value);
  return 1;
}

}  // namespace

std::string pythonSelectionsFilePath() {
  const std::string folder = selectionsFolderPath();
  return folder.empty() ? folder : folder + "\\" + kFileName;
}

#define ZP_SELECTION_PAIR(Name, Key)                                                              \
  int set##Name(const char* selection) { return setSelection(Key, "set" #Name, selection); }      \
  int get##Name(char* selection) { return getSelection(Key, "get" #Name, selection); }

ZP_SELECTION_PAIR(PythonVersionSelection, kVersionNameKey)
ZP_SELECTION_PAIR(Py27OpenCVExtensionVersionSelection, kPy27OpenCVKey)
ZP_SELECTION_PAIR(Py27CLRExtensionVersionSelection, kPy27CLRKey)
ZP_SELECTION_PAIR(Py27VividSightToolboxVersionSelection, kPy27VividSightKey)
ZP_SELECTION_PAIR(Py36VividSightToolboxVersionSelection, kPy36VividSightKey)
ZP_SELECTION_PAIR(Py27ExtensionPackageSelection, kPy27PackageKey)
ZP_SELECTION_PAIR(Py36ExtensionPackageSelection, kPy36PackageKey)

#undef ZP_SELECTION_PAIR

}  // namespace python
