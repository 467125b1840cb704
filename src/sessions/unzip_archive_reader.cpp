#include "sessions/unzip_archive_reader.h"

#include <cstring>

UnzipArchiveReader::UnzipArchiveReader() : buffer_(new char[kBufferSize]) {}

UnzipArchiveReader::~UnzipArchiveReader() {
  if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
}

zlib_filefunc64_def UnzipArchiveReader::functions() {
  zlib_filefunc64_def def{};
  def.zopen64_file = &UnzipArchiveReader::open;
  def.zread_file = &UnzipArchiveReader::read;
  def.zwrite_file = &UnzipArchiveReader::write;
  def.ztell64_file = &UnzipArchiveReader::tell;
  def.zseek64_file = &UnzipArchiveReader::seek;
  def.zclose_file = &UnzipArchiveReader::close;
  def.zerror_file = &UnzipArchiveReader::error;
  def.opaque = this;
  return def;
}

voidpf ZCALLBACK UnzipArchiveReader::open(voidpf opaque, const void* filename, int mode) {
  auto* self = static_cast<UnzipArchiveReader*>(opaque);
  // Reading only, and one archive at a time.
  if (filename == nullptr || self->file_ != INVALID_HANDLE_VALUE) return nullptr;
  if ((mode & ZLIB_FILEFUNC_MODE_READWRITEFILTER) != ZLIB_FILEFUNC_MODE_READ) return nullptr;
  HANDLE file = CreateFileA(static_cast<const char*>(filename), GENERIC_READ, FILE_SHARE_READ, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  LARGE_INTEGER size;
  if (!GetFileSizeEx(file, &size)) {
    CloseHandle(file);
    return nullptr;
  }
  self->file_ = file;
  self->size_ = static_cast<ULONGLONG>(size.QuadPart);
  self->position_ = 0;
  self->bufferStart_ = 0;
  self->bufferLength_ = 0;
  self->failed_ = false;
  return self;
}

bool UnzipArchiveReader::fill(ULONGLONG offset) {
  OVERLAPPED at{};
  at.Offset = static_cast<DWORD>(offset);
  at.OffsetHigh = static_cast<DWORD>(offset >> 32);
  DWORD got = 0;
  bufferStart_ = offset;
  bufferLength_ = 0;
  if (!ReadFile(file_, buffer_.get(), kBufferSize, &got, &at) && GetLastError() != ERROR_HANDLE_EOF) {
    failed_ = true;
    return false;
  }
  bufferLength_ = got;
  return got > 0;
}

uLong UnzipArchiveReader::readAt(void* buf, uLong size) {
  char* out = static_cast<char*>(buf);
  uLong done = 0;
  while (done < size) {
    const bool inBuffer = position_ >= bufferStart_ && position_ < bufferStart_ + bufferLength_;
    if (!inBuffer && !fill(position_)) break;
    const DWORD offset = static_cast<DWORD>(position_ - bufferStart_);
    DWORD take = bufferLength_ - offset;
    if (take > size - done) take = size - done;
    std::memcpy(out + done, buffer_.get() + offset, take);
    done += take;
    position_ += take;
  }
  return done;
}

uLong ZCALLBACK UnzipArchiveReader::read(voidpf opaque, voidpf, void* buf, uLong size) {
  return static_cast<UnzipArchiveReader*>(opaque)->readAt(buf, size);
}

uLong ZCALLBACK UnzipArchiveReader::write(voidpf, voidpf, const void*, uLong) { return 0; }

ZPOS64_T ZCALLBACK UnzipArchiveReader::tell(voidpf opaque, voidpf) {
  return static_cast<UnzipArchiveReader*>(opaque)->position_;
}

long ZCALLBACK UnzipArchiveReader::seek(voidpf opaque, voidpf, ZPOS64_T offset, int origin) {
  auto* self = static_cast<UnzipArchiveReader*>(opaque);
  ULONGLONG base = 0;
  switch (origin) {
    case ZLIB_FILEFUNC_SEEK_SET: base = 0; break;
    case ZLIB_FILEFUNC_SEEK_CUR: base = self->position_; break;
    case ZLIB_FILEFUNC_SEEK_END: base = self->size_; break;
    default: return -1;
  }
  // Only the position moves; the next read fetches what it needs.
  self->position_ = base + offset;
  return 0;
}

int ZCALLBACK UnzipArchiveReader::close(voidpf opaque, voidpf) {
  auto* self = static_cast<UnzipArchiveReader*>(opaque);
  if (self->file_ != INVALID_HANDLE_VALUE) CloseHandle(self->file_);
  self->file_ = INVALID_HANDLE_VALUE;
  self->bufferLength_ = 0;
  return 0;
}

int ZCALLBACK UnzipArchiveReader::error(voidpf opaque, voidpf) {
  return static_cast<UnzipArchiveReader*>(opaque)->failed_ ? 1 : 0;
}
