#pragma once
// Whole-file reads and writes for test fixtures.

#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

inline std::string readFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void writeFile(const std::string& path, const std::string& text = "x") {
  std::ofstream out(path, std::ios::binary);
  out << text;
}

}  // namespace testsupport
