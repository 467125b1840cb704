// The sheet's page sequence and start-up work, before its window exists.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/user_folder.h"
#include "components/install_manager.h"
#include "components/text_cell.h"
#include "platform/debug_log.h"
#include "python/python_selections.h"
#include "wizard/property_page_base.h"
#include "wizard_test_world.h"

namespace {

using Keys = std::vector<std::string>;

const Keys kFirstSix = {"Installation Welcome", "Resources", "Readme Notes", "Prerequisite Installation",
                        "Core Installation", "CoreComponents"};
const Keys kCommonTail = {"Tutorials",
                          "Image Processing Options",
                          "Modules",
                          "3rd Party Camera Drivers - 1",
                          "3rd Party Camera Drivers - 2",
                          "3rd Party IO Drivers",
                          "Optional Utility Software I",
                          "Optional Utility Software II",
                          "Halvoren Utilities"};

Keys join(std::initializer_list<Keys> parts) {
  Keys all;
  for (const Keys& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

const Keys kPython27Sequence =
    join({kFirstSix,
          {"Recommended Extensions", "Toolbox - Vivid Sight", "Optional Extensions", "ZTC - Tool Components",
           "Installation Complete", "Import Zephrion Profiles", "Demonstration Profiles"},
          kCommonTail});
const Keys kPython36Sequence =
    join({kFirstSix,
          {"Recommended Extensions (Python 36)", "Toolbox - Vivid Sight (Python 36)", "Optional Extensions (Python 36)",
           "ZTC - Tool Components (Python 36)", "Installation Complete", "Import Zephrion Profiles",
           "Demonstration Profiles (Python 36)"},
          kCommonTail});

const std::vector<std::string> kPython27Steps = {"py27 selections", "py27 opencv",  "py27 clr",
                                                 "py27 toolbox",    "py27 shortcuts", "py27 py2to3",
                                                 "remove python36.dll"};
const std::vector<std::string> kPython36Steps = {"py36 selections", "py36 toolbox", "py36 shortcuts", "py36 py2to3",
                                                 "remove py27 clr", "remove python27.dll"};

struct SelectionCase {
  const char* stored;        // nullptr: no selections file
  const char* afterStartup;  // what the file holds once the sheet is built
  bool python36;
  bool unknownLine;
};

class SheetSequenceTest : public testing::TestWithParam<SelectionCase> {};

TEST_P(SheetSequenceTest, TheStoredPythonVersionChoosesThePagesAndTheStartupSteps) {
  const SelectionCase& c = GetParam();
  wizardtest::World world(c.stored);
  platform::debug_capture::start();
  wizardtest::TestSheet sheet(world.services);
  const std::vector<std::string> lines = platform::debug_capture::lines();
  platform::debug_capture::stop();

  EXPECT_EQ(wizardtest::sequenceKeys(sheet), c.python36 ? kPython36Sequence : kPython27Sequence);
  EXPECT_EQ(world.pythonSteps.calls, c.python36 ? kPython36Steps : kPython27Steps);

  char selection[python::kSelectionBufferSize] = {};
  python::getPythonVersionSelection(selection);
  EXPECT_STREQ(selection, c.afterStartup);

  const std::string unknown = "zpDLumenixSDKInstallerSheet::initPages - Unknown Python version selection\n";
  EXPECT_EQ(std::count(lines.begin(), lines.end(), unknown), c.unknownLine ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Selections, SheetSequenceTest,
                         testing::Values(SelectionCase{"Python 3.6.6", "Python 3.6.6", true, false},
                                         SelectionCase{"Python 2.7.9", "Python 2.7.9", false, false},
                                         SelectionCase{"Python 2.7.13", "Python 2.7.13", false, false},
                                         // Nothing stored: Python 2.7.9 is stored and used.
                                         SelectionCase{nullptr, "Python 2.7.9", false, false}));

TEST(SheetStartup, AnInvalidStoredSelectionIsReplacedByPython279) {
  // A value the selections file does not accept reads as "not set".
  wizardtest::World world("Python 3.6.6");
  const std::string file = python::pythonSelectionsFilePath();
  ASSERT_TRUE(WritePrivateProfileStringA("PySelVersion", "VersionName", "Python 3.9", file.c_str()));
  wizardtest::TestSheet sheet(world.services);
  char selection[python::kSelectionBufferSize] = {};
  EXPECT_EQ(python::getPythonVersionSelection(selection), 1);
  EXPECT_STREQ(selection, "Python 2.7.9");
  EXPECT_EQ(wizardtest::sequenceKeys(sheet), kPython27Sequence);
}

TEST(SheetStartup, TheUserFolderIsRecordedAsMissingBeforeTheSelectionCreatesIt) {
  wizardtest::World world(nullptr);
  const std::string userFolder = app::userFolderPath();
  ASSERT_EQ(GetFileAttributesA(userFolder.c_str()), INVALID_FILE_ATTRIBUTES);
  app::recordUserFolderAtStart();
  wizardtest::TestSheet sheet(world.services);
  EXPECT_NE(GetFileAttributesA(userFolder.c_str()), INVALID_FILE_ATTRIBUTES) << "the selection is stored there";
  EXPECT_FALSE(app::userFolderExistedAtStart());
  // The next start finds it.
  app::recordUserFolderAtStart();
  EXPECT_TRUE(app::userFolderExistedAtStart());
}

TEST(SheetStartup, TheOpcClientScriptIsKeptOnlyWhenTheOpcClientIsInstalled) {
  wizardtest::World world("Python 2.7.9");
  world.pythonSteps.opcClientInstalled = true;
  wizardtest::TestSheet sheet(world.services);
  std::vector<std::string> expected = kPython27Steps;
  expected.insert(expected.begin() + 4, "py27 opc script");
  EXPECT_EQ(world.pythonSteps.calls, expected);
}

TEST(SheetSequence, SwitchingRebuildsOnlyThePagesAfterCoreInstallationStatus) {
  wizardtest::World world("Python 2.7.9");
  wizardtest::TestSheet sheet(world.services);
  std::vector<ui::WizardPage*> firstSix;
  for (int i = 0; i < 6; ++i) firstSix.push_back(sheet.page(i));

  EXPECT_EQ(sheet.updateWizardPagesForPythonVersion(1), 1);
  EXPECT_EQ(wizardtest::sequenceKeys(sheet), kPython36Sequence);
  EXPECT_EQ(sheet.updateWizardPagesForPythonVersion(0), 1);
  EXPECT_EQ(wizardtest::sequenceKeys(sheet), kPython27Sequence);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(sheet.page(i), firstSix[i]) << "page " << i;

  platform::debug_capture::start();
  EXPECT_EQ(sheet.updateWizardPagesForPythonVersion(7), 1);
  const std::vector<std::string> lines = platform::debug_capture::lines();
  platform::debug_capture::stop();
  EXPECT_EQ(wizardtest::sequenceKeys(sheet), kPython27Sequence);
  EXPECT_EQ(lines, std::vector<std::string>{
                       "zpDLumenixSDKInstallerSheet::updateWizardPagesForPythonVersion - unexpected case 3\n"});
}

TEST(SheetSequence, NullArgumentsAreRefusedWithTheirDebugLines) {
  wizardtest::World world("Python 2.7.9");
  wizardtest::TestSheet sheet(world.services);
  platform::debug_capture::start();
  EXPECT_EQ(sheet.removeAllPagesAfterPage(nullptr), -1);
  EXPECT_EQ(sheet.getUIDlgTitleStrFromUIDlgName(nullptr, "Tutorials"), -2);
  const std::vector<std::string> lines = platform::debug_capture::lines();
  platform::debug_capture::stop();
  EXPECT_EQ(lines, (std::vector<std::string>{
                       "zpDLumenixSDKInstallerSheet::removeAllPagesAfterPage - NULL pointer 1\n",
                       "zpDLumenixSDKInstallerSheet::getUIDlgTitleStrFromUIDlgName - NULL pointer 2\n"}));
  EXPECT_EQ(wizardtest::sequenceKeys(sheet), kPython27Sequence);
}

TEST(SheetSequence, TitlesOfKeysAndTheHelpRows) {
  wizardtest::World world("Python 2.7.9");
  wizardtest::TestSheet sheet(world.services);
  const std::pair<const char*, const char*> titles[] = {
      {"Tutorials", "Zephrion Vision Tutorials"},
      {"Image Processing Options", "Zephrion Image Processing Options"},
      {"ZTC - Tool Components", "ZTC - Zephrion Tool Components"},
      {"Halvoren Utilities", "Halvoren Utilities"},
      {"ZTC - Tool Components (Python 36)", "ZTC - Tool Components (Python 36)"},
  };
  for (const auto& [key, title] : titles) {
    std::string text;
    EXPECT_EQ(sheet.getUIDlgTitleStrFromUIDlgName(&text, key), 1);
    EXPECT_EQ(text, title) << key;
  }

  const components::hnInstallManagerBase* help = sheet.helpFileManager();
  ASSERT_NE(help, nullptr);
  ASSERT_EQ(help->rowCount(), 21u);
  const components::ComponentRow& tutorials = *help->row(12);
  EXPECT_EQ(tutorials.name(), "Zephrion Vision Software Help File - Zephrion Vision Tutorials");
  EXPECT_EQ(tutorials.fileName(), "760Help - Tutorials.rtf");
  EXPECT_EQ(tutorials.downloadFolder(), "C:\\zephrion-wizard-test\\_ZephrionInstallData\\_Help2Zephrion\\12_0_0");
  EXPECT_EQ(tutorials.group(), "Help Files");
  EXPECT_EQ(help->row(0)->name(), "Zephrion Vision Software Help File - Installation Welcome");
}

TEST(SheetSequence, InstallerCopiesCollectEveryRowIntoOneProgressText) {
  wizardtest::World world("Python 2.7.9");
  wizardtest::TestSheet sheet(world.services);
  components::hnInstallManagerBase target(world.operations, world.sessions, world.probes);
  components::StringCell progress;

  EXPECT_EQ(sheet.collectAllComponentRecords(&target, &progress), 1);
  // The readme row of a page never shown (built on demand), then the 21
  // help rows.
  ASSERT_EQ(target.rowCount(), 1u + 21u);
  EXPECT_EQ(target.row(0)->name(), "Readme Notes");
  EXPECT_EQ(target.row(1)->name(), "Zephrion Vision Software Help File - Installation Welcome");
  for (std::uint32_t i = 0; i < target.rowCount(); ++i) {
    EXPECT_EQ(target.row(i)->nameCell(), &progress);
    EXPECT_EQ(target.row(i)->statusCell(), &progress);
    EXPECT_EQ(target.row(i)->progressCell(), &progress);
  }
  EXPECT_EQ(progress.value(), target.row(target.rowCount() - 1)->name());
  EXPECT_EQ(sheet.collectAllComponentRecords(nullptr, &progress), -1);
}

}  // namespace
