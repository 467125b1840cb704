#include "wizard/installer_sheet.h"

#include <objbase.h>

#include <cstring>
#include <new>

#include "components/help_files.h"
#include "platform/debug_log.h"
#include "platform/ui/message_box.h"
#include "python/python_selections.h"
#include "wizard/controls/dynamic_button.h"
#include "wizard/page_keys.h"
#include "wizard/page_titles.h"
#include "wizard/pages/camera_drivers1_page.h"
#include "wizard/pages/camera_drivers2_page.h"
#include "wizard/pages/core_installation_page.h"
#include "wizard/pages/core_installation_status_page.h"
#include "wizard/pages/demo_profiles_py27_page.h"
#include "wizard/pages/demo_profiles_py36_page.h"
#include "wizard/pages/halvoren_utilities_page.h"
#include "wizard/pages/import_profiles_page.h"
#include "wizard/pages/io_drivers_page.h"
#include "wizard/pages/modules2_page.h"
#include "wizard/pages/modules_page.h"
#include "wizard/pages/optional_extensions_py27_page.h"
#include "wizard/pages/optional_extensions_py36_page.h"
#include "wizard/pages/prerequisites_page.h"
#include "wizard/pages/recommended_extensions_py27_page.h"
#include "wizard/pages/recommended_extensions_py36_page.h"
#include "wizard/pages/release_notes_page.h"
#include "wizard/pages/resources_page.h"
#include "wizard/pages/summary_page.h"
#include "wizard/pages/templates_py27_page.h"
#include "wizard/pages/templates_py36_page.h"
#include "wizard/pages/toolbox_py27_page.h"
#include "wizard/pages/toolbox_py36_page.h"
#include "wizard/pages/tutorials_page.h"
#include "wizard/pages/utilities2_page.h"
#include "wizard/pages/utilities_page.h"
#include "wizard/pages/welcome_page.h"
#include "wizard/property_page_base.h"

namespace {

constexpr const char* kPython279 = "Python 2.7.9";
constexpr const char* kPython2713 = "Python 2.7.13";
constexpr const char* kPython366 = "Python 3.6.6";

// A page that could not be allocated stays null and is left out everywhere.
template <typename Page>
std::unique_ptr<Page> makePage(wizard::WizardServices& services) {
  return std::unique_ptr<Page>(new (std::nothrow) Page(services));
}

}  // namespace

zpDLumenixSDKInstallerSheet::zpDLumenixSDKInstallerSheet(wizard::WizardServices& services)
    : ui::WizardSheet(ui::kMessageBoxCaption), services_(services) {
  setHelpButton(true);
  initPages();
}

zpDLumenixSDKInstallerSheet::~zpDLumenixSDKInstallerSheet() {
  stopUpgradeCheck();
  if (sheetFont_ != nullptr) DeleteObject(sheetFont_);
  // The page objects go with the members; each leaves the sequence itself.
  CoUninitialize();
}

// --- Pages and sequence ---------------------------------------------------------

bool zpDLumenixSDKInstallerSheet::initPages() {
  CoInitialize(nullptr);
  extensionsOnlyMode = false;
  pageOperations_ = 0;
  reactivationPending_ = false;
  helpFileManager_.reset();

  constructPages();
  for (zpDPropertyPageBase* page : std::initializer_list<zpDPropertyPageBase*>{
           welcome_.get(), resources_.get(), releaseNotes_.get(), prerequisites_.get(), coreSoftware_.get(),
           coreStatus_.get(), recommendedPy27_.get(), recommendedPy36_.get(), optionalPy36_.get(), toolboxPy27_.get(),
           toolboxPy36_.get(), optionalPy27_.get(), templatesPy27_.get(), templatesPy36_.get(), summary_.get(),
           importProfiles_.get(), demoProfilesPy27_.get(), demoProfilesPy36_.get(), tutorials_.get(), modules_.get(),
           modules2_.get(), cameraDrivers1_.get(), cameraDrivers2_.get(), ioDrivers_.get(), utilities_.get(),
           utilities2_.get(), halvorenUtilities_.get()}) {
    addPageIfPresent(page);
  }

  runPythonStartupWork();
  fillHelpFileManager();
  return true;
}

