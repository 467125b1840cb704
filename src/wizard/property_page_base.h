#pragma once
// zpDPropertyPageBase: the base of every wizard page.
//
// Every page gets the same frame (the header banner 9702 with the page's name,
// the side band 9703, tooltips), the same life cycle (its component rows are
// built once, and their statuses and the page's buttons are refreshed when the
// page becomes active, after every session and every 2 seconds while one
// runs), the same Back and Next (the sheet skips pages that say so), and the
// same guarded entry points through which the page's buttons run sessions on
// its installation manager.
//
// The page object lives as long as the sheet; its window may be destroyed and
// created again when the sheet rebuilds its sequence. onInitDialog then runs
// again but buildComponentRows never does, so rows and statuses survive.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "components/component_row.h"
#include "components/install_manager.h"
#include "platform/ui/tool_tip.h"
#include "platform/ui/wizard_page.h"
#include "wizard/wizard_services.h"

class hnComponentInstallHeader;
class zpDLumenixSDKInstallerSheet;

class zpDPropertyPageBase : public ui::WizardPage {
 public:
  // The refresh timer of a running session.
  static constexpr UINT_PTR kRefreshTimerId = 983;
  static constexpr UINT kRefreshPeriodMs = 2000;
  // The banner's height and the band's width, in pixels.
  static constexpr int kBannerHeight = 70;
  static constexpr int kBandWidth = 165;

  zpDPropertyPageBase(wizard::WizardServices& services, int templateId, std::string pageTitle,
                      std::string headerText);
  ~zpDPropertyPageBase() override;

  // The page's key (set by each page's constructor).
  std::string uiDlgName;
  const std::string& pageTitle() const { return title(); }

  components::hnInstallManagerBase& installManager() { return *installManager_; }
  // buildComponentRows the first time only (also for a page never shown).
  void buildRowsOnce();

  // --- What every page answers --------------------------------------------------

  // Passed over by the sheet's Back and Next.
  virtual bool skipPage() { return false; }
  // Passed over while the sheet's extensionsOnlyMode is set.
  virtual bool skipPageInExtensionsOnlyMode() { return false; }
  // Enables the page's buttons from its rows' statuses.
  virtual int updatePageControls() = 0;
  // Gives the picture buttons their pictures, places them, adds tooltips.
  virtual int initPageControls() = 0;
  // Creates the page's rows and hands them to installManager.
  virtual int buildComponentRows() = 0;

  // Copies of the page's rows for an installer copy: the rows of its
  // manager; pages with a second list add it in appendSecondListCopies.
  virtual void appendRowCopies(std::vector<components::ComponentRow>& copies);
  virtual void appendSecondListCopies(std::vector<components::ComponentRow>& copies);

  // --- Session entry points ---------------------------------------------------
  // Each runs one manager operation with the refresh timer running, catches
  // whatever escapes it ("Unexpected Error 101", result 0), then evaluates
  // every row again and refreshes the page. The result is the operation's.

  int runInstallRange(std::uint32_t first, std::uint32_t last, bool repairWholeList);
  int runInstallList(const std::uint32_t* indexes, std::uint32_t count, bool redownload, bool repairAll);
  int runUninstallRange(std::uint32_t first, std::uint32_t last);
  // `ignoreAll` belongs to the caller and is shared by its consecutive calls.
  int runDownloadAll(bool& ignoreAll);
  int runDownloadList(const std::uint32_t* indexes, std::uint32_t count, bool& ignoreAll);
  // Downloads every row of `other` (no timer, no page refresh); afterwards
  // only `other`'s rows are evaluated. -1 for a null manager.
  int runDownloadAllOf(bool& ignoreAll, components::hnInstallManagerBase* other);

  // Moves the texts to the controls and enables the buttons.
  void refreshPage();

  // The tooltip of the page's buttons (also used by the row layout helpers).
  ui::ToolTip& toolTip() { return toolTip_; }

 protected:
  bool onInitDialog() override;
  bool onSetActive() override;
  LRESULT onWizardBack() override;
  LRESULT onWizardNext() override;
  void onTimer(UINT_PTR id) override;
  void onPaint() override;
  void onDestroy() override;

  // The pattern of every page's own onSetActive: the wizard buttons, the
  // Cancel button's text ("Cancel" on the first pages, "Finish" later), the
  // download button 1106 only in a writable program folder, then the base's
  // onSetActive.
  bool activatePage(DWORD wizardButtons, const char* cancelText);

  zpDLumenixSDKInstallerSheet* installerSheet() const;
  wizard::WizardServices& services() const { return services_; }
  HFONT pageFont() const { return pageFont_; }

 private:
  template <typename Operation>
  int runGuarded(Operation operation);
  template <typename Operation>
  int runWithRefresh(Operation operation);
  static void evaluateAllRows(components::hnInstallManagerBase& manager);
  void createFrame();
  void layoutFrame();
  void destroyFrame();

  wizard::WizardServices& services_;
  std::string headerText_;
  std::unique_ptr<hnComponentInstallHeader> banner_;
  std::unique_ptr<hnComponentInstallHeader> band_;
  ui::ToolTip toolTip_;
  HFONT pageFont_ = nullptr;
  bool rowsBuilt_ = false;
  std::unique_ptr<components::hnInstallManagerBase> installManager_;
};
