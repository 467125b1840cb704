// Runs the launch helper once: launch_probe <parameters|-> <working folder> <file>.
// Exit code: 0 when started (1 otherwise), plus 10 when the system reports a
// version older than Vista.
#include <cstring>

#include "app/launching.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const char* parameters = strcmp(argv[1], "-") == 0 ? nullptr : argv[1];
  int shellResult = 0;
  const int result = app::launchAppManagingUACElevation(parameters, argv[2], argv[3], &shellResult);
  bool preVista = false;
  app::isPreVistaWindows(&preVista);
  return (result == 1 && shellResult > 32 ? 0 : 1) + (preVista ? 10 : 0);
}
