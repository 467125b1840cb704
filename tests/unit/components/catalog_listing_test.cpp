#include "components/catalog_listing.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "server_address_guard.h"

namespace {

std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> fieldsOf(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (size_t tab = line.find('\t'); tab != std::string::npos; tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

TEST(CatalogListingTest, ListsEveryRowUnderTheAgreedHeader) {
  ServerAddressGuard server(std::nullopt);
  const std::string text = components::catalog_listing::listing();
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(text.back(), '\n');
  EXPECT_EQ(text.find('\r'), std::string::npos);

  const auto lines = linesOf(text);
  ASSERT_EQ(lines.size(), 1u + 192u + 21u);
  EXPECT_EQ(lines[0], "group\tname\tserverPath\tfileName\tinstallArguments\tdownloadFolder\tisMsiPackage\tinstalledBy");
  EXPECT_EQ(lines[1],
            "Prerequisites\tMS VC++ 2005 SP1 Redist\t/zephrion/files/ZephrionPreRequisites/vc2005sp1 - redist_x86.exe\t"
            "vc2005sp1 - redist_x86.exe\t /q:a \tPrerequisites\t0\truns file");
  for (const std::string& line : lines) {
    EXPECT_EQ(fieldsOf(line).size(), 8u) << line;
  }
  EXPECT_NE(text.find("Optional Utility Software\tRT Supervisor 1.0.0.1(3587)\t/zephrion/RTSupervisor/"
                      "RTSupervisor_1.0.0.1(3587).zip\tRTSupervisor_1.0.0.1(3587).zip\t\tUtilities\t0\trecipe\n"),
            std::string::npos);
  EXPECT_NE(text.find("\tExtensionsPY27\\Python2D\t1\truns file\n"), std::string::npos);
  EXPECT_EQ(fieldsOf(lines.back())[0], "Help Files");
  EXPECT_EQ(fieldsOf(lines.back())[7], "download only");
}

TEST(CatalogListingTest, ServerPathsDoNotDependOnTheBaseAddress) {
  std::string builtIn;
  {
    ServerAddressGuard server(std::nullopt);
    builtIn = components::catalog_listing::listing();
  }
  ServerAddressGuard server(std::string("http://127.0.0.1:8080"));
  EXPECT_EQ(components::catalog_listing::listing(), builtIn);
}

}  // namespace