void zpDLumenixSDKInstallerSheet::constructPages() {
  welcome_ = makePage<zpDInstallWelcomeBase>(services_);
  prerequisites_ = makePage<zpDInstallPreRequisites>(services_);
  coreSoftware_ = makePage<zpDInstallCoreComponentsSoftware>(services_);
  coreStatus_ = makePage<zpDInstallCoreComponentsSoftwareStatus>(services_);
  releaseNotes_ = makePage<zpDInstallReleaseNotes>(services_);
  modules_ = makePage<zpDInstallModules>(services_);
  modules2_ = makePage<zpDInstallModules2>(services_);
  recommendedPy27_ = makePage<zpDInstallPY27ExtensionsNew>(services_);
  optionalPy27_ = makePage<zpDInstallPY27Extensions2>(services_);
  utilities_ = makePage<zpDInstallUtilities>(services_);
  utilities2_ = makePage<zpDInstallUtilities2>(services_);
  halvorenUtilities_ = makePage<zpDInstallHalvorenUtilities>(services_);
  tutorials_ = makePage<zpDInstallTutorials>(services_);
  demoProfilesPy27_ = makePage<zpDInstallDemoProfiles>(services_);
  summary_ = makePage<zpDInstallSummaryZephrion>(services_);
  importProfiles_ = makePage<zpDInstallImportProfiles>(services_);
  resources_ = makePage<zpDInstallZephrionResourcesDynamic>(services_);
  templatesPy27_ = makePage<zpDInstallTemplates>(services_);
  toolboxPy27_ = makePage<zpDInstallToolboxeVividSight>(services_);
  cameraDrivers1_ = makePage<zpDInstall3rdPartyInstallations>(services_);
  cameraDrivers2_ = makePage<zpDInstall3rdPartyInstallations2>(services_);
  ioDrivers_ = makePage<zpDInstallIOSystemInstallations>(services_);
  recommendedPy36_ = makePage<zpDInstallPY36ExtensionsNew>(services_);
  optionalPy36_ = makePage<zpDInstallPY36Extensions2>(services_);
  demoProfilesPy36_ = makePage<zpDInstallPy36DemoProfiles>(services_);
  templatesPy36_ = makePage<zpDInstallPy36Templates>(services_);
  toolboxPy36_ = makePage<zpDInstallToolboxePy36VividSight>(services_);
}

void zpDLumenixSDKInstallerSheet::addPageIfPresent(zpDPropertyPageBase* page) {
  if (page != nullptr) addPage(page);
}

void zpDLumenixSDKInstallerSheet::runPythonStartupWork() {
  char selection[python::kSelectionBufferSize] = {};
  if (python::getPythonVersionSelection(selection) < 1) {
    python::setPythonVersionSelection(kPython279);
    std::strcpy(selection, kPython279);
  }

  wizard::PythonStartupSteps& steps = services_.pythonSteps;
  if (std::strcmp(selection, kPython366) == 0) {
    updateWizardPagesForPythonVersion(1);
    steps.ifRequiredSetSelectionForPy36Extensions();
    steps.syncPython36ToolboxFiles();
    steps.syncPython36Shortcuts();
    steps.syncPython36Py2to3Batch();
    steps.removePython27CLRFilesFromRuntime();
    steps.removePython27DllFromRuntime();
    return;
  }

  if (std::strcmp(selection, kPython279) != 0 && std::strcmp(selection, kPython2713) != 0) {
    platform::debugOutput("zpDLumenixSDKInstallerSheet::initPages - Unknown Python version selection\n");
  }
  updateWizardPagesForPythonVersion(0);
  steps.ifRequiredSetSelectionForPy27Extensions();
  steps.syncPython27OpenCVFiles();
  steps.syncPython27CLRFiles();
  steps.syncPython27ToolboxFiles();
  if (steps.isOpcClientInstalled()) steps.syncPython27OpcClientScript();
  steps.syncPython27Shortcuts();
  steps.syncPython27Py2to3Batch();
  steps.removePython36DllFromRuntime();
}

int zpDLumenixSDKInstallerSheet::updateWizardPagesForPythonVersion(int kind) {
  removeAllPagesAfterPage(coreStatus_.get());
  if (kind == 1) {
    for (zpDPropertyPageBase* page : std::initializer_list<zpDPropertyPageBase*>{
             recommendedPy36_.get(), toolboxPy36_.get(), optionalPy36_.get(), templatesPy36_.get(), summary_.get(),
             importProfiles_.get(), demoProfilesPy36_.get()}) {
      addPageIfPresent(page);
    }
  } else {
    for (zpDPropertyPageBase* page : std::initializer_list<zpDPropertyPageBase*>{
             recommendedPy27_.get(), toolboxPy27_.get(), optionalPy27_.get(), templatesPy27_.get(), summary_.get(),
             importProfiles_.get(), demoProfilesPy27_.get()}) {
      addPageIfPresent(page);
    }
    if (kind != 0) {
      platform::debugOutput("zpDLumenixSDKInstallerSheet::updateWizardPagesForPythonVersion - unexpected case 3\n");
    }
  }
  for (zpDPropertyPageBase* page : std::initializer_list<zpDPropertyPageBase*>{
           tutorials_.get(), modules_.get(), modules2_.get(), cameraDrivers1_.get(), cameraDrivers2_.get(),
           ioDrivers_.get(), utilities_.get(), utilities2_.get(), halvorenUtilities_.get()}) {
    addPageIfPresent(page);
  }
  return 1;
}

int zpDLumenixSDKInstallerSheet::removeAllPagesAfterPage(ui::WizardPage* page) {
  if (page == nullptr) {
    platform::debugOutput("zpDLumenixSDKInstallerSheet::removeAllPagesAfterPage - NULL pointer 1\n");
    return -1;
  }
  removePagesAfter(page);
  return 1;
}

