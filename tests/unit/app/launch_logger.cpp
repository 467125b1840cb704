// Appends its full command line to "launch_logger.log" beside itself.
#include <windows.h>

#include <cstdio>
#include <string>

int main() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string log = path;
  log = log.substr(0, log.find_last_of("\\/")) + "\\launch_logger.log";
  FILE* file = fopen(log.c_str(), "ab");
  if (file == nullptr) return 1;
  fprintf(file, "%s\n", GetCommandLineA());
  fclose(file);
  return 0;
}
