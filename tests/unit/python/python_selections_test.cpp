#include "python/python_selections.h"

#include <gtest/gtest.h>
#include <windows.h>

#include "app/folders.h"
#include "platform/debug_log.h"
#include "support/process.h"
#include "support/scratch_documents.h"
#include "support/test_files.h"
#include "support/unix_side.h"

namespace {

using Setter = int (*)(const char*);
using Getter = int (*)(char*);

struct Pair {
  const char* name;  // the operations' common part, as their debug lines name them
  Setter set;
  Getter get;
  const char* valid;
  const char* fallback;
};

const Pair kPairs[] = {
    {"PythonVersionSelection", python::setPythonVersionSelection, python::getPythonVersionSelection,
     "Python 3.6.6", "Python 2.7.9"},
    {"Py27OpenCVExtensionVersionSelection", python::setPy27OpenCVExtensionVersionSelection,
     python::getPy27OpenCVExtensionVersionSelection, "OpenCV 3.4.0", "None"},
    {"Py27CLRExtensionVersionSelection", python::setPy27CLRExtensionVersionSelection,
     python::getPy27CLRExtensionVersionSelection, "pythonnet-2.3.0-cp27-cp27m-win32", "Python 2.7 CLR 4.0"},
    {"Py27VividSightToolboxVersionSelection", python::setPy27VividSightToolboxVersionSelection,
     python::getPy27VividSightToolboxVersionSelection, "Vivid Sight 1.0.0.1114", "None"},
    {"Py36VividSightToolboxVersionSelection", python::setPy36VividSightToolboxVersionSelection,
     python::getPy36VividSightToolboxVersionSelection, "Vivid Sight 1.0.0.819(02) (Python 36)", "None"},
    {"Py27ExtensionPackageSelection", python::setPy27ExtensionPackageSelection,
     python::getPy27ExtensionPackageSelection, "Vision Basics", "Default"},
    {"Py36ExtensionPackageSelection", python::setPy36ExtensionPackageSelection,
     python::getPy36ExtensionPackageSelection, "Vision Basics", "Default"},
};

class PythonSelectionsTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string unixRoot = testsupport::freshUnixSandbox("selections");
    ASSERT_FALSE(unixRoot.empty());
    documents_ = std::make_unique<testsupport::ScratchDocuments>(testsupport::toWindowsPath(unixRoot) + "\\Docs");
    file_ = documents_->folder() + "\\Zephrion 12.0\\Python\\PySel.ini";
    platform::debug_capture::start();
  }
  void TearDown() override {
    platform::debug_capture::stop();
    documents_.reset();
  }

  std::string get(const Pair& pair, int* result) {
    char buffer[python::kSelectionBufferSize];
    memset(buffer, 'q', sizeof(buffer));
    *result = pair.get(buffer);
    return buffer;
  }

  std::unique_ptr<testsupport::ScratchDocuments> documents_;
  std::string file_;
};

TEST_F(PythonSelectionsTest, WithoutAFileEveryGetterHandsBackItsFallback) {
  EXPECT_EQ(python::pythonSelectionsFilePath(), file_);
  for (const Pair& pair : kPairs) {
    int result = 0;
    EXPECT_EQ(get(pair, &result), pair.fallback) << pair.name;
    EXPECT_EQ(result, -3) << pair.name;
    EXPECT_TRUE(platform::debug_capture::contains(std::string("get") + pair.name + " - Unable to locate INI file\n"));
  }
  EXPECT_FALSE(app::folderExists((documents_->folder() + "\\Zephrion 12.0").c_str())) << "getters create nothing";
}

TEST_F(PythonSelectionsTest, TheFirstSetterCreatesTheFoldersAndEveryValueReadsBack) {
  for (const Pair& pair : kPairs) {
    EXPECT_EQ(pair.set(pair.valid), 1) << pair.name;
    int result = 0;
    EXPECT_EQ(get(pair, &result), pair.valid) << pair.name;
    EXPECT_EQ(result, 1) << pair.name;
  }
  EXPECT_NE(testsupport::readFile(file_).find("[PySelVersion]"), std::string::npos);
}

