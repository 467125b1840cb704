#include "app/running_processes.h"

#include <psapi.h>

namespace app {
namespace {

enum class ModuleName { Base, File };

std::string firstModuleName(DWORD pid, ModuleName kind) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, pid);
  if (process == nullptr) return {};
  std::string name;
  HMODULE module = nullptr;
  DWORD needed = 0;
  if (EnumProcessModules(process, &module, sizeof(module), &needed)) {
    char text[MAX_PATH] = {};
    const DWORD length = kind == ModuleName::Base ? GetModuleBaseNameA(process, module, text, MAX_PATH)
                                                  : GetModuleFileNameExA(process, module, text, MAX_PATH);
    if (length > 0) name.assign(text, length);
  }
  CloseHandle(process);
  return name;
}

}  // namespace

std::vector<DWORD> runningProcessIds() {
  try {
    std::vector<DWORD> pids(1024);
    DWORD bytes = 0;
    for (;;) {
      const DWORD capacity = static_cast<DWORD>(pids.size() * sizeof(DWORD));
      if (!EnumProcesses(pids.data(), capacity, &bytes)) return {};
      if (bytes < capacity) break;
      pids.resize(pids.size() * 2);
    }
    pids.resize(bytes / sizeof(DWORD));
    return pids;
  } catch (...) {
    return {};
  }
}

std::string firstModuleBaseName(DWORD pid) { return firstModuleName(pid, ModuleName::Base); }

std::string firstModuleFileName(DWORD pid) { return firstModuleName(pid, ModuleName::File); }

bool isProcessRunning(const char* path) {
  if (path == nullptr) return false;
  for (DWORD pid : runningProcessIds()) {
    if (pid != 0 && _stricmp(firstModuleFileName(pid).c_str(), path) == 0) return true;
  }
  return false;
}

}  // namespace app
