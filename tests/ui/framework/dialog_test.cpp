// The dialog base on a small dialog of commands and bound members, and the
// message-box helper.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <stdexcept>
#include <string>
#include <thread>

#include "framework_test_ids.h"
#include "platform/debug_log.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/dialog.h"
#include "platform/ui/message_box.h"
#include "support/ui_automation.h"
#include "test_windows.h"

namespace {

class CommandsDialog : public ui::Dialog {
 public:
  CommandsDialog() : ui::Dialog(IDD_FW_COMMANDS) {}

  int throwCount = 0;
  int countClicks = 0;
  std::string label = "bound label";
  std::string edit = "bound edit";
  bool option = true;
  int choice = 1;
  int position = 40;

 protected:
  bool onInitDialog() override {
    ui::ComboBox combo;
    combo.attach(hwnd(), IDC_FW_COMBO);
    combo.addString("Python 2.7.9");
    combo.addString("Python 2.7.13");
    combo.addString("Python 3.6.6");
    return ui::Dialog::onInitDialog();
  }

  void doDataExchange(ui::DataExchange& dx) override {
    dx.text(IDC_FW_TEXT, label);
    dx.text(IDC_FW_EDIT, edit);
    dx.check(IDC_FW_CHECK, option);
    dx.comboSelection(IDC_FW_COMBO, choice);
    dx.progress(IDC_FW_BAR, position);
  }

