#include "sessions/unzipper.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/debug_log.h"
#include "support/test_files.h"
#include "zip.h"

namespace {

// 2019-06-15 10:20:30 in MS-DOS form (date high, time low).
constexpr DWORD kEntryDate = ((2019u - 1980u) << 25) | (6u << 21) | (15u << 16) | (10u << 11) | (20u << 5) | 15u;

struct Entry {
  std::string name;
  std::string data;
  bool folder = false;        // sets the MS-DOS directory attribute
  DWORD dosDate = kEntryDate;
  bool corruptCrc = false;    // stored as is, with a checksum that does not match
};

// Writes an archive with minizip's writer.
bool writeArchive(const std::string& path, const std::vector<Entry>& entries) {
  zipFile zip = zipOpen(path.c_str(), APPEND_STATUS_CREATE);
  if (zip == nullptr) return false;
  bool ok = true;
  for (const Entry& entry : entries) {
    zip_fileinfo info{};
    info.dosDate = entry.dosDate;
    info.external_fa = entry.folder ? FILE_ATTRIBUTE_DIRECTORY : FILE_ATTRIBUTE_ARCHIVE;
    const bool raw = entry.corruptCrc;
    ok = ok && zipOpenNewFileInZip2(zip, entry.name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr,
                                    raw || entry.folder ? 0 : Z_DEFLATED, raw || entry.folder ? 0 : 6,
                                    raw ? 1 : 0) == ZIP_OK;
    if (!entry.data.empty()) {
      ok = ok && zipWriteInFileInZip(zip, entry.data.data(), static_cast<unsigned>(entry.data.size())) == ZIP_OK;
    }
    if (raw) {
      ok = ok && zipCloseFileInZipRaw(zip, static_cast<uLong>(entry.data.size()), 0x12345678u) == ZIP_OK;
    } else {
      ok = ok && zipCloseFileInZip(zip) == ZIP_OK;
    }
  }
  return zipClose(zip, nullptr) == ZIP_OK && ok;
}

bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool isFolder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

using testsupport::readFile;
using testsupport::writeFile;

// Names directly inside a folder.
std::vector<std::string> listFolder(const std::string& folder) {
  std::vector<std::string> names;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::string name = found.cFileName;
    if (name != "." && name != "..") names.push_back(name);
  } while (FindNextFileA(search, &found));
  FindClose(search);
  std::sort(names.begin(), names.end());
  return names;
}

void deleteTree(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) return;
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 && (attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0) {
    for (const std::string& name : listFolder(path)) deleteTree(path + "\\" + name);
    RemoveDirectoryA(path.c_str());
  } else {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
  }
}

// Data that deflate cannot shrink, and data that it can.
std::string noise(size_t size, unsigned seed) {
  std::string data(size, '\0');
  unsigned state = seed * 2654435761u + 1;
  for (char& c : data) {
    state = state * 1664525u + 1013904223u;
    c = static_cast<char>(state >> 24);
  }
  return data;
}

std::string text(size_t size) {
  std::string data;
  for (int line = 0; data.size() < size; ++line) data += "line " + std::to_string(line) + " of the sample text\r\n";
  data.resize(size);
  return data;
}

// Each test works in its own folder under the temporary folder.
class UnzipperTest : public testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    sandbox_ = std::string(temp) + "unzipper_test_" + std::to_string(GetCurrentProcessId()) + "_" + test->name();
    for (char& c : sandbox_) {
      if (c == '/') c = '_';
    }
    deleteTree(sandbox_);
    ASSERT_TRUE(CreateDirectoryA(sandbox_.c_str(), nullptr));
    archive_ = sandbox_ + "\\pack.zip";
    target_ = sandbox_ + "\\out";
  }
  void TearDown() override { deleteTree(sandbox_); }

  std::string sandbox_;
  std::string archive_;
  std::string target_;
};

