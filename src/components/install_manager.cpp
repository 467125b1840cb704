// Rows, evaluation and the small shared helpers of hnInstallManagerBase. The
// runs live beside it: install_manager_runs.cpp (repair, install, uninstall)
// and install_manager_downloads.cpp (download only, delete old downloads).

#include "components/install_manager.h"

#include "components/install_manager_messages.h"
#include "components/status_texts.h"
#include "platform/ui/message_box.h"

namespace components {

hnInstallManagerBase::hnInstallManagerBase(ComponentOperations& operations, InstallSessions& sessions,
                                           version_listing::InstalledBuildProbes& buildProbes)
    : operations_(operations), sessions_(sessions), buildProbes_(buildProbes) {}

hnInstallManagerBase::~hnInstallManagerBase() = default;

// --- Rows ---------------------------------------------------------------------

int hnInstallManagerBase::setRows(std::uint32_t count, const ComponentRow* rows) {
  if (rows == nullptr && count != 0) return -1;
  return setRows(std::span<const ComponentRow>(rows, count));
}

int hnInstallManagerBase::setRows(std::span<const ComponentRow> rows) {
  std::vector<std::unique_ptr<ComponentRow>> copies;
  copies.reserve(rows.size());
  for (const ComponentRow& row : rows) copies.push_back(std::make_unique<ComponentRow>(row));
  rows_ = std::move(copies);
  return 1;
}

void hnInstallManagerBase::clearRows() { rows_.clear(); }

ComponentRow* hnInstallManagerBase::row(std::uint32_t index) {
  return index < rows_.size() ? rows_[index].get() : nullptr;
}

const ComponentRow* hnInstallManagerBase::row(std::uint32_t index) const {
  return index < rows_.size() ? rows_[index].get() : nullptr;
}

ComponentRow* hnInstallManagerBase::findRow(std::string_view name) {
  for (const auto& candidate : rows_) {
    if (candidate->name() == name) return candidate.get();
  }
  return nullptr;
}

bool hnInstallManagerBase::isRange(std::uint32_t first, std::uint32_t last) const {
  return first <= last && last < rows_.size();
}

bool hnInstallManagerBase::areIndexes(const std::uint32_t* indexes, std::uint32_t count) const {
  if (indexes == nullptr || count == 0) return false;
  for (std::uint32_t k = 0; k < count; ++k) {
    if (indexes[k] >= rows_.size()) return false;
  }
  return true;
}

// --- Status -------------------------------------------------------------------

int hnInstallManagerBase::evaluateRows(std::uint32_t first, std::uint32_t last) {
  if (!isRange(first, last)) return -1;
  bool allInstalled = true;
  for (std::uint32_t index = first; index <= last; ++index) {
    ComponentRow& current = *rows_[index];
    current.clearMessage();
    if (!operations_.detectComponent(current)) {
      current.setStatusText(status::kNotInstalled);
      allInstalled = false;
    } else if (!operations_.verifyComponent(current)) {
      allInstalled = false;
    }
  }
  return allInstalled ? 1 : -1;
}

bool hnInstallManagerBase::areAllInstalled() const {
  if (rows_.empty()) return false;
  for (const auto& current : rows_) {
    if (current->statusText() != status::kInstalled) return false;
  }
  return true;
}

bool hnInstallManagerBase::areNoneInstalled() const {
  for (const auto& current : rows_) {
    if (current->statusText() != status::kNotInstalled) return false;
  }
  return true;
}

bool hnInstallManagerBase::hasErrorStatus(std::uint32_t first, std::uint32_t last) const {
  for (std::uint32_t index = first; index <= last && index < rows_.size(); ++index) {
    if (status::isErrorStatus(rows_[index]->statusText())) return true;
  }
  return false;
}

int hnInstallManagerBase::listInstalledVersions(std::uint32_t last) {
  if (last >= rows_.size()) return -1;
  bool allListed = true;
  // Rows of one family share their builds: each probe is asked once a pass.
  version_listing::RememberingBuildProbes remembered(buildProbes_);
  for (std::uint32_t index = 0; index <= last; ++index) {
    if (version_listing::listInstalledBuilds(*rows_[index], remembered) == version_listing::ListingResult::Failed) {
      allListed = false;
    }
  }
  return allListed ? 1 : -1;
}

namespace {

std::string_view warningForStatus(std::string_view statusText) {
  if (statusText == status::kVersionMismatch) return manager_messages::kVersionMismatchWarning;
  if (statusText == status::kReinstallNeeded) return manager_messages::kReinstallNeededWarning;
  if (statusText == status::kMultipleVersions) return manager_messages::kMultipleVersionsWarning;
  if (statusText == status::kIncompleteModule) return manager_messages::kIncompleteModuleWarning;
  return {};
}

}  // namespace

bool hnInstallManagerBase::showErrorStatusWarning(std::string_view excludedRowName) {
  for (const auto& current : rows_) {
    if (!excludedRowName.empty() && current->name() == excludedRowName) continue;
    const std::string_view warning = warningForStatus(current->statusText());
    if (warning.empty()) continue;
    showMessage(warning);
    return true;
  }
  return false;
}

// --- Shared helpers -----------------------------------------------------------

void hnInstallManagerBase::markPendingRange(std::uint32_t first, std::uint32_t last) {
  for (std::uint32_t index = 0; index < rows_.size(); ++index) {
    rows_[index]->setProgressText(index >= first && index <= last ? progress::kPending : progress::kNone);
  }
}

void hnInstallManagerBase::markPendingChosen(std::span<const std::uint32_t> chosen) {
  std::vector<bool> inRun(rows_.size(), false);
  for (std::uint32_t index : chosen) inRun[index] = true;
  for (std::uint32_t index = 0; index < rows_.size(); ++index) {
    rows_[index]->setProgressText(inRun[index] ? progress::kPending : progress::kNone);
  }
}

int hnInstallManagerBase::showMessage(std::string_view text, UINT type) {
  return ui::messageBox(owner_, std::string(text), type);
}

}  // namespace components
