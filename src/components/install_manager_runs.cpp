// Repair, install and uninstall runs of hnInstallManagerBase.
//
// A run first deals with rows whose status is an error status: their repair
// step removes the faulty installation so that the install that follows
// starts clean. Then the rows of the run go "Pending" and are treated one by
// one; the first row that fails ends the run and the rows after it keep
// "Pending", so the page shows exactly where it stopped.

#include <algorithm>
#include <vector>

#include "components/catalog.h"
#include "components/component_names.h"
#include "components/install_manager.h"
#include "components/install_manager_messages.h"
#include "components/status_texts.h"

namespace components {

namespace {

// Rows installed by their recipe only need their file; the session must not
// run it. Files that nothing installs (help files) are fetched only as well.
bool sessionOnlyDownloads(std::string_view rowName) {
  const auto installedBy = catalog::installedByForName(rowName);
  return installedBy && *installedBy != InstalledBy::RunsFile;
}

}  // namespace

// --- Repair -------------------------------------------------------------------

bool hnInstallManagerBase::askRepairQuestion() {
  return showMessage(manager_messages::kRepairQuestion, MB_YESNO) == IDYES;
}

int hnInstallManagerBase::repairRange(bool stopOnPackageErrors, std::uint32_t first, std::uint32_t last) {
  if (!isRange(first, last)) return -1;
  for (std::uint32_t index = first; index <= last; ++index) {
    if (operations_.runRepairStep(*rows_[index], stopOnPackageErrors) < 1) return -1;
  }
  return 1;
}

bool hnInstallManagerBase::chosenRowHasErrorStatus(std::span<const std::uint32_t> chosen) const {
  return std::any_of(chosen.begin(), chosen.end(),
                     [this](std::uint32_t index) { return status::isErrorStatus(rows_[index]->statusText()); });
}

// --- Install ------------------------------------------------------------------

int hnInstallManagerBase::installRange(std::uint32_t first, std::uint32_t last, bool wholeList, bool askRepair,
                                       bool stopOnPackageErrors) {
  if (!isRange(first, last)) return -1;
  const std::uint32_t repairFirst = wholeList ? 0 : first;
  const std::uint32_t repairLast = wholeList ? rowCount() - 1 : last;

  // While someone is asked, the question comes again as long as an error
  // remains, and the user can stop with No. Without asking, a repair step
  // that keeps failing would repeat for ever: there is one repair pass, and
  // the install's own detection decides the rest.
  bool repaired = false;
  while (hasErrorStatus(repairFirst, repairLast)) {
    if (askRepair) {
      if (!askRepairQuestion()) return -1;
    } else if (repaired) {
      break;
    }
    // Its failure shows in the statuses the install step evaluates.
    repairRange(stopOnPackageErrors, repairFirst, repairLast);
    repaired = true;
    evaluateRows(repairFirst, repairLast);
  }

  markPendingRange(first, last);
  const int total = static_cast<int>(last - first + 1);
  for (std::uint32_t index = first; index <= last; ++index) {
    const int position = static_cast<int>(index - first + 1);
    if (installOneRow(index, position, total, false, stopOnPackageErrors) < 1) return -1;
  }
  return 1;
}

int hnInstallManagerBase::installSelected(const std::uint32_t* indexes, std::uint32_t count, bool redownload,
                                          bool repairAll) {
  if (!areIndexes(indexes, count)) return -1;
  const std::span<const std::uint32_t> chosen(indexes, count);

  // Chosen rows repaired one by one, in row order and each once per answer.
  std::vector<std::uint32_t> chosenInRowOrder(chosen.begin(), chosen.end());
  std::sort(chosenInRowOrder.begin(), chosenInRowOrder.end());
  chosenInRowOrder.erase(std::unique(chosenInRowOrder.begin(), chosenInRowOrder.end()), chosenInRowOrder.end());

  while (repairAll ? hasErrorStatus(0, rowCount() - 1) : chosenRowHasErrorStatus(chosen)) {
    if (!askRepairQuestion()) return -1;
    if (repairAll) {
      if (repairRange(false, 0, rowCount() - 1) != 1) {
        showMessage(manager_messages::kUnexpectedError);
        return -1;
      }
      evaluateRows(0, rowCount() - 1);
    } else {
      for (std::uint32_t index : chosenInRowOrder) {
        operations_.runRepairStep(*rows_[index], false);
        evaluateRows(index, index);
      }
    }
  }

  markPendingChosen(chosen);
  const int total = static_cast<int>(count);
  for (std::uint32_t k = 0; k < count; ++k) {
    if (installOneRow(indexes[k], static_cast<int>(k + 1), total, redownload, false) < 1) return -1;
  }
  return 1;
}

int hnInstallManagerBase::installOneRow(std::uint32_t index, int position, int total, bool redownload,
                                        bool stopOnPackageErrors) {
  ComponentRow& current = *rows_[index];
  if (operations_.detectComponent(current)) {
    current.setProgressText(progress::kOk);
    return 1;
  }
  current.setProgressText(progress::kInstalling);

  if (catalog::namesEqualIgnoringCase(current.name(), names::kPyserial2_7Win32)) {
    showMessage(manager_messages::kPyserialWizardNotice);
  }

  DownloadSessionOptions options;
  options.index = position;
  options.count = total;
  options.downloadOnly = sessionOnlyDownloads(current.name());
  options.redownload = redownload;
  options.interactive = true;
  options.owner = owner_;
  // Whether the install worked is decided by detection below, not by the
  // dialog's result; but a user who aborted the session wants the run to
  // stop, not the next row's download to start.
  const DownloadSessionResult session = sessions_.downloadAndInstall(current, options);
  if (session.userAborted) {
    current.setProgressText(progress::kFailed);
    return -1;
  }

  if (!operations_.runInstallRecipe(current, stopOnPackageErrors)) {
    current.setProgressText(progress::kFailed);
    return -1;
  }
  // Toolbox list and readme rows have nothing to detect: their recipe
  // succeeding is the install.
  if (catalog::installConfirmedByDetection(current.name()) && !operations_.detectComponent(current)) {
    current.setProgressText(progress::kFailed);
    return -1;
  }
  if (!operations_.runPostInstallActions(current)) {
    showMessage(manager_messages::kCustomActionsWarning);
  }
  current.setProgressText(progress::kOk);
  current.setStatusText(status::kInstalled);
  current.clearMessage();
  return 1;
}

// --- Uninstall ----------------------------------------------------------------

int hnInstallManagerBase::uninstallRange(std::uint32_t first, std::uint32_t last, bool stopOnPackageErrors) {
  if (!isRange(first, last)) return -1;
  markPendingRange(first, last);
  const int total = static_cast<int>(last - first + 1);
  for (std::uint32_t step = 0; step <= last - first; ++step) {
    if (uninstallOneRow(last - step, static_cast<int>(step + 1), total, stopOnPackageErrors) < 1) return -1;
  }
  return 1;
}

int hnInstallManagerBase::uninstallOneRow(std::uint32_t index, int position, int total, bool stopOnPackageErrors) {
  ComponentRow& current = *rows_[index];
  if (!operations_.detectComponent(current)) {
    current.setProgressText(progress::kOk);
    return 1;
  }
  current.setProgressText(progress::kUninstalling);
  sessions_.uninstall(current, position, total, stopOnPackageErrors);
  if (operations_.detectComponent(current)) {
    current.setProgressText(progress::kUninstallError);
    return -1;
  }
  current.setProgressText(progress::kOk);
  current.setStatusText(status::kNotInstalled);
  current.clearMessage();
  return 1;
}

}  // namespace components