TEST_F(UnzipperTest, ArchiveWithoutEntriesFailsAndCreatesNothing) {
  // minizip cannot open a bare empty archive (its directory end sits at
  // offset 0); behind a stub, as in a self-extractor, it opens with no entries.
  ASSERT_TRUE(writeArchive(archive_, {}));
  EXPECT_FALSE(CUnzipper::unzip(archive_.c_str(), target_.c_str()));
  writeFile(archive_, "self-extractor stub " + readFile(archive_));
  CUnzipper unzipper;
  ASSERT_TRUE(unzipper.openZip(archive_.c_str()));
  EXPECT_FALSE(unzipper.gotoFirstFile());
  EXPECT_FALSE(unzipper.unzipTo(target_.c_str()));
  EXPECT_FALSE(CUnzipper::unzip(archive_.c_str(), target_.c_str()));
  EXPECT_EQ(listFolder(sandbox_), std::vector<std::string>{"pack.zip"});
}

TEST_F(UnzipperTest, UnzipWritesEveryEntryWithItsPathAndContent) {
  const std::string big = text(300 * 1024) + noise(700 * 1024, 1) + text(90 * 1024);
  ASSERT_TRUE(writeArchive(archive_, {{"top.txt", "top"},
                                      {"a/b/c.txt", "deep"},
                                      {"docs/", "", true},
                                      {"a/big.bin", big},
                                      {"empty.txt", ""},
                                      {"loose/", "", false}}));
  ASSERT_TRUE(CUnzipper::unzip(archive_.c_str(), target_.c_str()));
  EXPECT_EQ(readFile(target_ + "\\top.txt"), "top");
  // Both folders of a/b/c.txt are made although the archive has no entries for them.
  EXPECT_TRUE(isFolder(target_ + "\\a"));
  EXPECT_TRUE(isFolder(target_ + "\\a\\b"));
  EXPECT_EQ(readFile(target_ + "\\a\\b\\c.txt"), "deep");
  EXPECT_EQ(readFile(target_ + "\\a\\big.bin"), big);
  EXPECT_TRUE(exists(target_ + "\\empty.txt"));
  EXPECT_EQ(readFile(target_ + "\\empty.txt"), "");
  // Folder entries (by attribute, or by a trailing separator alone) make folders only.
  EXPECT_TRUE(isFolder(target_ + "\\docs"));
  EXPECT_TRUE(listFolder(target_ + "\\docs").empty());
  EXPECT_TRUE(isFolder(target_ + "\\loose"));
  EXPECT_EQ(listFolder(target_), (std::vector<std::string>{"a", "docs", "empty.txt", "loose", "top.txt"}));
}

TEST_F(UnzipperTest, EntryInformationComesFromTheCentralDirectory) {
  ASSERT_TRUE(writeArchive(archive_, {{"a/b/c.txt", "deep"}, {"docs/", "", true}}));
  CUnzipper unzipper;
  ASSERT_TRUE(unzipper.openZip(archive_.c_str()));
  ASSERT_TRUE(unzipper.gotoFirstFile());
  ZipEntryInfo info;
  ASSERT_TRUE(unzipper.getCurrentFileInfo(info));
  EXPECT_STREQ(info.name, "a\\b\\c.txt");
  EXPECT_EQ(info.uncompressedSize, 4u);
  EXPECT_EQ(info.dosDate, kEntryDate);
  EXPECT_EQ(info.compressionMethod, static_cast<DWORD>(Z_DEFLATED));
  EXPECT_FALSE(info.isFolder);
  ASSERT_TRUE(unzipper.gotoNextFile());
  ASSERT_TRUE(unzipper.getCurrentFileInfo(info));
  EXPECT_STREQ(info.name, "docs\\");
  EXPECT_TRUE(info.isFolder);
  EXPECT_FALSE(unzipper.gotoNextFile());
}

