#pragma once
// A scripted computer for installation-manager tests: components that are
// present or not, per-component operations and sessions whose outcomes the
// test sets per row name, cells that remember every text written into them,
// and a log of every call the manager made, in order.

#include <deque>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "components/component_operations.h"
#include "components/component_row.h"
#include "components/install_sessions.h"
#include "components/install_version_listing.h"
#include "components/text_cell.h"

namespace scripted {

// A cell that keeps every text written into it.
class RecordingCell final : public components::TextCell {
 public:
  void setText(std::string_view text) override {
    value_.assign(text);
    history_.emplace_back(text);
  }
  std::string text() const override { return value_; }

  const std::vector<std::string>& history() const { return history_; }
  void clearHistory() { history_.clear(); }

 private:
  std::string value_;
  std::vector<std::string> history_;
};

// What one component does on the scripted computer.
struct Component {
  bool present = false;
  // Written by verify while present ("Installed" or an error status).
  std::string verifiedStatus = "Installed";
  // An install session that runs the file (not download-only) makes the
  // component present when this is set.
  bool installTakesEffect = true;
  // The install recipe's result; with recipeInstalls a successful recipe
  // makes the component present (rows installed by their recipe).
  bool recipeResult = true;
  bool recipeInstalls = false;
  bool postInstallResult = true;
  // The repair step of a row with an error status: 1 removes the component
  // (so the install starts clean), -1 leaves it as it was.
  int repairResult = 1;
  // An uninstall session removes the component when this is set.
  bool uninstallTakesEffect = true;
  // Results of the download sessions, in order; IDOK once they run out.
  std::deque<components::DownloadSessionResult> sessionResults;
  bool deleteResult = true;
};

class World final : public components::ComponentOperations, public components::InstallSessions {
 public:
  Component& component(const std::string& name) { return components_[name]; }

  // Every call in order, for example "repair Alpha", "session Bravo 2/3 install",
  // "session Bravo 1/1 download", "recipe Bravo stop=1", "post Bravo",
  // "uninstall Charlie 1/4 stop=0", "delete Alpha", "ask-download-error <text>".
  // Detection and verification are counted, not logged.
  const std::vector<std::string>& calls() const { return calls_; }
  void clearCalls() { calls_.clear(); }
  int detectCount(const std::string& name) const;

  // Answers of the download-error dialog, in order; Abort once they run out.
  std::deque<components::DownloadErrorChoice> downloadErrorAnswers;
  // The options of every download-and-install session, in order.
  std::vector<components::DownloadSessionOptions> sessionOptions;

  // ComponentOperations
  bool detectComponent(const components::ComponentRow& row) override;
  bool verifyComponent(components::ComponentRow& row) override;
  bool runInstallRecipe(components::ComponentRow& row, bool stopOnPackageErrors) override;
  bool runPostInstallActions(components::ComponentRow& row) override;
  int runRepairStep(components::ComponentRow& row, bool stopOnPackageErrors) override;
  bool runUninstallRecipe(const components::ComponentRow& row, bool stopOnPackageErrors) override;

  // InstallSessions
  components::DownloadSessionResult downloadAndInstall(const components::ComponentRow& row,
                                                       const components::DownloadSessionOptions& options) override;
  int uninstall(const components::ComponentRow& row, int index, int count, bool stopOnPackageErrors) override;
  bool deleteDownloadedFiles(const components::ComponentRow& row) override;
  components::DownloadErrorChoice askAfterDownloadError(const std::string& message, HWND owner) override;

 private:
  std::map<std::string, Component> components_;
  std::map<std::string, int> detectCounts_;
  std::vector<std::string> calls_;
};

// Build probes answering from tables the test fills.
class ScriptedBuildProbes final : public components::version_listing::InstalledBuildProbes {
 public:
  // "key|displayName" entries that are present.
  std::vector<std::string> displayNames;
  // pip package -> version under Python 2.7.
  std::map<std::string, std::string, std::less<>> pipVersions;
  std::vector<std::string> runtimeFolders;
  // "code|version" products installed.
  std::vector<std::string> msiProducts;
  // The Python 3.6 listing's text and result.
  std::string python36Text = "Unknown";
  bool python36Result = true;
  std::vector<components::version_listing::Python36Family> python36Asked;
  int pipQueries = 0;

  bool uninstallDisplayNameEquals(std::string_view key, std::string_view displayName) override;
  std::string python27PackageVersion(std::string_view package) override;
  bool runtimeFolderExists(std::string_view folderName) override;
  bool msiProductVersionIs(std::string_view productCode, std::string_view version) override;
  bool describePython36Builds(components::version_listing::Python36Family family, std::string& text) override;
};

// Rows for a manager, each with its own recording cells, downloading into
// `downloadFolder`.
class RowSet {
 public:
  // Rows whose name is in `refreshable` carry the refresh-on-download flag.
  RowSet(const std::vector<std::string>& names, const std::string& downloadFolder,
         const std::vector<std::string>& refreshable = {});

  const std::vector<components::ComponentRow>& rows() const { return rows_; }
  RecordingCell& status(std::size_t index) { return *cells_[index * 3 + 1]; }
  RecordingCell& progress(std::size_t index) { return *cells_[index * 3 + 2]; }
  // Forgets what the row constructors wrote, so a test sees only its run.
  void clearHistories();
  // The progress history of every row, one line per row: "A: Pending > Ok".
  std::vector<std::string> progressHistories() const;

 private:
  std::vector<std::unique_ptr<RecordingCell>> cells_;
  std::vector<components::ComponentRow> rows_;
};

}  // namespace scripted
