// The pip stub on its own, in a scratch Python folder: which package and
// version each downloaded file name gives, and the failure switch.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "e2e/world_helpers.h"

namespace {

class PipStubTest : public testing::Test {
 protected:
  void SetUp() override {
    python_ = world::scratchFolder("pip-stub") + "\\";
    CreateDirectoryA((python_ + "Scripts").c_str(), nullptr);
    ASSERT_TRUE(CopyFileA(world::worldPath("stubs/pip_stub.exe").c_str(), (python_ + "Scripts\\pip.exe").c_str(),
                          FALSE));
  }
  void TearDown() override { world::removeTree(python_.substr(0, python_.size() - 1)); }

  world::RunResult pip(const std::string& arguments) {
    return world::run({}, "\"" + python_ + "Scripts\\pip.exe\" " + arguments);
  }
  std::string download(const std::string& fileName) {
    const std::string path = python_ + fileName;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
    return path;
  }

  std::string python_;
};

TEST_F(PipStubTest, PackageAndVersionComeFromTheFileName) {
  struct Case {
    const char* file;
    const char* askedAs;
    const char* name;
    const char* version;
  };
  const Case cases[] = {
      {"opencv_contrib_python-4.1.0.25-cp27-cp27m-win32.whl", "opencv-contrib-python", "opencv-contrib-python",
       "4.1.0.25"},
      {"scikit_learn-0.20.3-cp27-cp27m-win32.whl", "scikit-learn", "scikit-learn", "0.20.3"},
      {"Shapely-1.6.4.post2-cp27-cp27m-win32.whl", "Shapely", "Shapely", "1.6.4.post2"},
      {"paho-mqtt-1.4.0.tar.gz", "paho-mqtt", "paho-mqtt", "1.4.0"},
      // The download keeps "-mkl"; only the renamed copy says "+mkl".
      {"numpy-1.16.4-mkl-cp27-cp27m-win32.whl", "numpy", "numpy", "1.16.4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ASSERT_EQ(0u, pip("install \"" + download(c.file) + "\"").exitCode);
    const world::RunResult shown = pip(std::string("show \"") + c.askedAs + "\"");
    EXPECT_NE(std::string::npos, shown.output.find(std::string("Name: ") + c.name + "\r\n")) << shown.output;
    EXPECT_NE(std::string::npos, shown.output.find(std::string("Version: ") + c.version + "\r\n")) << shown.output;
  }
}

TEST_F(PipStubTest, AnotherVersionReplacesTheInstalledOne) {
  ASSERT_EQ(0u, pip("install \"" + download("scipy-1.0.0-cp27-cp27m-win32.whl") + "\"").exitCode);
  ASSERT_EQ(0u, pip("install \"" + download("scipy-1.2.2-cp27-cp27m-win32.whl") + "\"").exitCode);
  const world::RunResult shown = pip("show \"scipy\"");
  EXPECT_NE(std::string::npos, shown.output.find("Version: 1.2.2\r\n")) << shown.output;
  EXPECT_EQ(std::string::npos, shown.output.find("1.0.0")) << shown.output;
}

TEST_F(PipStubTest, FailureSwitchMakesInstallAndUninstallFail) {
  ASSERT_EQ(0u, pip("install \"" + download("six-1.12.0-py2.py3-none-any.whl") + "\"").exitCode);
  HANDLE marker = CreateFileA((python_ + "pip-stub-fail").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
  CloseHandle(marker);
  EXPECT_NE(0u, pip("install \"" + download("enum34-1.1.6-py2-none-any.whl") + "\"").exitCode);
  EXPECT_NE(0u, pip("uninstall \"six\" -y").exitCode);
  EXPECT_NE(std::string::npos, pip("show \"six\"").output.find("Name: six"));
}

TEST_F(PipStubTest, MissingWheelFileIsAnError) {
  const world::RunResult result = pip("install \"" + python_ + "missing-1.0-py2-none-any.whl\"");
  EXPECT_NE(0u, result.exitCode);
  EXPECT_EQ(std::string::npos, pip("show \"missing\"").output.find("Name: "));
}

}  // namespace
