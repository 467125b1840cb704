// Rules that hold for every row of the catalog, and the name lookups the
// per-component operations rely on.

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "components/catalog.h"
#include "components/component_names.h"
#include "components/file_server.h"
#include "components/help_files.h"
#include "server_address_guard.h"

namespace {

using components::CatalogEntry;
using components::ComponentRow;
using components::InstalledBy;
namespace catalog = components::catalog;

constexpr const char* kApplicationFolder = "C:\\Program Files (x86)\\Zephrion Installer";

std::vector<CatalogEntry> allEntries() {
  std::vector<CatalogEntry> all;
  for (const auto& group : catalog::groups()) {
    all.insert(all.end(), group.entries.begin(), group.entries.end());
  }
  const auto help = components::help_files::helpFileEntries();
  all.insert(all.end(), help.begin(), help.end());
  return all;
}

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }
bool endsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

TEST(CatalogInvariantsTest, EveryRowsAddressEndsWithItsFileAndItsFolderLiesInTheDataFolder) {
  ServerAddressGuard server(std::nullopt);
  const std::string base = "http://files.zephrion.example";
  const std::string dataFolder = std::string(kApplicationFolder) + "\\_ZephrionInstallData\\";
  for (const CatalogEntry& entry : allEntries()) {
    SCOPED_TRACE(entry.group + " / " + entry.name);
    const ComponentRow row = catalog::makeRow(entry, kApplicationFolder);
    EXPECT_FALSE(row.getName().empty());
    EXPECT_FALSE(row.getFileName().empty());
    EXPECT_TRUE(endsWith(row.getDownloadUrl(), row.getFileName()));
    EXPECT_EQ(row.getDownloadUrl(), base + entry.serverPath());
    // Every folder lies below "/zephrion/files/" except RT Supervisor's.
    if (entry.name == components::names::kRtSupervisor1_0_0_1_3587) {
      EXPECT_EQ(entry.serverFolder, "/zephrion/RTSupervisor/");
    } else {
      EXPECT_TRUE(startsWith(entry.serverFolder, "/zephrion/files/"));
    }
    EXPECT_TRUE(endsWith(entry.serverFolder, "/"));
    EXPECT_EQ(entry.serverFolder.find("//"), std::string::npos);

    EXPECT_TRUE(startsWith(row.getDownloadFolder(), dataFolder)) << row.getDownloadFolder();
    const std::string subfolder = row.getDownloadFolder().substr(dataFolder.size());
    EXPECT_EQ(subfolder, entry.downloadSubfolder);
    EXPECT_FALSE(subfolder.empty());
    EXPECT_NE(subfolder.front(), '\\');
    EXPECT_NE(subfolder.back(), '\\');
    EXPECT_EQ(subfolder.find('/'), std::string::npos);
    EXPECT_EQ(subfolder.find(".."), std::string::npos);

    EXPECT_EQ(row.getInstallArguments(), entry.installArguments);
    EXPECT_EQ(row.isMsiPackage(), entry.isMsiPackage);
    EXPECT_EQ(row.getGroup(), entry.group);
    EXPECT_EQ(row.sizeHint(), 0);
    EXPECT_EQ(row.refreshOnDownload(), entry.refreshOnDownload);
  }
}

TEST(CatalogInvariantsTest, InstallArgumentsKeepEveryBlank) {
  // Any trimming or collapsing anywhere would add or lose a value here.
  const std::set<std::string> expected = {
      "",          " ",         " /q:a ",  "/passive ALLUSERS=1", "/passive InstallAllUsers=1",
      " /quiet ",  " /passive ", " /passive", " \\silent",           "/passive",
  };
  std::set<std::string> seen;
  std::map<std::string, int> counts;
  for (const CatalogEntry& entry : allEntries()) {
    seen.insert(entry.installArguments);
    ++counts[entry.installArguments];
  }
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(counts[" /q:a "], 5);
  EXPECT_EQ(counts[" \\silent"], 1);
}

TEST(CatalogInvariantsTest, NamesAreUniqueWithinEachGroup) {
  for (const auto& group : catalog::groups()) {
    std::set<std::string> names;
    for (const CatalogEntry& entry : group.entries) {
      EXPECT_TRUE(names.insert(entry.name).second) << group.name << ": " << entry.name;
    }
  }
  std::set<std::string> helpNames;
  for (const CatalogEntry& entry : components::help_files::helpFileEntries()) {
    EXPECT_TRUE(helpNames.insert(entry.name).second) << entry.name;
  }
}

TEST(CatalogInvariantsTest, NamesDifferAlsoIgnoringCaseAcrossGroups) {
  // The per-component operations ignore case: two different components must
  // not collide that way. The same name in two groups is the same component
  // and must carry the same data.
  std::map<std::string, const CatalogEntry*> byLowerName;
  for (const auto& group : catalog::groups()) {
    for (const CatalogEntry& entry : group.entries) {
      std::string lower = entry.name;
      for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      auto [it, inserted] = byLowerName.emplace(lower, &entry);
      if (!inserted) {
        const CatalogEntry& other = *it->second;
        EXPECT_EQ(other.name, entry.name);
        EXPECT_EQ(other.serverPath(), entry.serverPath());
        EXPECT_EQ(other.installArguments, entry.installArguments);
        EXPECT_EQ(other.downloadSubfolder, entry.downloadSubfolder);
        EXPECT_EQ(other.installedBy, entry.installedBy);
      }
    }
  }
}

