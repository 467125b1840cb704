// A dynamic button forwards its click to its target as WM_USER + 6 with its
// two parameters, and does nothing without a target.
#include <gtest/gtest.h>

#include <windows.h>

#include <utility>
#include <vector>

#include "controls_test_ids.h"
#include "controls_test_support.h"
#include "resource_ids.h"
#include "support/ui_automation.h"
#include "wizard/controls/dynamic_button.h"

namespace {

class DynamicButtonTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(page_.create());
    const RECT rect{20, 20, 44, 44};
    ASSERT_TRUE(button_.Create("", 0, rect, page_.hwnd(), IDC_CT_BUTTON_FIRST));
    ASSERT_EQ(button_.loadPngResource(IDP_INSTALL), 1);
  }
  void TearDown() override { page_.destroy(); }

  controls_test::TestPage page_;
  DDynamicButton button_;
};

TEST_F(DynamicButtonTest, AClickSendsBothParametersToTheTarget) {
  EXPECT_EQ(button_.firstParameter(), -1);
  EXPECT_EQ(button_.secondParameter(), -1);
  EXPECT_EQ(button_.target(), nullptr);
  button_.setTarget(page_.hwnd());

  struct Case {
    int first;
    int second;
  };
  for (const Case& item : {Case{3, 2}, Case{0, 0}, Case{-1, -1}, Case{45023, 5}}) {
    page_.dynamicMessages.clear();
    button_.setParameters(item.first, item.second);
    // A real click: the button's own notification to its parent.
    SendMessageA(button_.hwnd(), BM_CLICK, 0, 0);
    controls_test::pumpMessages();
    ASSERT_EQ(page_.dynamicMessages.size(), 1u) << "parameters " << item.first << ", " << item.second;
    EXPECT_EQ(page_.dynamicMessages[0], std::make_pair(item.first, item.second));
  }

  // A click as the automation helpers make it (a posted notification).
  page_.dynamicMessages.clear();
  button_.setParameters(7, 1);
  ASSERT_TRUE(testsupport::clickControl(button_.hwnd()));
  controls_test::pumpMessages();
  ASSERT_EQ(page_.dynamicMessages.size(), 1u);
  EXPECT_EQ(page_.dynamicMessages[0], std::make_pair(7, 1));
}

TEST_F(DynamicButtonTest, WithoutATargetAClickSendsNothing) {
  button_.setParameters(4, 0);
  SendMessageA(button_.hwnd(), BM_CLICK, 0, 0);
  ASSERT_TRUE(testsupport::clickControl(button_.hwnd()));
  controls_test::pumpMessages();
  EXPECT_TRUE(page_.dynamicMessages.empty());
}

TEST_F(DynamicButtonTest, APlainPictureButtonStillNotifiesItsParent) {
  hnImageButton plain;
  const RECT rect{60, 20, 84, 44};
  ASSERT_TRUE(plain.Create("", 0, rect, page_.hwnd(), IDC_CT_BUTTON_FIRST + 1));
  SendMessageA(plain.hwnd(), BM_CLICK, 0, 0);
  controls_test::pumpMessages();
  EXPECT_EQ(page_.commands, std::vector<int>{IDC_CT_BUTTON_FIRST + 1});
  EXPECT_TRUE(page_.dynamicMessages.empty());
}

}  // namespace
