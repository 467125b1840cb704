// Picture buttons and labels: loading their pictures, the grey look of a
// disabled button, the hover frame and the transparent background, read back
// from the pixels on the window.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <fstream>

#include "controls_test_ids.h"
#include "controls_test_support.h"
#include "resource_ids.h"
#include "wizard/controls/image_button.h"
#include "wizard/controls/image_static.h"

namespace {

using controls_test::blue;
using controls_test::green;
using controls_test::red;

class PictureButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(page_.create()) << "the test page could not be created";
    SetWindowPos(page_.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
  }
  void TearDown() override { page_.destroy(); }

  // A picture button at (x, y) of the page with the black-and-white picture.
  void createCalibrationButton(hnImageButton& button, int x, int y) {
    const RECT rect{x, y, x + 40, y + 40};
    ASSERT_TRUE(button.Create("", 0, rect, page_.hwnd(), IDC_CT_BUTTON_FIRST));
    const std::string png = controls_test::tempPath("zephrion_controls_black_white.png");
    ASSERT_TRUE(controls_test::writeBlackWhitePng(png));
    ASSERT_EQ(button.loadImageFile(png), 1);
    DeleteFileA(png.c_str());
  }

  controls_test::TestPage page_;
};

void expectGrey(unsigned pixel, int expected, const char* what) {
  SCOPED_TRACE(what);
  EXPECT_NEAR(red(pixel), expected, 1);
  EXPECT_NEAR(green(pixel), expected, 1);
  EXPECT_NEAR(blue(pixel), expected, 1);
}

TEST_F(PictureButtonTest, ADisabledButtonLiftsBlackTo038GreyAndWhiteTo09863Grey) {
  hnImageButton button;
  createCalibrationButton(button, 20, 20);
  EXPECT_EQ(button.imageWidth(), 24);
  EXPECT_EQ(button.imageHeight(), 24);

  controls_test::Pixels enabled = controls_test::readWindowPixels(button.hwnd());
  ASSERT_EQ(enabled.width, 24) << "the button takes the picture's size";
  expectGrey(enabled.at(5, 12), 0, "enabled black");
  expectGrey(enabled.at(18, 12), 255, "enabled white");

  EnableWindow(button.hwnd(), FALSE);
  controls_test::Pixels disabled = controls_test::readWindowPixels(button.hwnd());
  // 0.38 of 255 and (0.2125 + 0.2577 + 0.1361 + 0.38) of 255.
  expectGrey(disabled.at(5, 12), 97, "disabled black");
  expectGrey(disabled.at(18, 12), 252, "disabled white");
}

