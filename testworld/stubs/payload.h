#pragma once
// The payload the world generator appends to a stub's exe: named entries (the
// manifest, an MSI package, the uninstaller, stub programs to lay down).
//
// Layout after the exe's own bytes:
//   "ZWPAYLOAD1\n", then per entry "<name>\n<size>\n<size bytes>",
//   then an 8-byte little-endian offset of "ZWPAYLOAD1" and "ZWTRAIL1".

#include <map>
#include <string>

namespace stubs {

class Payload {
 public:
  // Reads the payload appended to the exe at `exePath`; false when it has none.
  bool load(const std::wstring& exePath);

  bool has(const std::string& name) const { return entries_.count(name) != 0; }
  const std::string& entry(const std::string& name) const;
  // The raw payload bytes (everything after the exe's own bytes, without the
  // trailer): appended unchanged to the uninstaller so it knows the same manifest.
  const std::string& raw() const { return raw_; }

  // `exeBytes` followed by `raw` and a trailer.
  static std::string appendTo(const std::string& exeBytes, const std::string& raw);

 private:
  std::map<std::string, std::string> entries_;
  std::string raw_;
};

}  // namespace stubs
