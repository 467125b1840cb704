// Placing a camera driver row on a page: every control keeps the top edge of
// the row, labels sit 4 pixels lower, and the buttons get their pictures and
// tooltips.
#include <gtest/gtest.h>

#include <memory>

#include "platform/ui/control.h"
#include "resource_ids.h"
#include "wizard/controls/image_button.h"
#include "wizard/driver_row_layout.h"
#include "wizard/page_titles.h"
#include "wizard/property_page_base.h"
#include "wizard_test_world.h"

namespace {

void expectRect(HWND control, int x, int y, int width, int height, const char* what) {
  const RECT rect = ui::rectInParent(control);
  EXPECT_EQ(rect.left, x) << what;
  EXPECT_EQ(rect.top, y) << what;
  EXPECT_EQ(rect.right - rect.left, width) << what;
  EXPECT_EQ(rect.bottom - rect.top, height) << what;
}

TEST(DriverRowLayout, TheControlsOfARowArePlacedOnTheRowsLine) {
  wizardtest::World world("Python 2.7.9");
  wizardtest::TestSheet sheet(world.services);
  sheet.setActivePage(sheet.sequenceIndexOfKey("3rd Party Camera Drivers - 1"));
  wizardtest::RunningSheet running(sheet);
  ASSERT_TRUE(running.waitUntilShown());
  ASSERT_TRUE(running.waitForCaption(wizard::pageTitle("3rd Party Camera Drivers - 1")));

  hnImageButton remove, install, information, installOnly, installOnlyInformation, warning;
  HWND labels[4] = {};
  zpDPropertyPageBase* page = nullptr;
  ASSERT_TRUE(running.invoke([&] {
    page = sheet.sequencePage(sheet.activeIndex());
    HWND window = page->hwnd();
    const RECT row{400, 120, 424, 144};
    const RECT secondRow{400, 160, 424, 184};
    remove.Create("", 0, row, window, 5001);
    install.Create("", 0, row, window, 5002);
    information.Create("", 0, row, window, 5003);
    installOnly.Create("", 0, secondRow, window, 5004);
    installOnlyInformation.Create("", 0, secondRow, window, 5005);
    warning.Create("", 0, RECT{400, 200, 424, 224}, window, 5006);
    for (int i = 0; i < 4; ++i) {
      labels[i] = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, 10, 10, 10, 10, window, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
    }
    layoutDriverRow(*page, &remove, &install, &information, "About this driver", labels[0], labels[1], labels[2]);
    layoutDriverInstallOnlyRow(*page, &installOnly, &installOnlyInformation, labels[3]);
    layoutNetworkWarningIcon(&warning, *page);
  }));

  expectRect(remove.hwnd(), 811, 120, 24, 24, "remove");
  expectRect(install.hwnd(), 785, 120, 24, 24, "install");
  expectRect(information.hwnd(), 200, 120, 24, 24, "information");
  expectRect(labels[2], 727, 124, 56, 20, "status");
  expectRect(labels[1], 643, 124, 82, 20, "version");
  expectRect(labels[0], 226, 124, 415, 20, "name");
  expectRect(installOnly.hwnd(), 643, 160, 24, 24, "install only");
  expectRect(installOnlyInformation.hwnd(), 200, 160, 24, 24, "install only information");
  expectRect(labels[3], 226, 164, 415, 20, "install only name");
  expectRect(warning.hwnd(), 200, 200, 24, 24, "network warning");

  std::string tips[4];
  ASSERT_TRUE(running.invoke([&] {
    tips[0] = page->toolTip().toolText(remove.hwnd());
    tips[1] = page->toolTip().toolText(install.hwnd());
    tips[2] = page->toolTip().toolText(information.hwnd());
    tips[3] = page->toolTip().toolText(installOnlyInformation.hwnd());
  }));
  EXPECT_EQ(tips[0], "Remove");
  EXPECT_EQ(tips[1], "Install");
  EXPECT_EQ(tips[2], "About this driver");
  // Wine hands back at most 80 characters of a tool's text.
  const std::string installOnlyTip =
      "Please connect the camera and then start the driver installation. The driver needs to be installed for "
      "every camera connected";
  ASSERT_GE(tips[3].size(), 79u);
  EXPECT_EQ(tips[3], installOnlyTip.substr(0, tips[3].size()));
}

}  // namespace
