#pragma once
// The common stage of the installation-manager tests: a scripted computer, a
// manager on it, rows with recording cells, and a scratch download folder.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "app/folders.h"
#include "components/install_manager.h"
#include "scripted_install_world.h"

namespace scripted {

class ManagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    downloadFolder_ = std::string(temp) + "zp_manager_test_" + std::to_string(GetCurrentProcessId());
    app::deleteFolderTree(downloadFolder_.c_str(), "zp_manager_test_");
    ASSERT_TRUE(app::createFolderPath(downloadFolder_.c_str()));
  }

  void TearDown() override { app::deleteFolderTree(downloadFolder_.c_str(), "zp_manager_test_"); }

  // Gives the manager rows of these names; the cells' histories start empty.
  void useRows(const std::vector<std::string>& names, const std::vector<std::string>& refreshable = {}) {
    rows_ = std::make_unique<RowSet>(names, downloadFolder_, refreshable);
    ASSERT_EQ(manager_.setRows(static_cast<std::uint32_t>(rows_->rows().size()), rows_->rows().data()), 1);
  }

  // The component is on the computer; verify writes `status`.
  void present(const std::string& name, const std::string& status = "Installed") {
    world_.component(name).present = true;
    world_.component(name).verifiedStatus = status;
  }

  // Evaluates every row, then forgets the texts that wrote, so a test sees
  // only what its run writes.
  void evaluateAll() {
    manager_.evaluateRows(0, manager_.rowCount() - 1);
    rows_->clearHistories();
    world_.clearCalls();
  }

  std::string statusOf(std::uint32_t index) { return manager_.row(index)->statusText(); }

  World world_;
  ScriptedBuildProbes probes_;
  std::unique_ptr<RowSet> rows_;
  components::hnInstallManagerBase manager_{world_, world_, probes_};
  std::string downloadFolder_;
};

}  // namespace scripted
