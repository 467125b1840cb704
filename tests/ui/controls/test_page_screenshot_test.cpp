// A page as the wizard shows one: the banner, the side band, picture buttons
// enabled, disabled and hovered, an information picture and a hyperlink. The
// picture of the page is kept with the test artefacts so a person can look at
// it; the test itself checks that the banner shows its bitmap and outline.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

#include "controls_test_ids.h"
#include "controls_test_support.h"
#include "resource_ids.h"
#include "support/process.h"
#include "wizard/controls/component_install_header.h"
#include "wizard/controls/dynamic_button.h"
#include "wizard/controls/dynamic_hyperlink.h"
#include "wizard/controls/image_button.h"
#include "wizard/controls/image_static.h"

namespace {

std::string artefactPath(const char* name) {
  const std::string artefacts = testsupport::environmentValue("ZEPHRION_TEST_ARTIFACTS");
  if (artefacts.empty()) return controls_test::tempPath(name);
  const std::string folder = testsupport::toWindowsPath(artefacts);
  CreateDirectoryA(folder.c_str(), nullptr);
  return folder + "\\" + name;
}

TEST(TestPage, ShowsBannerButtonsAndLink) {
  controls_test::TestPage page;
  ASSERT_TRUE(page.create());
  SetWindowPos(page.hwnd(), HWND_TOP, 0, 0, 640, 360, SWP_SHOWWINDOW);
  RECT client{};
  GetClientRect(page.hwnd(), &client);
  // The page's own controls belong to other tests.
  ShowWindow(page.item(IDC_CT_SUBCLASSED_BUTTON), SW_HIDE);
  ShowWindow(page.item(IDC_CT_SUBCLASSED_LINK), SW_HIDE);

  hnComponentInstallHeader banner("Core Installation", "Install the Zephrion runtime and vision software",
                                  IDB_PAGE_BANNER);
  ASSERT_TRUE(banner.hasBitmap());
  ASSERT_TRUE(banner.Create(page.hwnd(), RECT{0, 0, client.right, 60}, IDC_COMPONENT_INSTALL_HEADER));
  hnComponentInstallHeader band("", "", IDB_SIDE_BAND);
  ASSERT_TRUE(band.Create(page.hwnd(), RECT{0, 60, 130, client.bottom}, IDC_SIDE_BAND));

  // Row by row: install, uninstall, download, repair, refresh; the second row
  // disabled; the third row's first button hovered.
  const int pictures[] = {IDP_INSTALL, IDP_UNINSTALL, IDP_DOWNLOAD, IDP_REPAIR, IDP_REFRESH, IDP_INFORMATION};
  std::vector<std::unique_ptr<DDynamicButton>> buttons;
  for (int row = 0; row < 3; ++row) {
    for (int column = 0; column < 6; ++column) {
      auto button = std::make_unique<DDynamicButton>();
      const int x = 160 + column * 34;
      const int y = 90 + row * 34;
      ASSERT_TRUE(button->Create("", 0, RECT{x, y, x + 24, y + 24}, page.hwnd(),
                                 IDC_CT_BUTTON_FIRST + row * 10 + column));
      ASSERT_EQ(button->loadPngResource(pictures[column]), 1);
      if (row == 1) EnableWindow(button->hwnd(), FALSE);
      buttons.push_back(std::move(button));
    }
  }
  SendMessageA(buttons[12]->hwnd(), WM_MOUSEHOVER, 0, 0);
  HFONT pageFont = reinterpret_cast<HFONT>(SendMessageA(page.hwnd(), WM_GETFONT, 0, 0));
  const char* rowNames[] = {"Enabled", "Disabled", "First hovered"};
  for (int row = 0; row < 3; ++row) {
    const int y = 95 + row * 34;
    HWND label = CreateWindowExA(0, "STATIC", rowNames[row], WS_CHILD | WS_VISIBLE, 370, y, 120, 16, page.hwnd(),
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(pageFont), TRUE);
  }

  hnImageStatic information;
  ASSERT_TRUE(information.Create("", WS_VISIBLE, RECT{160, 200, 184, 224}, page.hwnd(), IDC_CT_INFO));
  ASSERT_EQ(information.loadInformationImage(), 1);
  LOGFONTA font{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(page.hwnd(), WM_GETFONT, 0, 0)), sizeof(font), &font);
  DDynamicHyperlink link;
  ASSERT_TRUE(link.Create("Release Installer Version Available", SS_LEFT | WS_VISIBLE, RECT{190, 204, 440, 224}, page.hwnd(),
                          "http://host/", font, IDC_CT_LINK));

  const controls_test::Pixels pixels = controls_test::readWindowPixels(banner.hwnd());
  ASSERT_GT(pixels.width, 0);
  EXPECT_EQ(pixels.at(0, 30), 0x000000u) << "outline on the left edge";
  EXPECT_EQ(pixels.at(300, 0), 0x000000u) << "outline on the top edge";
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const unsigned faceRgb = ((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF);
  EXPECT_NE(pixels.at(500, 50), faceRgb) << "the bitmap is drawn under the texts";

  const std::string path = artefactPath("controls_test_page.bmp");
  ASSERT_TRUE(controls_test::saveWindowBitmap(page.hwnd(), path)) << path;
  printf("test page picture: %s\n", path.c_str());
  page.destroy();
}

}  // namespace
