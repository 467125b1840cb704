// catalog_listing: writes every row of the component catalog to standard
// output as tab-separated text, or with --base the file server's base address
// in use (ZEPHRION_FILE_SERVER or the built-in default).

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "components/catalog_listing.h"
#include "components/file_server.h"

namespace {

int writeAll(const std::string& text) {
  if (text.empty()) {
    return 0;
  }
  const size_t written = std::fwrite(text.data(), 1, text.size(), stdout);
  return written == text.size() && std::fflush(stdout) == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Lines end in "\n" alone, whatever reads them.
  _setmode(_fileno(stdout), _O_BINARY);

  if (argc == 2 && std::strcmp(argv[1], "--base") == 0) {
    return writeAll(components::file_server::baseAddress() + "\n");
  }
  if (argc != 1) {
    std::fputs("usage: catalog_listing [--base]\n", stderr);
    return 2;
  }
  return writeAll(components::catalog_listing::listing());
}