TEST_F(UnzipperTest, ExistingFileIsReplacedAndAReadOnlyOneFailsThatEntry) {
  ASSERT_TRUE(CreateDirectoryA(target_.c_str(), nullptr));
  writeFile(target_ + "\\old.txt", "previous content, longer than the new one");
  ASSERT_TRUE(writeArchive(archive_, {{"old.txt", "new"}}));
  ASSERT_TRUE(CUnzipper::unzip(archive_.c_str(), target_.c_str()));
  EXPECT_EQ(readFile(target_ + "\\old.txt"), "new");

  const std::string locked = target_ + "\\locked.txt";
  writeFile(locked, "keep me");
  ASSERT_TRUE(SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY));
  ASSERT_TRUE(writeArchive(archive_, {{"first.txt", "1"}, {"locked.txt", "replaced"}, {"after.txt", "3"}}));
  EXPECT_FALSE(CUnzipper::unzip(archive_.c_str(), target_.c_str()));
  EXPECT_EQ(readFile(locked), "keep me");
  EXPECT_EQ(readFile(target_ + "\\first.txt"), "1");  // entries before the failure stay
  EXPECT_FALSE(exists(target_ + "\\after.txt"));       // the run stops at the failed entry
  // No temporary file is left behind.
  EXPECT_EQ(listFolder(target_), (std::vector<std::string>{"first.txt", "locked.txt", "old.txt"}));
}

// A checksum error shows only after the last byte: a small entry fails in
// one piece, a large one after several blocks were already on disk.
TEST_F(UnzipperTest, DamagedEntryLeavesTheEarlierFileUnchanged) {
  for (const std::string& data : {std::string("flipped bytes"), noise(900 * 1024, 7)}) {
    SCOPED_TRACE(data.size());
    deleteTree(target_);
    ASSERT_TRUE(CreateDirectoryA(target_.c_str(), nullptr));
    writeFile(target_ + "\\lib.dll", "the good library");
    ASSERT_TRUE(writeArchive(archive_, {{"first.txt", "1"}, {"lib.dll", data, false, kEntryDate, true}, {"z.txt", "z"}}));
    EXPECT_FALSE(CUnzipper::unzip(archive_.c_str(), target_.c_str()));
    EXPECT_EQ(readFile(target_ + "\\lib.dll"), "the good library");
    EXPECT_EQ(listFolder(target_), (std::vector<std::string>{"first.txt", "lib.dll"}));
  }
}

