// Stands in for another installer: it only runs (at most a minute), so the
// guard sees a process under whatever name the test copied it to.
#include <windows.h>

int main() {
  Sleep(60000);
  return 0;
}
