// The run's file server seen from the Windows side through WinINet, the way
// the installer downloads: the served bytes arrive whole, blanks in paths
// work, and a fault set with one request changes the next answer.
#include <gtest/gtest.h>

#include <windows.h>
#include <wininet.h>

#include <fstream>
#include <sstream>
#include <string>

#include "e2e/world_helpers.h"
#include "support/process.h"

namespace {

std::string serverAddress() {
  std::ifstream in(testsupport::toWindowsPath(ZW_FILE_SERVER_ADDRESS_FILE));
  std::string address;
  std::getline(in, address);
  return address;
}

struct Answer {
  DWORD status = 0;
  std::string body;
};

Answer fetch(const std::string& url) {
  Answer answer;
  HINTERNET session = InternetOpenA("Internet Session", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  if (session == nullptr) return answer;
  HINTERNET request = InternetOpenUrlA(session, url.c_str(), nullptr, 0,
                                       INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE |
                                           INTERNET_FLAG_NO_AUTO_REDIRECT,
                                       0);
  if (request != nullptr) {
    DWORD size = sizeof(answer.status);
    HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &answer.status, &size, nullptr);
    char buffer[65536];
    DWORD read = 0;
    while (InternetReadFile(request, buffer, sizeof(buffer), &read) && read > 0) answer.body.append(buffer, read);
    InternetCloseHandle(request);
  }
  InternetCloseHandle(session);
  return answer;
}

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

TEST(WorldServer, ServesTheWorldsFilesToWinInet) {
  const std::string base = serverAddress();
  ASSERT_EQ(0u, base.rfind("http://127.0.0.1:", 0)) << base;
  const std::string path = "/zephrion/files/ZephrionPreRequisites/vc2005sp1 - redist_x86.exe";
  const Answer answer = fetch(base + path);
  EXPECT_EQ(200u, answer.status);
  EXPECT_TRUE(answer.body == fileBytes(world::servedFile(path))) << "the served bytes differ";
}

TEST(WorldServer, FaultSetInOneRequestAnswersTheNext) {
  const std::string base = serverAddress();
  const std::string path = "/zephrion/files/InstallerRepositories/Zephrion12.0/760/PythonPackages/760Py27Packages.txt";
  ASSERT_EQ(200u, fetch(base + "/_fault?kind=status&code=404&count=1&path=" + path).status);
  EXPECT_EQ(404u, fetch(base + path).status);
  EXPECT_EQ(200u, fetch(base + path).status);
  ASSERT_EQ(200u, fetch(base + "/_fault?kind=redirect&code=302&count=1&path=" + path).status);
  EXPECT_EQ(302u, fetch(base + path).status);
}

}  // namespace
