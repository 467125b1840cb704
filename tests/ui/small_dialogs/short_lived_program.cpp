// Runs for the number of milliseconds given as its argument, then ends.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
  Sleep(argc > 1 ? static_cast<DWORD>(atoi(argv[1])) : 1000);
  return 0;
}
