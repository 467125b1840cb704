#include "payload.h"

#include <cstdint>
#include <cstring>

#include "stub_common.h"

namespace stubs {

namespace {

constexpr char kHeader[] = "ZWPAYLOAD1\n";
constexpr char kTrailerMagic[] = "ZWTRAIL1";
constexpr size_t kTrailerSize = 16;

bool readLine(const std::string& bytes, size_t& position, std::string& line) {
  const size_t end = bytes.find('\n', position);
  if (end == std::string::npos) return false;
  line = bytes.substr(position, end - position);
  position = end + 1;
  return true;
}

}  // namespace

bool Payload::load(const std::wstring& exePath) {
  std::string bytes;
  if (!readWholeFile(exePath, bytes) || bytes.size() < kTrailerSize) return false;
  if (std::memcmp(bytes.data() + bytes.size() - 8, kTrailerMagic, 8) != 0) return false;
  uint64_t offset = 0;
  for (int i = 7; i >= 0; --i) {
    offset = (offset << 8) | static_cast<unsigned char>(bytes[bytes.size() - kTrailerSize + static_cast<size_t>(i)]);
  }
  const size_t end = bytes.size() - kTrailerSize;
  if (offset > end || bytes.compare(static_cast<size_t>(offset), sizeof(kHeader) - 1, kHeader) != 0) return false;
  raw_ = bytes.substr(static_cast<size_t>(offset), end - static_cast<size_t>(offset));
  size_t position = sizeof(kHeader) - 1;
  while (position < raw_.size()) {
    std::string name, sizeText;
    if (!readLine(raw_, position, name) || !readLine(raw_, position, sizeText)) return false;
    const size_t size = static_cast<size_t>(std::strtoull(sizeText.c_str(), nullptr, 10));
    if (position + size > raw_.size()) return false;
    entries_[name] = raw_.substr(position, size);
    position += size;
  }
  return true;
}

const std::string& Payload::entry(const std::string& name) const {
  static const std::string empty;
  const auto found = entries_.find(name);
  return found == entries_.end() ? empty : found->second;
}

std::string Payload::appendTo(const std::string& exeBytes, const std::string& raw) {
  std::string result = exeBytes + raw;
  uint64_t offset = exeBytes.size();
  for (int i = 0; i < 8; ++i) {
    result.push_back(static_cast<char>(offset & 0xff));
    offset >>= 8;
  }
  result.append(kTrailerMagic, 8);
  return result;
}

}  // namespace stubs
