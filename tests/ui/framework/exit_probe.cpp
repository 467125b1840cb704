// Leaves a worker stuck in an uninterruptible wait and ends the program:
// "terminate" ends through exitNowIfWorkersDetached (exit code 7), anything
// else returns from WinMain (exit code 0). Neither may wait for the worker.
#include <windows.h>

#include <cstring>

#include "platform/ui/worker.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
  HANDLE never = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  {
    HWND owner = CreateWindowExA(0, "STATIC", "exit probe", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ui::Worker worker;
    if (!worker.start(owner, [never](ui::WorkerContext&) { WaitForSingleObject(never, INFINITE); })) return 2;
    if (worker.stop(300)) return 3;  // it cannot have ended: it must be detached
    DestroyWindow(owner);
  }
  if (ui::Worker::detachedCount() != 1) return 4;
  if (std::strstr(commandLine, "terminate") != nullptr) ui::exitNowIfWorkersDetached(7);
  return 0;
}
