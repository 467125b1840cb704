#include "app/folders.h"

#include <map>

#include "app/folder_walk.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "support/process.h"
#include "support/test_files.h"
#include "support/unix_side.h"

namespace {

using app::createFolderPath;
using app::deleteFolderTree;
using app::fileExists;
using app::folderExists;

using testsupport::writeFile;

class FoldersTest : public testing::Test {
 protected:
  void SetUp() override {
    unixRoot_ = testsupport::freshUnixSandbox("folders");
    ASSERT_FALSE(unixRoot_.empty()) << "no test sandbox";
    root_ = testsupport::toWindowsPath(unixRoot_);
  }
  std::string unixRoot_;
  std::string root_;
};

TEST_F(FoldersTest, CreateFolderPathMakesEveryMissingParent) {
  const std::string deep = root_ + "\\a/b\\c";
  EXPECT_TRUE(createFolderPath(deep.c_str()));
  EXPECT_TRUE(folderExists((root_ + "\\a\\b\\c").c_str()));
  EXPECT_TRUE(createFolderPath(deep.c_str())) << "an existing folder is fine";
  EXPECT_FALSE(createFolderPath(nullptr));
}

TEST_F(FoldersTest, CreateFolderPathReportsAFolderItCouldNotMake) {
  writeFile(root_ + "\\file");
  EXPECT_FALSE(createFolderPath((root_ + "\\file\\sub").c_str()));
}

TEST_F(FoldersTest, DeleteFolderTreeRefusesShortPathsAndMissingSubstrings) {
  const std::string folder = root_ + "\\keep";
  ASSERT_TRUE(createFolderPath(folder.c_str()));
  struct Case {
    const char* folder;
    const char* required;
  } cases[] = {
      {nullptr, "keep"},
      {folder.c_str(), nullptr},
      {folder.c_str(), "elsewhere"},
      {"Z:\\abc", "abc"},  // six characters: too short to be deleted
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(deleteFolderTree(c.folder, c.required)) << (c.folder ? c.folder : "(null)");
  }
  EXPECT_TRUE(folderExists(folder.c_str()));
}

TEST_F(FoldersTest, DeleteFolderTreeRemovesNestedContentAndReadOnlyFiles) {
  const std::string tree = root_ + "\\tree";
  ASSERT_TRUE(createFolderPath((tree + "\\x\\y").c_str()));
  writeFile(tree + "\\x\\y\\deep.txt");
  writeFile(tree + "\\locked.txt");
  SetFileAttributesA((tree + "\\locked.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(deleteFolderTree(tree.c_str(), "tree"));
  EXPECT_FALSE(folderExists(tree.c_str()));
  EXPECT_TRUE(deleteFolderTree(tree.c_str(), "tree")) << "a folder that is not there counts as deleted";
}

TEST_F(FoldersTest, DeleteFolderTreeNeverEntersALinkedFolder) {
  // Wine shows a Linux symbolic link to a folder as a reparse point but
  // cannot remove the link itself; what matters is that the target survives.
  ASSERT_TRUE(testsupport::runUnixCommand("/bin/mkdir -p " + unixRoot_ + "/outside " + unixRoot_ + "/tree/sub"));
  writeFile(root_ + "\\outside\\precious.txt");
  ASSERT_TRUE(testsupport::runUnixCommand("/bin/ln -s " + unixRoot_ + "/outside " + unixRoot_ + "/tree/sub/link"));
  deleteFolderTree((root_ + "\\tree").c_str(), "tree");
  EXPECT_TRUE(fileExists((root_ + "\\outside\\precious.txt").c_str()));
}

// An in-memory tree for the walker: a junction is removed as a link and never
// listed, whatever it points at.
struct FakeTree {
  std::map<std::string, std::vector<app::FolderEntry>> folders;
  std::vector<std::string> listed, removedDirectories, deletedFiles;

  app::FolderWalkOps ops() {
    app::FolderWalkOps o;
    o.listEntries = [this](const std::string& folder) {
      listed.push_back(folder);
      auto it = folders.find(folder);
      return it == folders.end() ? std::vector<app::FolderEntry>{} : it->second;
    };
    o.removeDirectory = [this](const std::string& path) {
      removedDirectories.push_back(path);
      folders.erase(path);
      return true;
    };
    o.deleteFile = [this](const std::string& path) {
      deletedFiles.push_back(path);
      return true;
    };
    o.setArchiveAttribute = [](const std::string&) {};
    o.pathExists = [this](const std::string& path) { return folders.count(path) > 0; };
    return o;
  }
};

TEST(FolderWalkTest, JunctionsAndLinksAreRemovedWithoutBeingEntered) {
  FakeTree tree;
  tree.folders["C:\\work\\tree"] = {{"junction", FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT},
                                    {"filelink", FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_REPARSE_POINT},
                                    {"sub", FILE_ATTRIBUTE_DIRECTORY},
                                    {"plain.txt", FILE_ATTRIBUTE_ARCHIVE}};
  tree.folders["C:\\work\\tree/sub"] = {};
  EXPECT_TRUE(app::deleteFolderTreeWith(tree.ops(), "C:\\work\\tree", "tree"));
  EXPECT_EQ(tree.listed, (std::vector<std::string>{"C:\\work\\tree", "C:\\work\\tree/sub"}));
  EXPECT_EQ(tree.removedDirectories,
            (std::vector<std::string>{"C:\\work\\tree/junction", "C:\\work\\tree/sub", "C:\\work\\tree"}));
  EXPECT_EQ(tree.deletedFiles, (std::vector<std::string>{"C:\\work\\tree/filelink", "C:\\work\\tree/plain.txt"}));
}

TEST(FolderWalkTest, AFolderThatStaysIsReportedAsAFailure) {
  FakeTree tree;
  tree.folders["C:\\work\\stuck"] = {};
  app::FolderWalkOps ops = tree.ops();
  ops.removeDirectory = [](const std::string&) { return false; };
  EXPECT_FALSE(app::deleteFolderTreeWith(ops, "C:\\work\\stuck", "stuck"));
}

TEST_F(FoldersTest, WriteTestCreatesNothingAndRemovesALeftoverTestFile) {
  writeFile(root_ + "\\testFile.txt");
  SetFileAttributesA((root_ + "\\testFile.txt").c_str(), FILE_ATTRIBUTE_READONLY);
  EXPECT_TRUE(app::isFolderWritable(root_.c_str()));
  EXPECT_FALSE(fileExists((root_ + "\\testFile.txt").c_str()));
}

TEST_F(FoldersTest, WriteTestFailsOnAFolderThatCannotBeWritten) {
  const std::string unixFolder = unixRoot_ + "/readonly";
  ASSERT_TRUE(testsupport::runUnixCommand("/bin/mkdir -p " + unixFolder));
  ASSERT_TRUE(testsupport::setUnixFolderReadOnly(unixFolder, true));
  EXPECT_FALSE(app::isFolderWritable(testsupport::toWindowsPath(unixFolder).c_str()));
  testsupport::setUnixFolderReadOnly(unixFolder, false);
}

}  // namespace
