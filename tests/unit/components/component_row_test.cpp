#include "components/component_row.h"

#include <gtest/gtest.h>

namespace {

using components::ComponentRow;
using components::RowCells;
using components::StringCell;

struct PageCells {
  StringCell name{"old name"};
  StringCell status{"Installed"};
  StringCell progress{"Failed"};
  RowCells cells() { return {&name, &status, &progress}; }
};

ComponentRow sampleRow(RowCells cells) {
  return ComponentRow("Tera Term 4.88", "http://server/zephrion/files/x/teraterm-4.88.exe", "teraterm-4.88.exe", " ",
                      "C:\\inst\\_ZephrionInstallData\\Utilities", false, 0, false, cells, "Optional Utility Software");
}

TEST(ComponentRowTest, ConstructionFillsNameCellClearsProgressAndLeavesStatus) {
  PageCells page;
  const ComponentRow row = sampleRow(page.cells());
  EXPECT_EQ(page.name.value(), "Tera Term 4.88");
  EXPECT_EQ(page.progress.value(), "");
  EXPECT_EQ(page.status.value(), "Installed");
  EXPECT_EQ(row.getMessage(), "");
  EXPECT_EQ(row.getInstallArguments(), " ");
  EXPECT_EQ(row.getGroup(), "Optional Utility Software");
}

TEST(ComponentRowTest, CopiesShareTheCellsAndOwnTheirTexts) {
  PageCells page;
  ComponentRow original = sampleRow(page.cells());
  ComponentRow copy = original;
  copy.setStatusText("Not Installed");
  copy.setProgressText("Pending");
  EXPECT_EQ(original.statusText(), "Not Installed");
  EXPECT_EQ(original.progressText(), "Pending");
  EXPECT_EQ(copy.nameCell(), original.nameCell());

  copy.setMessage("2.0, 3.0");
  EXPECT_EQ(original.getMessage(), "");

  ComponentRow assigned = sampleRow({});
  assigned = original;
  EXPECT_EQ(assigned.statusCell(), &page.status);
  EXPECT_EQ(assigned.getDownloadUrl(), original.getDownloadUrl());
}

TEST(ComponentRowTest, RebindingPointsAtOtherCellsWithoutWritingThem) {
  PageCells page;
  StringCell shared("collecting");
  ComponentRow row = sampleRow(page.cells());
  row.rebindCells({&shared, &shared, &shared});
  EXPECT_EQ(shared.value(), "collecting");
  row.setProgressText("Downloaded");
  EXPECT_EQ(shared.value(), "Downloaded");
  EXPECT_EQ(page.progress.value(), "");
}

TEST(ComponentRowTest, RowWithoutCellsReadsEmptyAndIgnoresWrites) {
  ComponentRow row = sampleRow({});
  row.setStatusText("Installed");
  EXPECT_EQ(row.statusText(), "");
  EXPECT_EQ(row.progressText(), "");
  EXPECT_EQ(row.getName(), "Tera Term 4.88");
}

}  // namespace
