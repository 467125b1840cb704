#pragma once
// hnInstallManagerBase: the component rows of one page, in display order, and
// the operations the page's buttons run on a range or a chosen set of them.
//
// How it works. The manager keeps three things apart:
//   - evaluation only records what is on the computer (detect, then verify,
//     into each row's status);
//   - a run first repairs rows with an error status, then marks the rows it
//     will treat "Pending" and works through them one by one;
//   - the doing is left to others: the per-component operations
//     (ComponentOperations) and the modal sessions (InstallSessions).
// Whether an install or uninstall took effect is always decided by detecting
// the component again, never by what a session or setup program returned.
//
// Every int result is 1 for success and -1 for failure or abort. A range is
// inclusive at both ends and must lie inside the rows (first <= last <
// rowCount); anything else is refused with -1, so an empty manager never
// turns "0 to rowCount - 1" into a walk over four billion rows.
//
// Main thread only: the sessions pump messages while their workers run, and
// the page repaints from the row texts the manager writes.

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "components/component_operations.h"
#include "components/component_row.h"
#include "components/install_sessions.h"
#include "components/install_version_listing.h"

namespace components {

class hnInstallManagerBase {
 public:
  // The manager borrows the three services; they outlive it.
  hnInstallManagerBase(ComponentOperations& operations, InstallSessions& sessions,
                       version_listing::InstalledBuildProbes& buildProbes);
  virtual ~hnInstallManagerBase();

  hnInstallManagerBase(const hnInstallManagerBase&) = delete;
  hnInstallManagerBase& operator=(const hnInstallManagerBase&) = delete;

  // The window that owns the manager's message boxes and sessions (the page);
  // nullptr: the active window of the main thread.
  void setOwnerWindow(HWND owner) { owner_ = owner; }
  HWND ownerWindow() const { return owner_; }

  // --- Rows -------------------------------------------------------------------

  // Replaces the rows with copies of `rows[0..count)`; the caller keeps its
  // own array. 1; -1 (and no change) when `rows` is null but count is not 0.
  int setRows(std::uint32_t count, const ComponentRow* rows);
  int setRows(std::span<const ComponentRow> rows);
  void clearRows();

  std::uint32_t rowCount() const { return static_cast<std::uint32_t>(rows_.size()); }
  // The row at `index`, or nullptr beyond the rows.
  ComponentRow* row(std::uint32_t index);
  const ComponentRow* row(std::uint32_t index) const;
  // The row whose name equals `name` exactly (letter case counts), or nullptr.
  ComponentRow* findRow(std::string_view name);

  // --- Status -----------------------------------------------------------------

  // Detects and verifies rows first..last, clearing each row's message. Every
  // row is evaluated even after a failure. 1 when all are "Installed".
  int evaluateRows(std::uint32_t first, std::uint32_t last);
  // Every status "Installed" (false for an empty manager).
  bool areAllInstalled() const;
  // No status other than "Not Installed" (true for an empty manager).
  bool areNoneInstalled() const;
  // For rows 0..last with "Version Mismatch" or "Multiple Versions": the
  // builds of their family found on the computer into `message`. 1 when every
  // row's listing succeeded.
  int listInstalledVersions(std::uint32_t last);
  // When a page becomes active: the warning for the status of the first row
  // with an error (a row named `excludedRowName` exactly is left out). True
  // when a warning was shown.
  bool showErrorStatusWarning(std::string_view excludedRowName = {});

  // --- Runs -------------------------------------------------------------------

  // Repairs error rows of first..last (or of every row with `wholeList`),
  // asking first when `askRepair`, then installs first..last.
  int installRange(std::uint32_t first, std::uint32_t last, bool wholeList, bool askRepair, bool stopOnPackageErrors);
  // Repairs error rows among the chosen ones (or among all with `repairAll`)
  // after asking, then installs the chosen rows in the order given.
  int installSelected(const std::uint32_t* indexes, std::uint32_t count, bool redownload, bool repairAll);
  // The repair step of every row of first..last; stops at the first failure.
  int repairRange(bool stopOnPackageErrors, std::uint32_t first, std::uint32_t last);
  // Uninstalls last down to first, so dependants go before what they need.
  int uninstallRange(std::uint32_t first, std::uint32_t last, bool stopOnPackageErrors);

  // Download only. `ignoreErrors` belongs to the caller and survives the
  // call: once the user chose "Ignore All", later failures pass silently,
  // in this call and in the caller's next ones.
  int downloadAll(bool showSummary, bool& ignoreErrors);
  int downloadSelected(const std::uint32_t* indexes, std::uint32_t count, bool showSummary, bool& ignoreErrors);
  // Deletes the downloaded files of every row (of the refreshable rows only
  // with `onlyRefreshable`).
  int deleteOldDownloads(bool onlyRefreshable, bool showSummary);

 private:
  bool isRange(std::uint32_t first, std::uint32_t last) const;
  bool areIndexes(const std::uint32_t* indexes, std::uint32_t count) const;
  bool hasErrorStatus(std::uint32_t first, std::uint32_t last) const;
  bool chosenRowHasErrorStatus(std::span<const std::uint32_t> chosen) const;
  bool askRepairQuestion();
  // Progress "Pending" for the rows of first..last (or of `chosen`), the
  // empty text for every other row of the manager.
  void markPendingRange(std::uint32_t first, std::uint32_t last);
  void markPendingChosen(std::span<const std::uint32_t> chosen);

  int installOneRow(std::uint32_t index, int position, int total, bool redownload, bool stopOnPackageErrors);
  int uninstallOneRow(std::uint32_t index, int position, int total, bool stopOnPackageErrors);
  // -1 ends the download run (abort), 1 goes on with the next row.
  int downloadOneRow(std::uint32_t index, bool& ignoreErrors);

  int showMessage(std::string_view text, UINT type = MB_OK);

  ComponentOperations& operations_;
  InstallSessions& sessions_;
  version_listing::InstalledBuildProbes& buildProbes_;
  HWND owner_ = nullptr;
  std::vector<std::unique_ptr<ComponentRow>> rows_;
};

}  // namespace components