TEST_F(PythonSelectionsTest, NullArgumentsAreRefused) {
  for (const Pair& pair : kPairs) {
    platform::debug_capture::clear();
    EXPECT_EQ(pair.set(nullptr), -1);
    EXPECT_EQ(pair.get(nullptr), -1);
    EXPECT_EQ(platform::debug_capture::lines(),
              (std::vector<std::string>{std::string("set") + pair.name + " - NULL pointer 1\n",
                                        std::string("get") + pair.name + " - NULL pointer 1\n"}));
  }
}

TEST_F(PythonSelectionsTest, AnInvalidVersionIsRefusedAndTheFileKeepsItsValue) {
  ASSERT_EQ(python::setPythonVersionSelection("Python 2.7.13"), 1);
  EXPECT_EQ(python::setPythonVersionSelection("Python 3.6"), -2);
  EXPECT_TRUE(platform::debug_capture::contains("setPythonVersionSelection - Unsupported version selection\n"));
  char buffer[python::kSelectionBufferSize];
  EXPECT_EQ(python::getPythonVersionSelection(buffer), 1);
  EXPECT_STREQ(buffer, "Python 2.7.13");
}

TEST_F(PythonSelectionsTest, StoredValuesAreComparedExactly) {
  ASSERT_EQ(python::setPythonVersionSelection("Python 2.7.13"), 1);
  WritePrivateProfileStringA("PySelVersion", "VersionName", "python 3.6.6", file_.c_str());
  char buffer[python::kSelectionBufferSize];
  EXPECT_EQ(python::getPythonVersionSelection(buffer), 0);
  EXPECT_STREQ(buffer, "Python 2.7.9");
  WritePrivateProfileStringA("PySelVersion", "VersionName", "", file_.c_str());
  EXPECT_EQ(python::getPythonVersionSelection(buffer), -4);
  EXPECT_TRUE(platform::debug_capture::contains("getPythonVersionSelection - Unable to read INI file\n"));
}

TEST_F(PythonSelectionsTest, PackageSetsTakeAnyTextButNeverOneTooLongForTheCallers) {
  char buffer[python::kSelectionBufferSize];
  ASSERT_EQ(python::setPy27ExtensionPackageSelection("A set the list no longer has"), 1);
  EXPECT_EQ(python::getPy27ExtensionPackageSelection(buffer), 1);
  EXPECT_STREQ(buffer, "A set the list no longer has");

  // 511 characters still fit; 512 and more would be cut into another name.
  for (size_t length : {511u, 512u, 3000u}) {
    const std::string name(length, 'p');
    ASSERT_EQ(python::setPy36ExtensionPackageSelection(name.c_str()), 1);
    const int result = python::getPy36ExtensionPackageSelection(buffer);
    if (length < python::kSelectionBufferSize) {
      EXPECT_EQ(result, 1);
      EXPECT_EQ(std::string(buffer), name);
    } else {
      EXPECT_EQ(result, 0) << length;
      EXPECT_STREQ(buffer, "Default") << length;
    }
  }
}

TEST_F(PythonSelectionsTest, TheNewerOpenCvWheelsAreValidSelections) {
  char buffer[python::kSelectionBufferSize];
  for (const char* wheel :
       {"opencv_contrib_python-4.2.0.32-cp27-cp27m-win32", "opencv_python-4.2.0.32-cp27-cp27m-win32", "None"}) {
    ASSERT_EQ(python::setPy27OpenCVExtensionVersionSelection(wheel), 1) << wheel;
    EXPECT_EQ(python::getPy27OpenCVExtensionVersionSelection(buffer), 1) << wheel;
    EXPECT_STREQ(buffer, wheel);
  }
}

TEST_F(PythonSelectionsTest, AFolderThatCannotBeCreatedIsReported) {
  // A file where the "Zephrion 12.0" folder should be.
  testsupport::writeFile(documents_->folder() + "\\Zephrion 12.0");
  EXPECT_EQ(python::setPythonVersionSelection("Python 3.6.6"), -4);
  EXPECT_TRUE(platform::debug_capture::contains("setPythonVersionSelection - Unable to locate target folder\n"));
}

}  // namespace
