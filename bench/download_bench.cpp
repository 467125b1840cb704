// Times one silent download (sessions::downloadFile) inside the process, so
// that Wine's process start stays out of the figure, as curl's own speed
// leaves out curl's start. Prints "seconds <wall> bytes <size>" and exits 0
// when the file arrived.
//   download_bench.exe <url> <folder> <file name>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "sessions/download_file.h"

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: download_bench <url> <folder> <file name>\n");
    return 2;
  }
  const std::string url = argv[1];
  const std::string folder = argv[2];
  const std::string fileName = argv[3];
  const std::string path = folder + "\\" + fileName;
  DeleteFileA(path.c_str());
  DeleteFileA((path + "bk").c_str());

  std::atomic<bool> stop{false};
  LARGE_INTEGER frequency;
  LARGE_INTEGER start;
  LARGE_INTEGER end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  const int result = sessions::downloadFile(folder, fileName, stop, url);
  QueryPerformanceCounter(&end);
  if (result != 1) {
    std::fprintf(stderr, "downloadFile returned %d\n", result);
    return 1;
  }
  WIN32_FILE_ATTRIBUTE_DATA data{};
  GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
  const unsigned long long size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  const double seconds = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  std::printf("seconds %.4f bytes %llu\n", seconds, size);
  DeleteFileA(path.c_str());
  DeleteFileA((path + "bk").c_str());
  return 0;
}
