// The listing of the builds present for rows whose status is "Version
// Mismatch" or "Multiple Versions".

#include <gtest/gtest.h>

#include "scripted_manager_fixture.h"

namespace {

using components::version_listing::Python36Family;
using scripted::ManagerTest;
using scripted::ScriptedBuildProbes;

using InstallManagerVersionsTest = ManagerTest;

TEST_F(InstallManagerVersionsTest, EachFamilyListsItsBuildsInCatalogOrder) {
  struct Case {
    std::string rowName;
    void (*computer)(ScriptedBuildProbes&);
    std::string expected;
  };
  const Case cases[] = {
      {"pywin32-219.win32-py2.7",
       [](ScriptedBuildProbes& p) { p.displayNames = {"pywin32-py2.7|Python 2.7 pywin32-221"}; },
       "pywin32-221.win32-py2.7"},
      {"pyserial-3.4-py2.py3-none-any",
       [](ScriptedBuildProbes& p) {
         p.displayNames = {"pyserial-py2.7|Python 2.7 pyserial-2.7"};
         p.pipVersions = {{"pyserial", "3.4"}};
       },
       "pyserial-2.7.win32; pyserial-3.4-py2.py3-none-any"},
      // "1.16.4+mkl" also counts for the plain 1.16.4 build.
      {"numpy-1.14.0+mkl-cp27-cp27m-win32",
       [](ScriptedBuildProbes& p) {
         p.displayNames = {"numpy-py2.7|Python 2.7 numpy-1.10.2"};
         p.pipVersions = {{"numpy", "1.16.4+mkl"}};
       },
       "numpy-1.10.2-python2.7; numpy-1.16.4-cp27-cp27m-win32; numpy-1.16.4+mkl-cp27-cp27m-win32"},
      {"numpy-1.10.2-python2.7", [](ScriptedBuildProbes& p) { p.pipVersions = {{"numpy", "1.16.4"}}; },
       "numpy-1.16.4-cp27-cp27m-win32"},
      {"scipy-0.16.1-python2.7", [](ScriptedBuildProbes& p) { p.pipVersions = {{"scipy", "1.1.0"}}; },
       "scipy-1.1.0-cp27-cp27m-win32"},
      // Family membership ignores letter case, as every per-component choice.
      {"opencv 3.1.0",
       [](ScriptedBuildProbes& p) {
         p.runtimeFolders = {"OpenCV340", "OpenCV300"};
         p.pipVersions = {{"opencv-python", "4.1.0.25"}, {"opencv-contrib-python", "3.4.3.18"}};
       },
       "OpenCV 3.0.0; OpenCV 3.4.0; opencv_contrib_python-3.4.3.18-cp27-cp27m-win32; "
       "opencv_python-4.1.0.25-cp27-cp27m-win32"},
      {"MySQL-python-1.2.4b4.win32-py2.7", [](ScriptedBuildProbes&) {}, "Unknown"},
      {"Paint.net 4.0.19",
       [](ScriptedBuildProbes& p) { p.msiProducts = {"{7ADB1B05-39DE-4888-A72D-D1F3A791D45F}|4.2.12"}; },
       "Paint.net 4.2.12"},
      {"numpy-1.16.4-cp36-cp36m-win32", [](ScriptedBuildProbes& p) { p.python36Text = "numpy-1.15.4-cp36-none-win32"; },
       "numpy-1.15.4-cp36-none-win32"},
  };
  for (const Case& c : cases) {
    probes_ = ScriptedBuildProbes();
    c.computer(probes_);
    useRows({c.rowName});
    manager_.row(0)->setStatusText("Version Mismatch");
    EXPECT_EQ(manager_.listInstalledVersions(0), 1) << c.rowName;
    EXPECT_EQ(manager_.row(0)->message(), c.expected) << c.rowName;
  }
  // One pass asks pip once per package, not once per build or per row: two
  // OpenCV rows (two packages) and a numpy row; and lists a Python 3.6
  // family once for its two rows.
  probes_ = ScriptedBuildProbes();
  useRows({"OpenCV 3.0.0", "OpenCV 3.4.0", "numpy-1.10.2-python2.7", "numpy-1.16.4-cp36-cp36m-win32",
           "numpy-1.15.4-cp36-none-win32"});
  for (std::uint32_t i = 0; i < manager_.rowCount(); ++i) manager_.row(i)->setStatusText("Multiple Versions");
  EXPECT_EQ(manager_.listInstalledVersions(manager_.rowCount() - 1), 1);
  EXPECT_EQ(probes_.pipQueries, 3);
  EXPECT_EQ(probes_.python36Asked, std::vector<Python36Family>{Python36Family::Numpy});
}

TEST_F(InstallManagerVersionsTest, OnlyMismatchedRowsAreListedAndUnknownFamiliesFail) {
  useRows({"pythonnet-2.3.0-cp36-cp36m-win32", "Tera Term 4.88", "pywin32-223.win32-py2.7", "Speccy v1.25",
           "scipy-1.0.0-cp27-cp27m-win32"});
  const char* statuses[] = {"Multiple Versions", "Version Mismatch", "Installed", "Reinstall Needed", "Version Mismatch"};
  for (std::uint32_t i = 0; i < 5; ++i) {
    manager_.row(i)->setStatusText(statuses[i]);
    manager_.row(i)->setMessage("kept");
  }
  probes_.python36Text = "pythonnet-2.3.0-cp36-cp36m-win32";

  // Up to row 3 only; Tera Term belongs to no family: its listing fails, the
  // rows after it are still listed.
  EXPECT_EQ(manager_.listInstalledVersions(3), -1);
  EXPECT_EQ(manager_.row(0)->message(), "pythonnet-2.3.0-cp36-cp36m-win32");
  EXPECT_EQ(probes_.python36Asked, std::vector<Python36Family>{Python36Family::Pythonnet});
  EXPECT_EQ(manager_.row(1)->message(), "kept");
  EXPECT_EQ(manager_.row(2)->message(), "kept");
  EXPECT_EQ(manager_.row(3)->message(), "kept");
  EXPECT_EQ(manager_.row(4)->message(), "kept");

  manager_.row(1)->setStatusText("Installed");
  EXPECT_EQ(manager_.listInstalledVersions(4), 1);
  EXPECT_EQ(manager_.row(4)->message(), "Unknown");
}

}  // namespace