zpDPropertyPageBase* zpDLumenixSDKInstallerSheet::sequencePage(int index) const {
  return dynamic_cast<zpDPropertyPageBase*>(page(index));
}

int zpDLumenixSDKInstallerSheet::sequenceIndexOfKey(std::string_view key) const {
  for (int i = 0; i < pageCount(); ++i) {
    const zpDPropertyPageBase* candidate = sequencePage(i);
    if (candidate != nullptr && candidate->uiDlgName == key) return i;
  }
  return -1;
}

// --- Titles and help rows --------------------------------------------------------

int zpDLumenixSDKInstallerSheet::getUIDlgTitleStrFromUIDlgName(std::string* title, const char* key) const {
  if (title == nullptr) {
    platform::debugOutput("zpDLumenixSDKInstallerSheet::getUIDlgTitleStrFromUIDlgName - NULL pointer 2\n");
    return -2;
  }
  *title = wizard::displayTitleOfKey(key != nullptr ? key : "");
  return 1;
}

void zpDLumenixSDKInstallerSheet::fillHelpFileManager() {
  helpFileManager_ = std::make_unique<components::hnInstallManagerBase>(services_.operations, services_.sessions,
                                                                         services_.buildProbes);
  std::vector<components::ComponentRow> rows;
  for (std::string_view key : components::help_files::topicKeys()) {
    rows.push_back(components::help_files::makeHelpFileRow(key, wizard::displayTitleOfKey(key), services_.applicationFolder,
                                                           {&helpName_, &helpStatus_, &helpProgress_}));
  }
  helpFileManager_->setRows(rows);
}

// --- Back and Next ----------------------------------------------------------------

bool zpDLumenixSDKInstallerSheet::isSkipped(zpDPropertyPageBase* page) {
  if (page == nullptr) return true;
  if (page->skipPage()) return true;
  return extensionsOnlyMode && page->skipPageInExtensionsOnlyMode();
}

int zpDLumenixSDKInstallerSheet::gotoPageInDirection(int step) {
  const int active = activeIndex();
  if (active < 0) return -1;
  for (int index = active + step; index >= 0 && index < pageCount(); index += step) {
    if (isSkipped(sequencePage(index))) continue;
    setActivePage(index);
    return index;
  }
  return -1;
}

int zpDLumenixSDKInstallerSheet::gotoPreviousPage() { return gotoPageInDirection(-1); }

int zpDLumenixSDKInstallerSheet::gotoNextPage() { return gotoPageInDirection(+1); }

// --- Installer copies ---------------------------------------------------------------

int zpDLumenixSDKInstallerSheet::collectAllComponentRecords(components::hnInstallManagerBase* target,
                                                           components::TextCell* progressText) {
  if (target == nullptr) return -1;
  std::vector<components::ComponentRow> copies;
  auto collect = [&copies](zpDPropertyPageBase* page, bool withSecondList) {
    if (page == nullptr) return;
    page->buildRowsOnce();
    page->appendRowCopies(copies);
    if (withSecondList) page->appendSecondListCopies(copies);
  };
  collect(resources_.get(), false);
  collect(releaseNotes_.get(), false);
  collect(prerequisites_.get(), false);
  collect(coreSoftware_.get(), false);
  collect(recommendedPy27_.get(), true);
  collect(recommendedPy36_.get(), true);
  for (zpDPropertyPageBase* page : std::initializer_list<zpDPropertyPageBase*>{
           optionalPy36_.get(), toolboxPy27_.get(), toolboxPy36_.get(), optionalPy27_.get(), templatesPy27_.get(),
           templatesPy36_.get(), demoProfilesPy27_.get(), demoProfilesPy36_.get(), tutorials_.get(), modules_.get(),
           modules2_.get(), cameraDrivers1_.get(), cameraDrivers2_.get(), ioDrivers_.get(), utilities_.get(),
           utilities2_.get(), halvorenUtilities_.get()}) {
    collect(page, false);
  }
  if (helpFileManager_ != nullptr) {
    for (std::uint32_t i = 0; i < helpFileManager_->rowCount(); ++i) copies.push_back(*helpFileManager_->row(i));
  }
  if (prerequisites_ != nullptr) prerequisites_->appendSecondListCopies(copies);

  for (components::ComponentRow& copy : copies) {
    copy.rebindCells({progressText, progressText, progressText});
    if (progressText != nullptr) progressText->setText(copy.name());
  }
  target->clearRows();
  if (copies.empty()) return 1;
  return target->setRows(copies);
}

// --- Operations of the pages ---------------------------------------------------------

void zpDLumenixSDKInstallerSheet::beginPageOperation() { ++pageOperations_; }

void zpDLumenixSDKInstallerSheet::endPageOperation() {
  if (pageOperations_ > 0) --pageOperations_;
  if (pageOperations_ == 0 && reactivationPending_) {
    reactivationPending_ = false;
    // After the entry point has returned and refreshed its page.
    if (hwnd() != nullptr) PostMessageA(hwnd(), kUpgradeStateChangedMessage, kUpgradeStateChangedCode, 0);
  }
}
