// Times one extraction of an archive inside the process, so that Wine's
// process start stays out of the figure. Prints "seconds <wall> cpu <cpu>"
// (the process's user and kernel time during the extraction) and exits 0 on
// success.
//   unzip_bench.exe <archive> <folder> [class|plain|inflate]
// "class" runs CUnzipper::unzip. "plain" runs the straightforward minizip
// loop the class replaced (minizip's stdio file layer, 2048-byte blocks,
// every folder checked for every file, the file opened again to date it),
// kept as the reference point for where the time goes. "inflate" reads and
// inflates every entry and writes nothing.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "sessions/unzipper.h"
#include "unzip.h"

namespace {

bool plainUnzip(const char* zipPath, const std::string& folder) {
  unzFile zip = unzOpen(zipPath);
  if (zip == nullptr) return false;
  bool ok = CUnzipper::createFolder(folder.c_str()) && unzGoToFirstFile(zip) == UNZ_OK;
  char block[2048];
  while (ok) {
    unz_file_info info;
    char name[MAX_PATH + 1] = {};
    if (unzGetCurrentFileInfo(zip, &info, name, MAX_PATH, nullptr, 0, nullptr, 0) != UNZ_OK) return false;
    for (char* c = name; *c != '\0'; ++c) {
      if (*c == '/') *c = '\\';
    }
    std::string path = folder + "\\" + name;
    if ((info.external_fa & FILE_ATTRIBUTE_DIRECTORY) != 0) {
      if (path.back() == '\\') path.pop_back();
      ok = CUnzipper::createFolder(path.c_str());
    } else {
      ok = CUnzipper::createParentFolder(path.c_str());
      HANDLE file = ok ? CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                     nullptr)
                       : INVALID_HANDLE_VALUE;
      ok = file != INVALID_HANDLE_VALUE && unzOpenCurrentFile(zip) == UNZ_OK;
      for (int read; ok && (read = unzReadCurrentFile(zip, block, sizeof block)) != 0;) {
        DWORD written = 0;
        ok = read > 0 && WriteFile(file, block, static_cast<DWORD>(read), &written, nullptr) &&
             written == static_cast<DWORD>(read);
      }
      unzCloseCurrentFile(zip);
      if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
      if (ok) CUnzipper::setFileTimeFromZip(path.c_str(), info.dosDate);
    }
    if (ok && unzGoToNextFile(zip) != UNZ_OK) break;
  }
  unzClose(zip);
  return ok;
}

// Reads and inflates every entry the way the class does, writing nothing:
// the part of the time that is not the file system's.
bool inflateOnly(const char* zipPath) {
  UnzipArchiveReader reader;
  zlib_filefunc64_def functions = reader.functions();
  unzFile zip = unzOpen2_64(zipPath, &functions);
  if (zip == nullptr) return false;
  static char block[256 * 1024];
  bool ok = unzGoToFirstFile(zip) == UNZ_OK;
  while (ok) {
    ok = unzOpenCurrentFile(zip) == UNZ_OK;
    for (int read; ok && (read = unzReadCurrentFile(zip, block, sizeof block)) != 0;) ok = read > 0;
    if (unzCloseCurrentFile(zip) != UNZ_OK) ok = false;
    if (ok && unzGoToNextFile(zip) != UNZ_OK) break;
  }
  unzClose(zip);
  return ok;
}

// User and kernel time of this process's threads so far.
double processCpuSeconds() {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) return 0;
  auto seconds = [](const FILETIME& t) {
    return static_cast<double>((static_cast<ULONGLONG>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: unzip_bench <archive> <folder> [class|plain]\n");
    return 2;
  }
  const std::string mode = argc > 3 ? argv[3] : "class";
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  const double cpuBefore = processCpuSeconds();
  QueryPerformanceCounter(&start);
  const bool ok = mode == "plain"     ? plainUnzip(argv[1], argv[2])
                  : mode == "inflate" ? inflateOnly(argv[1])
                                      : CUnzipper::unzip(argv[1], argv[2]);
  QueryPerformanceCounter(&end);
  const double cpu = processCpuSeconds() - cpuBefore;
  const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  std::printf("seconds %.4f cpu %.4f\n", seconds, cpu);
  std::fflush(stdout);
  return ok ? 0 : 1;
}