TEST_F(PictureButtonTest, HoveringDrawsTheFrameTwoPixelsInsideTheEdges) {
  hnImageButton button;
  createCalibrationButton(button, 60, 20);
  SendMessageA(button.hwnd(), WM_MOUSEHOVER, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(button.hovered());
  controls_test::Pixels pixels = controls_test::readWindowPixels(button.hwnd());
  ASSERT_EQ(pixels.width, 24);

  const unsigned frame = 0xF8CA7F;
  // The four sides, at 2 pixels inside the edges; the picture on both sides
  // of each of them.
  for (int along = 2; along <= 21; ++along) {
    EXPECT_EQ(pixels.at(2, along), frame) << "left side at y " << along;
    EXPECT_EQ(pixels.at(21, along), frame) << "right side at y " << along;
    EXPECT_EQ(pixels.at(along, 2), frame) << "top side at x " << along;
    EXPECT_EQ(pixels.at(along, 21), frame) << "bottom side at x " << along;
  }
  EXPECT_EQ(pixels.at(1, 10), 0x000000u);
  EXPECT_EQ(pixels.at(3, 10), 0x000000u);
  EXPECT_EQ(pixels.at(22, 10), 0xFFFFFFu);
  EXPECT_EQ(pixels.at(20, 10), 0xFFFFFFu);
  EXPECT_EQ(pixels.at(10, 1), 0x000000u);
  EXPECT_EQ(pixels.at(10, 22), 0x000000u);

  SendMessageA(button.hwnd(), WM_MOUSELEAVE, 0, 0);
  EXPECT_FALSE(button.hovered());
  pixels = controls_test::readWindowPixels(button.hwnd());
  EXPECT_EQ(pixels.at(2, 10), 0x000000u) << "the frame is gone after the mouse left";
}

TEST_F(PictureButtonTest, ThePageBackgroundShowsWhereThePictureIsTransparent) {
  hnImageButton button;
  const RECT rect{100, 20, 124, 44};
  ASSERT_TRUE(button.Create("", 0, rect, page_.hwnd(), IDC_CT_BUTTON_FIRST));
  ASSERT_EQ(button.loadPngResource(IDP_INSTALL), 1);
  const unsigned face = GetSysColor(COLOR_BTNFACE);
  const unsigned faceRgb = ((face & 0xFF) << 16) | (face & 0xFF00) | ((face >> 16) & 0xFF);

  controls_test::Pixels pixels = controls_test::readWindowPixels(button.hwnd());
  EXPECT_EQ(pixels.at(0, 0), faceRgb) << "corner outside the disc";
  EXPECT_NE(pixels.at(12, 3), faceRgb) << "inside the disc";

  SendMessageA(button.hwnd(), WM_MOUSEHOVER, 0, 0);
  pixels = controls_test::readWindowPixels(button.hwnd());
  EXPECT_EQ(pixels.at(0, 0), faceRgb) << "hovered: still the page's background";
  EXPECT_EQ(pixels.at(2, 2), 0xF8CA7Fu);
}

TEST(PictureLoading, EveryPictureOfTheProgramLoadsAtItsSize) {
  struct Case {
    int id;
    int size;
  };
  const Case cases[] = {{IDP_RUN, 24},        {IDP_REMOVE, 24},      {IDP_UNINSTALL, 24},
                        {IDP_INSTALL, 24},    {IDP_REPAIR, 24},      {IDP_PDF, 24},
                        {IDP_CHANGE, 24},     {IDP_DELETE_COPY, 24}, {IDP_DOWNLOAD, 24},
                        {IDP_REFRESH, 24},    {IDP_COPY, 24},        {IDP_RESOURCE_PLACEHOLDER, 64},
                        {IDP_INFORMATION, 24}, {IDP_VIDEO, 24},      {IDP_BROWSE, 24},
                        {IDP_INSTALL_ALL, 24}, {IDP_INFORMATION_BETA, 24}};
  for (const Case& item : cases) {
    hnImageButton button;
    EXPECT_EQ(button.loadPngResource(item.id), 1) << "picture " << item.id;
    EXPECT_EQ(button.imageWidth(), item.size) << "picture " << item.id;
    EXPECT_EQ(button.imageHeight(), item.size) << "picture " << item.id;
  }
}

TEST(PictureLoading, AFailedLoadLeavesTheControlWithoutAPicture) {
  hnImageButton button;
  EXPECT_EQ(button.imageWidth(), 32) << "32 x 32 before any picture";
  EXPECT_EQ(button.loadPngResource(4999), -1) << "no such resource";
  EXPECT_EQ(button.imageWidth(), 0);
  EXPECT_EQ(button.imageHeight(), 0);

  const std::string notAPicture = controls_test::tempPath("zephrion_controls_not_a_picture.png");
  std::ofstream(notAPicture, std::ios::binary) << "this is not a PNG file";
  EXPECT_EQ(button.loadImageFile(notAPicture), 0);
  EXPECT_EQ(button.imageWidth(), 0);
  DeleteFileA(notAPicture.c_str());
  EXPECT_EQ(button.loadImageFile(notAPicture), 0) << "missing file";

  hnImageStatic label;
  EXPECT_EQ(label.loadInformationImage(), 1);
  EXPECT_EQ(label.imageWidth(), 24);
}

TEST_F(PictureButtonTest, SubclassedControlsGetTheirStyles) {
  hnImageButton button;
  ASSERT_TRUE(button.subclassDlgItem(IDC_CT_SUBCLASSED_BUTTON, page_.hwnd()));
  EXPECT_EQ(GetWindowLongPtrA(button.hwnd(), GWL_STYLE) & 0x0F, 0x0B) << "owner-draw button";
  ASSERT_EQ(button.loadPngResource(IDP_DOWNLOAD), 1);
  RECT rect{};
  GetWindowRect(button.hwnd(), &rect);
  EXPECT_EQ(rect.right - rect.left, 24);
  EXPECT_EQ(rect.bottom - rect.top, 24);

  hnImageStatic label;
  const RECT labelRect{140, 20, 170, 50};
  ASSERT_TRUE(label.Create("", 0, labelRect, page_.hwnd(), IDC_CT_INFO));
  EXPECT_NE(GetWindowLongPtrA(label.hwnd(), GWL_STYLE) & SS_NOTIFY, 0);
}

}  // namespace