// Who installs a component, told as a rule over the names rather than row by
// row: the recipe rows are the toolbox builds, the OpenCV archives and wheels,
// pythonnet, the suite modules, the archives and special setups of the
// utilities and drivers, the pip-installed wheels and Paint.net.
bool installedByRecipeRule(const CatalogEntry& entry) {
  const std::string& n = entry.name;
  if (entry.group == "3D Toolbox Vivid Sight" || entry.group == "3D Toolbox Vivid Sight (Python 36)") return true;
  static const std::set<std::string> named = {
      "OpenCV 2.4.9 (Python 27)", "OpenCV 3.0.0", "OpenCV 3.1.0", "OpenCV 3.2.0", "OpenCV 3.3.0", "OpenCV 3.3.1",
      "OpenCV 3.4.0", "pythonnet-2.3.0-cp27-cp27m-win32", "pythonnet-2.3.0-cp36-cp36m-win32",
      "Zephrion 2018.0.0.992 IPP", "Zephrion Dartfin SMARTcard Config 4.0",
      "Zephrion Dartfin SMARTcard Program and Driver 5.0", "RT Supervisor 1.0.0.1(3587)",
      "OPC Scout (SIMATIC NET OPC-Client V6.2-3133)", "Zephrion OPC Server 1.0.0.7", "Imaging Source Camera Driver",
      "Zephrion Lumenix SDK XII 760 Installer", "pywin32-223-cp36-cp36m-win32", "pyserial-3.4-py2.py3-none-any",
      "pyserial-3.4-py2.py3-none-any-py36", "Paint.net 4.0.19", "Paint.net 4.2.12"};
  if (named.count(n) != 0) return true;
  if (startsWith(n, "opencv_python-") || startsWith(n, "opencv_contrib_python-")) return true;
  if ((startsWith(n, "scipy") || startsWith(n, "numpy")) && n != "scipy-0.16.1-python2.7" &&
      n != "numpy-1.10.2-python2.7") {
    return true;
  }
  if (startsWith(n, "Python 27 extension - ")) return n != "Python 27 extension - dxfgrabber";
  return startsWith(n, "Python 36 extension - ");
}

TEST(CatalogInvariantsTest, RecipeRowsAreExactlyTheOnesTheRuleNames) {
  for (const auto& group : catalog::groups()) {
    for (const CatalogEntry& entry : group.entries) {
      const InstalledBy expected = installedByRecipeRule(entry) ? InstalledBy::Recipe : InstalledBy::RunsFile;
      EXPECT_EQ(entry.installedBy, expected) << group.name << ": " << entry.name;
    }
  }
}

TEST(CatalogInvariantsTest, OperationsFindNamesIgnoringCaseAndPagesFindThemExactly) {
  EXPECT_TRUE(catalog::isCatalogName("tera term 4.88"));
  EXPECT_TRUE(catalog::isCatalogName("ZIDADO VUD 1.0.0.3 FILES"));
  EXPECT_TRUE(catalog::isCatalogName(components::names::kSharedMemoryCameraDriver));
  EXPECT_FALSE(catalog::isCatalogName("Tera Term 4.89"));
  EXPECT_FALSE(catalog::isCatalogName("Tera Term 4.88 "));
  EXPECT_FALSE(catalog::isCatalogName(""));

  EXPECT_EQ(catalog::installedByForName("shared memory camera driver"), InstalledBy::Recipe);
  EXPECT_EQ(catalog::installedByForName("OPENCV 3.4.0"), InstalledBy::Recipe);
  EXPECT_EQ(catalog::installedByForName("Adobe Acrobat Reader"), InstalledBy::RunsFile);
  EXPECT_EQ(catalog::installedByForName("Unknown Component"), std::nullopt);

  EXPECT_EQ(catalog::findEntry("Optional Utility Software", "Tera Term 4.88")->fileName, "teraterm-4.88.exe");
  EXPECT_EQ(catalog::findEntry("Zephrion IO System", "Tera Term 4.88"), nullptr);

  // The hidden components have operations but no row on any page.
  for (std::string_view name : catalog::namesBuiltByNoPage()) {
    for (const auto& group : catalog::groups()) {
      for (const CatalogEntry& entry : group.entries) EXPECT_NE(entry.name, name) << group.name;
    }
  }
}

TEST(CatalogInvariantsTest, OnlyToolboxListsAndReadmesSkipTheDetectionAfterInstall) {
  EXPECT_FALSE(catalog::installConfirmedByDetection("Vivid Sight 1.0.0.333 - Templates"));
  EXPECT_FALSE(catalog::installConfirmedByDetection("vivid sight 1.0.0.1114 - readme (python 36)"));
  EXPECT_FALSE(catalog::installConfirmedByDetection("Vivid Sight 1.0.0.819(02) - Demo Profiles (Python 36)"));
  EXPECT_TRUE(catalog::installConfirmedByDetection("Vivid Sight 1.0.0.333"));
  EXPECT_TRUE(catalog::installConfirmedByDetection("Python 2.7.9"));
  EXPECT_TRUE(catalog::installConfirmedByDetection("Not In The Catalog - Templates"));
}

}  // namespace