TEST_F(UnzipperTest, ExtractedFileCarriesTheEntryTimeAsCreationAndLastWriteTime) {
  const DWORD winterDate = ((2001u - 1980u) << 25) | (1u << 21) | (2u << 16) | (3u << 11) | (4u << 5) | 5u;
  ASSERT_TRUE(writeArchive(archive_, {{"summer.txt", "s"}, {"winter.txt", "w", false, winterDate}}));
  ASSERT_TRUE(CUnzipper::unzip(archive_.c_str(), target_.c_str()));
  for (const auto& [name, date] : {std::pair{"summer.txt", kEntryDate}, std::pair{"winter.txt", winterDate}}) {
    SCOPED_TRACE(name);
    HANDLE file = CreateFileA((target_ + "\\" + name).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    FILETIME created, written;
    ASSERT_TRUE(GetFileTime(file, &created, nullptr, &written));
    CloseHandle(file);
    for (const FILETIME& utc : {created, written}) {
      FILETIME local;
      WORD dosDay = 0, dosTime = 0;
      ASSERT_TRUE(FileTimeToLocalFileTime(&utc, &local));
      ASSERT_TRUE(FileTimeToDosDateTime(&local, &dosDay, &dosTime));
      EXPECT_EQ(dosDay, HIWORD(date));
      EXPECT_EQ(dosTime, LOWORD(date));
    }
  }
}

TEST_F(UnzipperTest, WithoutAFolderTheEntryGoesBesideTheArchiveUnderItsBaseName) {
  ASSERT_TRUE(writeArchive(archive_, {{"inside/x.txt", "x"}}));
  CUnzipper unzipper;
  ASSERT_TRUE(unzipper.openZip(archive_.c_str()));
  EXPECT_EQ(unzipper.defaultOutputFolder(), sandbox_ + "\\pack");
  ASSERT_TRUE(unzipper.gotoFirstFile());
  ASSERT_TRUE(unzipper.unzipCurrentFile());
  EXPECT_EQ(readFile(sandbox_ + "\\pack\\inside\\x.txt"), "x");
  unzipper.closeZip();
  EXPECT_EQ(unzipper.defaultOutputFolder(), "");
  EXPECT_FALSE(unzipper.unzipCurrentFile());
}

TEST_F(UnzipperTest, RelativePathsAreTakenFromTheCurrentFolder) {
  ASSERT_TRUE(writeArchive(archive_, {{"sub/x.txt", "x"}}));
  char previous[MAX_PATH];
  ASSERT_GT(GetCurrentDirectoryA(MAX_PATH, previous), 0u);
  ASSERT_TRUE(SetCurrentDirectoryA(sandbox_.c_str()));
  const bool ok = CUnzipper::unzip("pack.zip", "rel");
  SetCurrentDirectoryA(previous);
  EXPECT_TRUE(ok);
  EXPECT_EQ(readFile(sandbox_ + "\\rel\\sub\\x.txt"), "x");
}

TEST_F(UnzipperTest, TargetNamedLikeAnExistingFileFailsBeforeAnyEntry) {
  writeFile(target_, "a file, not a folder");
  ASSERT_TRUE(writeArchive(archive_, {{"x.txt", "x"}}));
  platform::debug_capture::start();
  EXPECT_FALSE(CUnzipper::unzip(archive_.c_str(), target_.c_str()));
  EXPECT_TRUE(platform::debug_capture::lines().empty());
  platform::debug_capture::stop();
  EXPECT_EQ(readFile(target_), "a file, not a folder");
  EXPECT_EQ(listFolder(sandbox_), (std::vector<std::string>{"out", "pack.zip"}));
}

TEST_F(UnzipperTest, OpeningFailsForMissingEmptyOrDamagedArchives) {
  CUnzipper unzipper;
  EXPECT_FALSE(unzipper.openZip(nullptr));
  EXPECT_FALSE(unzipper.openZip(""));
  EXPECT_FALSE(unzipper.openZip((sandbox_ + "\\missing.zip").c_str()));
  writeFile(archive_, "not an archive at all");
  EXPECT_FALSE(unzipper.openZip(archive_.c_str()));
  EXPECT_FALSE(CUnzipper::unzip(archive_.c_str(), target_.c_str()));
  EXPECT_FALSE(unzipper.gotoFirstFile());
  EXPECT_FALSE(unzipper.unzipTo(target_.c_str()));
  EXPECT_FALSE(exists(target_));
}

TEST_F(UnzipperTest, DamagedDirectoryAfterTheFirstEntryFailsTheRun) {
  ASSERT_TRUE(writeArchive(archive_, {{"first.txt", "1"}, {"second.txt", "2"}}));
  std::string bytes = readFile(archive_);
  const std::string header("PK\x01\x02", 4);
  const size_t second = bytes.find(header, bytes.find(header) + 1);
  ASSERT_NE(second, std::string::npos);
  bytes[second + 3] = 0x7f;  // the second directory record loses its signature
  writeFile(archive_, bytes);
  EXPECT_FALSE(CUnzipper::unzip(archive_.c_str(), target_.c_str()));
  EXPECT_EQ(readFile(target_ + "\\first.txt"), "1");
}

// Names that would leave the target folder: the entry is refused, the run
// fails there, and nothing appears outside the target.
TEST_F(UnzipperTest, NamesThatClimbOutOfTheTargetAreRefused) {
  const std::string outside = sandbox_ + "\\x";
  const char* names[] = {"../x", "..\\x", "a/../../x", "a/..", "C:\\x", "C:x", "\\x", "/x", "a:b", "x::$DATA",
                         "a/.. /x", "a\\...\\..\\..\\x"};
  for (const char* name : names) {
    SCOPED_TRACE(name);
    deleteTree(target_);
    ASSERT_TRUE(writeArchive(archive_, {{"first.txt", "1"}, {name, "escaped"}, {"last.txt", "3"}}));
    platform::debug_capture::start();
    EXPECT_FALSE(CUnzipper::unzip(archive_.c_str(), target_.c_str()));
    std::string shown = name;
    std::replace(shown.begin(), shown.end(), '/', '\\');
    EXPECT_TRUE(platform::debug_capture::contains("CUnzipper::unzipCurrentFile - entry name refused: " + shown + "\n"));
    platform::debug_capture::stop();
    EXPECT_EQ(listFolder(sandbox_), (std::vector<std::string>{"out", "pack.zip"}));
    EXPECT_EQ(listFolder(target_), std::vector<std::string>{"first.txt"});
    EXPECT_FALSE(exists("C:\\x"));
    EXPECT_FALSE(exists("\\x"));
    EXPECT_FALSE(exists(outside));
  }
}

TEST_F(UnzipperTest, NameOfMaximumPathLengthOrMoreIsRefused) {
  const std::string longName = "dir/" + std::string(296, 'n');
  ASSERT_TRUE(writeArchive(archive_, {{longName, "long"}}));
  CUnzipper unzipper;
  ASSERT_TRUE(unzipper.openZip(archive_.c_str()));
  ASSERT_TRUE(unzipper.gotoFirstFile());
  ZipEntryInfo info;
  EXPECT_FALSE(unzipper.getCurrentFileInfo(info));
  EXPECT_FALSE(unzipper.unzipTo(target_.c_str()));
  EXPECT_TRUE(listFolder(target_).empty());
}

TEST_F(UnzipperTest, FolderHelpers) {
  const std::string file = sandbox_ + "\\file.txt";
  writeFile(file, "f");
  EXPECT_FALSE(CUnzipper::createFolder(""));
  EXPECT_FALSE(CUnzipper::createFolder(file.c_str()));
  EXPECT_FALSE(CUnzipper::createFolder((file + "\\below").c_str()));
  EXPECT_TRUE(CUnzipper::createFolder((sandbox_ + "\\one\\two\\three").c_str()));
  EXPECT_TRUE(isFolder(sandbox_ + "\\one\\two\\three"));
  EXPECT_TRUE(CUnzipper::createFolder((sandbox_ + "\\one\\").c_str()));
  EXPECT_FALSE(CUnzipper::createParentFolder("no-separator.txt"));
  EXPECT_TRUE(CUnzipper::createParentFolder((sandbox_ + "\\p\\q\\file.txt").c_str()));
  EXPECT_TRUE(isFolder(sandbox_ + "\\p\\q"));
  EXPECT_FALSE(exists(sandbox_ + "\\p\\q\\file.txt"));

  CUnzipper::setFileTimeFromZip(file.c_str(), kEntryDate);
  WIN32_FILE_ATTRIBUTE_DATA data;
  ASSERT_TRUE(GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data));
  FILETIME local;
  WORD dosDay = 0, dosTime = 0;
  ASSERT_TRUE(FileTimeToLocalFileTime(&data.ftLastWriteTime, &local));
  ASSERT_TRUE(FileTimeToDosDateTime(&local, &dosDay, &dosTime));
  EXPECT_EQ(dosDay, HIWORD(kEntryDate));
  EXPECT_EQ(dosTime, LOWORD(kEntryDate));
  CUnzipper::setFileTimeFromZip((sandbox_ + "\\missing.txt").c_str(), kEntryDate);  // ignored
  EXPECT_FALSE(exists(sandbox_ + "\\missing.txt"));
}

}  // namespace