  bool onCommand(int id, int code, HWND control) override {
    if (id == IDC_FW_THROW) {
      ++throwCount;
      throw std::runtime_error("command failed on purpose");
    }
    if (id == IDC_FW_COUNT) {
      ++countClicks;
      return true;
    }
    return ui::Dialog::onCommand(id, code, control);
  }
};

class DialogTest : public testing::Test {
 protected:
  void SetUp() override { platform::debug_capture::start(); }
  void TearDown() override { platform::debug_capture::stop(); }
};

TEST_F(DialogTest, AnExceptionInACommandHandlerIsLoggedAndTheDialogGoesOn) {
  CommandsDialog dialog;
  ASSERT_TRUE(dialog.create());
  ASSERT_TRUE(testsupport::clickControl(dialog.hwnd(), IDC_FW_THROW));
  ASSERT_TRUE(fwtest::pumpUntil([&] { return dialog.throwCount == 1; }, 5000));
  EXPECT_TRUE(platform::debug_capture::contains(
      "ui::Dialog::dialogProc - exception in dialog 9130, message 0x0111: command failed on purpose\n"));

  ASSERT_TRUE(IsWindow(dialog.hwnd()));
  ASSERT_TRUE(testsupport::clickControl(dialog.hwnd(), IDC_FW_COUNT));
  EXPECT_TRUE(fwtest::pumpUntil([&] { return dialog.countClicks == 1; }, 5000)) << "the dialog still handles commands";
  dialog.destroy();
  EXPECT_EQ(dialog.hwnd(), nullptr);
}

TEST_F(DialogTest, DataExchangeMovesBoundMembersBothWays) {
  CommandsDialog dialog;
  ASSERT_TRUE(dialog.create());
  // onInitDialog moved the members to the controls.
  EXPECT_EQ(dialog.itemText(IDC_FW_TEXT), "bound label");
  EXPECT_EQ(dialog.itemText(IDC_FW_EDIT), "bound edit");
  EXPECT_EQ(SendMessageA(dialog.item(IDC_FW_CHECK), BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(dialog.itemText(IDC_FW_COMBO), "Python 2.7.13");
  EXPECT_EQ(SendMessageA(dialog.item(IDC_FW_BAR), PBM_GETPOS, 0, 0), 40);

  SetWindowTextA(dialog.item(IDC_FW_EDIT), "typed");
  SendMessageA(dialog.item(IDC_FW_CHECK), BM_SETCHECK, BST_UNCHECKED, 0);
  SendMessageA(dialog.item(IDC_FW_COMBO), CB_SETCURSEL, 2, 0);
  SendMessageA(dialog.item(IDC_FW_BAR), PBM_SETPOS, 75, 0);
  ASSERT_TRUE(dialog.updateData(false));
  EXPECT_EQ(dialog.edit, "typed");
  EXPECT_FALSE(dialog.option);
  EXPECT_EQ(dialog.choice, 2);
  EXPECT_EQ(dialog.position, 75);

  dialog.label = "changed label";
  dialog.choice = -1;
  ASSERT_TRUE(dialog.updateData(true));
  EXPECT_EQ(dialog.itemText(IDC_FW_TEXT), "changed label");
  EXPECT_EQ(SendMessageA(dialog.item(IDC_FW_COMBO), CB_GETCURSEL, 0, 0), CB_ERR);
  dialog.destroy();
  EXPECT_FALSE(dialog.updateData(true)) << "no window, nothing to exchange";
}

TEST_F(DialogTest, AMissingControlIsSkippedWithADebugLine) {
  CommandsDialog dialog;
  ASSERT_TRUE(dialog.create());
  ui::DataExchange dx(dialog.hwnd(), true);
  std::string text = "x";
  dx.text(4711, text);
  EXPECT_TRUE(platform::debug_capture::contains("ui::DataExchange::text - no control 4711\n"));
  dialog.destroy();
}

TEST_F(DialogTest, OkReadsTheControlsAndEndsTheModalRun) {
  CommandsDialog dialog;
  // The test thread answers the modal dialog.
  std::thread answer([&dialog] {
    HWND window = testsupport::waitForWindow("Framework Test Commands", 10000, GetCurrentProcessId());
    if (window == nullptr) {
      // Not seen under its caption: end the run anyway, the checks fail.
      PostMessageA(dialog.hwnd(), WM_COMMAND, IDCANCEL, 0);
      return;
    }
    testsupport::setWindowText(testsupport::findControl(window, IDC_FW_EDIT), "entered");
    testsupport::clickControl(window, IDOK);
  });
  const INT_PTR result = dialog.doModal();
  answer.join();
  EXPECT_EQ(result, IDOK);
  EXPECT_EQ(dialog.edit, "entered");
  EXPECT_EQ(dialog.hwnd(), nullptr);
}

BOOL CALLBACK closeWindow(HWND window, LPARAM) {
  PostMessageA(window, WM_CLOSE, 0, 0);
  return TRUE;
}

TEST(MessageBoxHelper, DefaultCaptionAndOtherCaptions) {
  struct Case {
    const char* caption;  // nullptr: the default
    UINT type;
    int press;
    const char* expectedCaption;
  };
  const Case cases[] = {
      {nullptr, MB_OK, IDOK, "Zephrion Vision Software XII 760 Installer"},
      {ui::kMessageBoxCaption, MB_OK | MB_ICONERROR, IDOK, "Zephrion Vision Software XII 760 Installer"},
      {ui::kConfirmationCaption, MB_YESNO, IDNO, "Confirmation"},
      {ui::kErrorCaption, MB_OK, IDOK, "Error"},
      {ui::kWarningCaption, MB_YESNO, IDYES, "Warning"},
      {ui::kInformationCaption, MB_OK, IDOK, "Information"},
  };
  for (const Case& c : cases) {
    std::atomic<int> result{-1};
    std::atomic<DWORD> boxThread{0};
    std::thread box([&] {
      boxThread = GetCurrentThreadId();
      result = c.caption == nullptr ? ui::messageBox(nullptr, "Message text")
                                    : ui::messageBox(nullptr, "Message text", c.type, c.caption);
    });
    HWND window = testsupport::waitForMessageBox(c.expectedCaption, 10000, GetCurrentProcessId());
    EXPECT_NE(window, nullptr) << c.expectedCaption;
    if (window != nullptr) {
      EXPECT_EQ(testsupport::messageBoxText(window), "Message text");
      EXPECT_TRUE(testsupport::pressMessageBoxButton(window, c.press));
    } else {
      // A box under another caption: close it so the test ends.
      EnumThreadWindows(boxThread, closeWindow, 0);
    }
    box.join();
    EXPECT_EQ(result, c.press) << c.expectedCaption;
  }
}

}  // namespace
