#pragma once
// The file layer under minizip when it reads an archive. minizip reads the
// central directory a few bytes at a time and entry data 16 KiB at a time,
// seeking before every read; straight to the system that is one or two calls
// per request. This layer keeps the archive's position itself and serves the
// requests from one fixed read-ahead buffer, so the system sees one
// positioned read per buffer's worth of archive.

#include <windows.h>

#include <memory>

#include "ioapi.h"

class UnzipArchiveReader {
 public:
  static constexpr DWORD kBufferSize = 256 * 1024;

  UnzipArchiveReader();
  ~UnzipArchiveReader();

  UnzipArchiveReader(const UnzipArchiveReader&) = delete;
  UnzipArchiveReader& operator=(const UnzipArchiveReader&) = delete;

  // The functions to hand to unzOpen2_64; one archive at a time.
  zlib_filefunc64_def functions();

 private:
  static voidpf ZCALLBACK open(voidpf opaque, const void* filename, int mode);
  static uLong ZCALLBACK read(voidpf opaque, voidpf stream, void* buf, uLong size);
  static uLong ZCALLBACK write(voidpf opaque, voidpf stream, const void* buf, uLong size);
  static ZPOS64_T ZCALLBACK tell(voidpf opaque, voidpf stream);
  static long ZCALLBACK seek(voidpf opaque, voidpf stream, ZPOS64_T offset, int origin);
  static int ZCALLBACK close(voidpf opaque, voidpf stream);
  static int ZCALLBACK error(voidpf opaque, voidpf stream);

  uLong readAt(void* buf, uLong size);
  bool fill(ULONGLONG offset);

  HANDLE file_ = INVALID_HANDLE_VALUE;
  ULONGLONG size_ = 0;
  ULONGLONG position_ = 0;
  std::unique_ptr<char[]> buffer_;
  ULONGLONG bufferStart_ = 0;
  DWORD bufferLength_ = 0;
  bool failed_ = false;
};
