#include "scripted_install_world.h"

#include <algorithm>

#include "components/status_texts.h"

namespace scripted {

using components::ComponentRow;
using components::DownloadErrorChoice;
using components::DownloadSessionOptions;
using components::DownloadSessionResult;

int World::detectCount(const std::string& name) const {
  const auto found = detectCounts_.find(name);
  return found == detectCounts_.end() ? 0 : found->second;
}

bool World::detectComponent(const ComponentRow& row) {
  ++detectCounts_[row.name()];
  return components_[row.name()].present;
}

bool World::verifyComponent(ComponentRow& row) {
  const Component& component = components_[row.name()];
  row.setStatusText(component.verifiedStatus);
  return component.verifiedStatus == components::status::kInstalled;
}

bool World::runInstallRecipe(ComponentRow& row, bool stopOnPackageErrors) {
  calls_.push_back("recipe " + row.name() + " stop=" + (stopOnPackageErrors ? "1" : "0"));
  Component& component = components_[row.name()];
  if (component.recipeResult && component.recipeInstalls) component.present = true;
  return component.recipeResult;
}

bool World::runPostInstallActions(ComponentRow& row) {
  calls_.push_back("post " + row.name());
  return components_[row.name()].postInstallResult;
}

int World::runRepairStep(ComponentRow& row, bool stopOnPackageErrors) {
  // As the real step: nothing to do (and success) without an error status.
  if (!components::status::isErrorStatus(row.statusText())) return 1;
  calls_.push_back("repair " + row.name() + " stop=" + (stopOnPackageErrors ? "1" : "0"));
  Component& component = components_[row.name()];
  if (component.repairResult > 0) component.present = false;
  return component.repairResult;
}

bool World::runUninstallRecipe(const ComponentRow& row, bool stopOnPackageErrors) {
  calls_.push_back("uninstall-recipe " + row.name() + " stop=" + (stopOnPackageErrors ? "1" : "0"));
  return components_[row.name()].uninstallTakesEffect;
}

DownloadSessionResult World::downloadAndInstall(const ComponentRow& row, const DownloadSessionOptions& options) {
  sessionOptions.push_back(options);
  calls_.push_back("session " + row.name() + " " + std::to_string(options.index) + "/" + std::to_string(options.count) +
                   (options.downloadOnly ? " download" : " install") + (options.redownload ? " redownload" : ""));
  Component& component = components_[row.name()];
  DownloadSessionResult result{IDOK, false};
  if (!component.sessionResults.empty()) {
    result = component.sessionResults.front();
    component.sessionResults.pop_front();
  }
  if (result.completed() && !options.downloadOnly && component.installTakesEffect) component.present = true;
  return result;
}

int World::uninstall(const ComponentRow& row, int index, int count, bool stopOnPackageErrors) {
  calls_.push_back("uninstall " + row.name() + " " + std::to_string(index) + "/" + std::to_string(count) +
                   " stop=" + (stopOnPackageErrors ? "1" : "0"));
  Component& component = components_[row.name()];
  if (component.uninstallTakesEffect) component.present = false;
  return IDOK;
}

bool World::deleteDownloadedFiles(const ComponentRow& row) {
  calls_.push_back("delete " + row.name());
  return components_[row.name()].deleteResult;
}

DownloadErrorChoice World::askAfterDownloadError(const std::string& message, HWND) {
  calls_.push_back("ask-download-error " + message);
  if (downloadErrorAnswers.empty()) return DownloadErrorChoice::Abort;
  const DownloadErrorChoice choice = downloadErrorAnswers.front();
  downloadErrorAnswers.pop_front();
  return choice;
}

// --- ScriptedBuildProbes --------------------------------------------------------

namespace {
bool contains(const std::vector<std::string>& list, const std::string& item) {
  return std::find(list.begin(), list.end(), item) != list.end();
}
}  // namespace

bool ScriptedBuildProbes::uninstallDisplayNameEquals(std::string_view key, std::string_view displayName) {
  return contains(displayNames, std::string(key) + "|" + std::string(displayName));
}

std::string ScriptedBuildProbes::python27PackageVersion(std::string_view package) {
  ++pipQueries;
  const auto found = pipVersions.find(package);
  return found == pipVersions.end() ? std::string() : found->second;
}

bool ScriptedBuildProbes::runtimeFolderExists(std::string_view folderName) {
  return contains(runtimeFolders, std::string(folderName));
}

bool ScriptedBuildProbes::msiProductVersionIs(std::string_view productCode, std::string_view version) {
  return contains(msiProducts, std::string(productCode) + "|" + std::string(version));
}

bool ScriptedBuildProbes::describePython36Builds(components::version_listing::Python36Family family,
                                                 std::string& text) {
  python36Asked.push_back(family);
  text = python36Text;
  return python36Result;
}

// --- RowSet ---------------------------------------------------------------------

RowSet::RowSet(const std::vector<std::string>& names, const std::string& downloadFolder,
               const std::vector<std::string>& refreshable) {
  rows_.reserve(names.size());
  for (const std::string& name : names) {
    for (int k = 0; k < 3; ++k) cells_.push_back(std::make_unique<RecordingCell>());
    const std::size_t first = cells_.size() - 3;
    const components::RowCells rowCells{cells_[first].get(), cells_[first + 1].get(), cells_[first + 2].get()};
    rows_.emplace_back(name, "http://127.0.0.1:1/zephrion/files/" + name, name + ".exe", " /quiet", downloadFolder,
                       false, 0, contains(refreshable, name), rowCells, "Group");
  }
  clearHistories();
}

void RowSet::clearHistories() {
  for (auto& cell : cells_) cell->clearHistory();
}

std::vector<std::string> RowSet::progressHistories() const {
  std::vector<std::string> lines;
  for (std::size_t index = 0; index < rows_.size(); ++index) {
    std::string line = rows_[index].name() + ":";
    const char* separator = " ";
    for (const std::string& text : cells_[index * 3 + 2]->history()) {
      line += separator;
      line += text.empty() ? "<empty>" : text;
      separator = " > ";
    }
    lines.push_back(line);
  }
  return lines;
}

}  // namespace scripted
