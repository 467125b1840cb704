// Stands in for the suite's own programs (Zephrion.exe, the test
// applications...) and for the programs that open documents and addresses:
// it only logs how it was started. ZEPHRION_STUB_LINGER_MS keeps it running
// for callers that wait for the process to appear.
#include <windows.h>

#include <cstdlib>

#include "stub_common.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  stubs::logCommandLine();
  wchar_t linger[32] = {};
  if (GetEnvironmentVariableW(L"ZEPHRION_STUB_LINGER_MS", linger, 32) > 0) {
    Sleep(static_cast<DWORD>(std::wcstoul(linger, nullptr, 10)));
  }
  return 0;
}
