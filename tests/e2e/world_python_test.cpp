// The Python runtimes of the test world and the pip stub inside them, and the
// runtime component's folder layout and its Python synchronisation.
#include <gtest/gtest.h>

#include <windows.h>
#include <msi.h>

#include <fstream>
#include <string>
#include <vector>

#include "e2e/world_helpers.h"
#include "support/scratch_documents.h"

namespace {

const char kPython36Key[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\{b43c5985-05a6-4dc7-be5f-85f504d498d0}";
const char kPython27Code[] = "{79F081BF-7454-43DB-BD8F-9EE596813232}";
const char kRuntimeCode[] = "{1670E154-7594-4BE7-BE7B-C78CA44FAE4C}";
const char kRuntimeKey[] = "SOFTWARE\\HALVOREN AS\\Zephrion Version XII 12.0.0.760 Runtime";

std::string quoted(const std::string& text) { return "\"" + text + "\""; }

// Documents is moved into a scratch folder for one test, holding the stored
// Python selection the runtime setup follows.
class ScratchDocuments {
 public:
  explicit ScratchDocuments(const char* pythonVersion)
      : folder_(world::scratchFolder("documents")), documents_(folder_) {
    CreateDirectoryA(zephrionFolder().c_str(), nullptr);
    CreateDirectoryA((zephrionFolder() + "\\Python").c_str(), nullptr);
    std::ofstream(zephrionFolder() + "\\Python\\PySel.ini", std::ios::binary)
        << "[PySelVersion]\r\nVersionName=" << pythonVersion << "\r\n";
  }
  ~ScratchDocuments() { world::removeTree(folder_); }
  ScratchDocuments(const ScratchDocuments&) = delete;
  ScratchDocuments& operator=(const ScratchDocuments&) = delete;

  const std::string& folder() const { return folder_; }
  std::string zephrionFolder() const { return folder_ + "\\Zephrion 12.0"; }

 private:
  std::string folder_;
  testsupport::ScratchDocuments documents_;
};

// What the installer's pip probe runs: the program in quotes first.
world::RunResult pip(const std::string& pythonFolder, const std::string& arguments) {
  return world::run({}, quoted(pythonFolder + "Scripts\\pip.exe") + " " + arguments);
}

TEST(WorldPython36, BundleInstallsPipWorksAndItsUninstallStringRemovesIt) {
  const std::string folder = world::scratchFolder("python36");
  const std::string setup = folder + "\\python-3.6.6.exe";
  ASSERT_TRUE(CopyFileA(world::servedFile("/zephrion/files/InstallerDownloads/_Modules/Py36/Python36/python-3.6.6.exe")
                            .c_str(),
                        setup.c_str(), FALSE));
  const world::RunResult installed = world::run(setup, "/passive InstallAllUsers=1");
  ASSERT_TRUE(installed.started && installed.ended);
  EXPECT_EQ(0u, installed.exitCode);

  std::string displayVersion, p36;
  ASSERT_TRUE(world::readRegistryText(HKEY_LOCAL_MACHINE, kPython36Key, "DisplayVersion", displayVersion));
  EXPECT_EQ("3.6.6150.0", displayVersion);
  ASSERT_TRUE(world::readRegistryText(HKEY_LOCAL_MACHINE, "Software\\Python\\PythonCore\\3.6-32\\InstallPath", "", p36));
  ASSERT_EQ('\\', p36.back()) << p36;
  for (const char* file : {"python.exe", "Scripts\\pip.exe", "Python36.dll", "Doc\\python366.chm"}) {
    EXPECT_TRUE(world::fileExists(p36 + file)) << p36 + file;
  }

  // pip show: nothing with "Name: " for a missing package.
  world::RunResult shown = pip(p36, "show \"numpy\"");
  ASSERT_TRUE(shown.ended);
  EXPECT_EQ(std::string::npos, shown.output.find("Name: ")) << shown.output;
  EXPECT_NE(0u, shown.exitCode);

  // pip install of a downloaded wheel: name and version from the file name.
  const std::string wheel = folder + "\\numpy-1.16.4+mkl-cp36-cp36m-win32.whl";
  HANDLE file = CreateFileA(wheel.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file);
  CloseHandle(file);
  const world::RunResult wheelInstalled = pip(p36, "install " + quoted(wheel));
  EXPECT_EQ(0u, wheelInstalled.exitCode) << wheelInstalled.output;

  shown = pip(p36, "show \"numpy\"");
  EXPECT_EQ(0u, shown.exitCode);
  EXPECT_NE(std::string::npos, shown.output.find("Name: numpy\r\n")) << shown.output;
  EXPECT_NE(std::string::npos, shown.output.find("Version: 1.16.4+mkl\r\n")) << shown.output;
  EXPECT_LT(shown.output.size(), 2047u);

  const world::RunResult upgraded = world::run({}, quoted(p36 + "python.exe") + " -m pip install --upgrade pip");
  EXPECT_EQ(0u, upgraded.exitCode);
  EXPECT_NE(std::string::npos, upgraded.output.find("Requirement already up-to-date: pip")) << upgraded.output;

  const world::RunResult uninstalled = pip(p36, "uninstall \"numpy\" -y");
  EXPECT_EQ(0u, uninstalled.exitCode);
  EXPECT_NE(std::string::npos, uninstalled.output.find("Successfully uninstalled numpy-1.16.4+mkl"));
  shown = pip(p36, "show \"numpy\"");
  EXPECT_EQ(std::string::npos, shown.output.find("Name: ")) << shown.output;

  // The bundle's own uninstall: program between the quotes, "/uninstall".
  std::string uninstallString, program, arguments;
  ASSERT_TRUE(world::readRegistryText(HKEY_LOCAL_MACHINE, kPython36Key, "UninstallString", uninstallString));
  EXPECT_EQ(quoted(setup) + " /uninstall", uninstallString);
  ASSERT_TRUE(world::splitQuotedCommand(uninstallString, program, arguments));
  const world::RunResult removed = world::run(program, arguments);
  ASSERT_TRUE(removed.ended);
  EXPECT_FALSE(world::registryKeyExists(HKEY_LOCAL_MACHINE, kPython36Key));
  EXPECT_FALSE(world::registryKeyExists(HKEY_LOCAL_MACHINE, "Software\\Python\\PythonCore\\3.6-32"));
  EXPECT_FALSE(world::fileExists(p36 + "python.exe"));
  EXPECT_FALSE(world::fileExists(p36));
}

// The runtime is "Installed" only when its Python folder, DLL, help file and
// plug-ins match the selected Python's reference copies: the world's runtime
// setup does that synchronisation for Python 2.7 when Python 2.7 is there.
TEST(WorldRuntime, LaysDownTheRuntimeFolderInStepWithPython27) {
  const ScratchDocuments documents("Python 2.7.9");
  ASSERT_EQ(documents.folder(), world::documentsFolder()) << "the Documents folder did not move";
  const std::string zephrionDocuments = documents.zephrionFolder();

  MsiSetInternalUI(INSTALLUILEVEL_NONE, nullptr);
  const std::string pythonMsi =
      world::servedFile("/zephrion/files/InstallerDownloads/_Modules/Py27/Python27/python-2.7.9.msi");
  ASSERT_EQ(0u, MsiInstallProductA(pythonMsi.c_str(), "ALLUSERS=1"));
  std::string p27, name;
  ASSERT_TRUE(world::readRegistryText(HKEY_LOCAL_MACHINE, "Software\\Python\\PythonCore\\2.7\\InstallPath", "", p27));
  EXPECT_EQ('\\', p27.back()) << p27;
  EXPECT_TRUE(world::msiProductProperty(kPython27Code, "InstalledProductName", name));
  EXPECT_EQ(0u, name.rfind("Python 2.7", 0)) << name;
  EXPECT_TRUE(world::fileExists(world::systemX86Folder() + "\\python27.dll"));

  const world::RunResult installed = world::run(
      world::servedFile("/zephrion/files/InstallerDownloads/Zephrion12.0/760/ZephrionRuntime_12_0_0_760_ReDist_200830.exe"),
      " ", 300000);
  ASSERT_TRUE(installed.started && installed.ended);
  EXPECT_EQ(0u, installed.exitCode);

  std::string r;
  EXPECT_TRUE(world::msiProductProperty(kRuntimeCode, "InstalledProductName", name));
  EXPECT_EQ("Zephrion Version XII 12.0.0.760 Runtime", name);
  ASSERT_TRUE(world::readRegistryText(HKEY_LOCAL_MACHINE, kRuntimeKey, "InstallPath", r));
  ASSERT_EQ('\\', r.back()) << r;

  struct SamePair {
    std::string live, reference;
  };
  const SamePair pairs[] = {
      {r + "Python\\adam.py", r + "_RefPython_27\\adam.py"},
      {r + "Python\\Python27\\clr_4_0\\clr.pyd", r + "_RefPython_27\\Python27\\clr_4_0\\clr.pyd"},
      {r + "Python\\x86\\SoftekBarcode.ocx", r + "_RefPython_27\\x86\\SoftekBarcode.ocx"},
      {r + "Python27.dll", world::systemX86Folder() + "\\Python27.dll"},
      {r + "Documentation\\python27.chm", p27 + "Doc\\python279.chm"},
      {r + "3.2.1.169\\VC8\\Python\\vexlibct.py", r + "3.2.1.169\\VC8\\Python\\vexlibct_Py27.py"},
      {r + "Python\\vexlibct.py", r + "3.2.1.169\\VC8\\Python\\vexlibct.py"},
      {r + "VexLib.dll", r + "3.2.1.169\\VC8\\VexLib.dll"},
      {zephrionDocuments + "\\Plugins\\TrendPlugin\\TrendPlugin.py", r + "_Ref_PluginsPy27\\TrendPlugin\\TrendPlugin.py"},
  };
  for (const SamePair& pair : pairs) EXPECT_TRUE(world::isSameFile(pair.live, pair.reference)) << pair.live;
  for (const char* file : {"Zephrion.exe", "HalvorenUtilities\\FileStamper.exe", "Documentation\\Zephrion.chm",
                           "Templates", "_RefPython_36\\kxopcclientx.py", "OpenCV2_4_3OrOlder\\Python\\cv2.pyd",
                           "_Ref\\AVT\\uniAVTGrab_Fire_2_11.dll"}) {
    EXPECT_TRUE(world::fileExists(r + file)) << r + file;
  }
  EXPECT_FALSE(world::isSameFile(r + "3.2.1.169\\VC8\\VexLib.dll", r + "3.2.1.169\\VC8-IPP\\VexLib.dll"));

  EXPECT_EQ(0u, world::removeMsiProduct(kRuntimeCode));
  EXPECT_EQ(0u, world::removeMsiProduct(kPython27Code));
  EXPECT_FALSE(world::registryKeyExists(HKEY_LOCAL_MACHINE, kRuntimeKey));
  EXPECT_FALSE(world::registryKeyExists(HKEY_LOCAL_MACHINE, "Software\\Python\\PythonCore\\2.7"));
  // The installer deletes the synchronised copies itself after the removal.
  world::removeTree(r.substr(0, r.size() - 1));
}

TEST(WorldRuntime, FollowsPython36WhenThatIsTheStoredSelection) {
  const ScratchDocuments documents("Python 3.6.6");
  ASSERT_EQ(documents.folder(), world::documentsFolder()) << "the Documents folder did not move";
  const std::string zephrionDocuments = documents.zephrionFolder();

  const std::string bundle =
      world::servedFile("/zephrion/files/InstallerDownloads/_Modules/Py36/Python36/python-3.6.6.exe");
  ASSERT_TRUE(world::run(bundle, "/passive InstallAllUsers=1").ended);
  std::string p36, r;
  ASSERT_TRUE(world::readRegistryText(HKEY_LOCAL_MACHINE, "Software\\Python\\PythonCore\\3.6-32\\InstallPath", "", p36));
  const world::RunResult installed = world::run(
      world::servedFile("/zephrion/files/InstallerDownloads/Zephrion12.0/760/ZephrionRuntime_12_0_0_760_ReDist_200830.exe"),
      " ", 300000);
  ASSERT_TRUE(installed.ended);
  ASSERT_TRUE(world::readRegistryText(HKEY_LOCAL_MACHINE, kRuntimeKey, "InstallPath", r));

  EXPECT_TRUE(world::isSameFile(r + "Python\\kxopcclientx.py", r + "_RefPython_36\\kxopcclientx.py"));
  EXPECT_TRUE(world::isSameFile(r + "Python\\vexlibct.py", r + "_RefPython_36\\vexlibct.py"));
  EXPECT_TRUE(world::isSameFile(r + "Python36.dll", p36 + "Python36.dll"));
  EXPECT_TRUE(world::isSameFile(r + "Documentation\\python36.chm", p36 + "Doc\\python366.chm"));
  EXPECT_TRUE(world::isSameFile(r + "3.2.1.169\\Intel-Blend\\Python\\vexlibct.py",
                                r + "3.2.1.169\\Intel-Blend\\Python\\vexlibct_Py36.py"));
  EXPECT_TRUE(world::isSameFile(zephrionDocuments + "\\Plugins\\CameraStatistics\\CameraStatistics.py",
                                r + "_Ref_PluginsPy36\\CameraStatistics\\CameraStatistics.py"));
  EXPECT_FALSE(world::fileExists(r + "Python\\grimdll27.pyd")) << "the Python 2.7 folder was synchronised";

  EXPECT_EQ(0u, world::removeMsiProduct(kRuntimeCode));
  std::string uninstallString, program, arguments;
  ASSERT_TRUE(world::readRegistryText(HKEY_LOCAL_MACHINE, kPython36Key, "UninstallString", uninstallString));
  ASSERT_TRUE(world::splitQuotedCommand(uninstallString, program, arguments));
  EXPECT_TRUE(world::run(program, arguments).ended);
  world::removeTree(r.substr(0, r.size() - 1));
}

}  // namespace
