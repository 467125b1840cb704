// The wizard sheet and its pages on three small test pages, run modally on a
// second thread and driven from the test thread like a user would.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <thread>

#include "framework_test_ids.h"
#include "platform/debug_log.h"
#include "platform/ui/control.h"
#include "platform/ui/wizard_page.h"
#include "platform/ui/wizard_sheet.h"
#include "support/ui_automation.h"
#include "test_windows.h"

namespace {

constexpr const char* kTitleOne = "Framework Wizard - Page One";
constexpr const char* kTitleTwo = "Framework Wizard - Page Two";
constexpr const char* kTitleThree = "Framework Wizard - Page Three";
constexpr int kHomeCommand = 40203;
constexpr int kFailingCommand = 40299;

class TestPage : public ui::WizardPage {
 public:
  TestPage(int templateId, const char* title) : ui::WizardPage(templateId, title) {}

  std::atomic<int> initCount{0};
  std::atomic<int> setActiveCount{0};
  std::atomic<int> nextCount{0};
  std::atomic<int> backCount{0};
  std::atomic<bool> stayOnNext{false};
  std::atomic<bool> throwOnNext{false};
  std::atomic<bool> skip{false};
  std::atomic<int> jumpTo{0};
  // Touched on the sheet's thread only.
  std::string cancelText = "Cancel";
  std::string editText;

 protected:
  bool onInitDialog() override {
    ++initCount;
    return ui::WizardPage::onInitDialog();
  }

  void doDataExchange(ui::DataExchange& dx) override { dx.text(IDC_FW_PAGE_EDIT, editText); }

  bool onSetActive() override {
    ++setActiveCount;
    ui::WizardSheet* owner = sheet();
    const int index = owner->pageIndex(this);
    owner->setWizardButtons((index > 0 ? PSWIZB_BACK : 0) |
                            (index + 1 < owner->pageCount() ? PSWIZB_NEXT : PSWIZB_FINISH));
    owner->setCancelText(cancelText);
    return ui::WizardPage::onSetActive();
  }

  LRESULT onWizardNext() override {
    ++nextCount;
    if (throwOnNext) throw std::runtime_error("next failed on purpose");
    if (stayOnNext) return -1;
    if (jumpTo != 0) return jumpTo;
    return moveSkipping(+1);
  }

  LRESULT onWizardBack() override {
    ++backCount;
    return moveSkipping(-1);
  }

 private:
  // The installer's rule: Back and Next pass over pages that ask to be
  // skipped; with none left the sheet's default move happens.
  LRESULT moveSkipping(int step) {
    ui::WizardSheet* owner = sheet();
    for (int i = owner->activeIndex() + step; i >= 0 && i < owner->pageCount(); i += step) {
      if (static_cast<TestPage*>(owner->page(i))->skip) continue;
      owner->setActivePage(i);
      return -1;
    }
    return 0;
  }
};

class TestSheet : public ui::WizardSheet {
 public:
  TestSheet() : ui::WizardSheet("Framework Wizard") {}

  std::atomic<int> helpCount{0};
  int heightBefore = 0;
  int heightAfter = 0;
  int backTopBefore = 0;
  int backTopAfter = 0;
  HWND homeButton = nullptr;

 protected:
  void onInitDialog() override {
    heightBefore = windowHeight();
    backTopBefore = backTop();
    backTopAfter = growForNavigationBar();
    heightAfter = windowHeight();
    homeButton = CreateWindowExA(0, "BUTTON", "Home", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, backTopAfter - 33, 85,
                                 23, hwnd(), reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHomeCommand)),
                                 GetModuleHandleA(nullptr), nullptr);
    SendMessageA(homeButton, WM_SETFONT, reinterpret_cast<WPARAM>(font()), TRUE);
  }

  bool onCommand(int id, int, HWND) override {
    if (id == kFailingCommand) throw std::runtime_error("sheet command failed on purpose");
    if (id != kHomeCommand) return false;
    setActivePage(0);
    return true;
  }

  void onHelp() override { ++helpCount; }

  bool onMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) override {
    if (message != fwtest::kInvokeMessage) return false;
    (*reinterpret_cast<const std::function<void()>*>(lParam))();
    result = 1;
    return true;
  }

 private:
  int windowHeight() const {
    RECT rect;
    GetWindowRect(hwnd(), &rect);
    return rect.bottom - rect.top;
  }
  int backTop() const {
    RECT rect;
    GetWindowRect(GetDlgItem(hwnd(), ui::kWizardBackButton), &rect);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&rect), 2);
    return rect.top;
  }
};

class WizardSheetTest : public testing::Test {
 protected:
  void SetUp() override {
    sheet_.setHelpButton(true);
    ASSERT_TRUE(sheet_.addPage(&one_));
    ASSERT_TRUE(sheet_.addPage(&two_));
    ASSERT_TRUE(sheet_.addPage(&three_));
    thread_ = std::thread([this] {
      result_ = sheet_.doModal();
      done_ = true;
    });
    window_ = testsupport::waitForWindow(kTitleOne, 15000, GetCurrentProcessId());
    ASSERT_NE(window_, nullptr) << "the wizard did not show its first page's title";
  }

  void TearDown() override {
    platform::debug_capture::stop();
    // The sheet's own handle as well, in case its caption was never seen.
    HWND running = window_ != nullptr ? window_ : sheet_.hwnd();
    if (!done_ && running != nullptr) testsupport::clickControl(running, IDCANCEL);
    if (!fwtest::waitUntil([this] { return done_.load(); }, 15000)) {
      // Joining a sheet that never ends would hang the whole run.
      ADD_FAILURE() << "the wizard did not end";
      std::fflush(stdout);
      TerminateProcess(GetCurrentProcess(), 3);
    }
    if (thread_.joinable()) thread_.join();
  }

  void click(int id) { ASSERT_TRUE(testsupport::clickControl(window_, id)) << "no control " << id; }

  bool waitForCaption(const std::string& caption) {
    return fwtest::waitUntil([&] { return testsupport::windowText(window_) == caption; }, 5000);
  }

  // Runs on the sheet's thread.
  void onSheet(const std::function<void()>& function) { ASSERT_TRUE(fwtest::invokeOn(window_, function)); }

  int activeIndex() {
    int index = -2;
    onSheet([&] { index = sheet_.activeIndex(); });
    return index;
  }

  std::string cancelText() { return testsupport::windowText(GetDlgItem(window_, IDCANCEL)); }

  TestPage one_{IDD_FW_PAGE_ONE, kTitleOne};
  TestPage two_{IDD_FW_PAGE_TWO, kTitleTwo};
  TestPage three_{IDD_FW_PAGE_THREE, kTitleThree};
  TestSheet sheet_;
  std::thread thread_;
  std::atomic<bool> done_{false};
  INT_PTR result_ = -1;
  HWND window_ = nullptr;
};

TEST_F(WizardSheetTest, NextAndBackMoveAndTheCaptionIsTheActivePagesTitle) {
  EXPECT_EQ(activeIndex(), 0);
  click(ui::kWizardNextButton);
  ASSERT_TRUE(waitForCaption(kTitleTwo));
  EXPECT_EQ(activeIndex(), 1);
  click(ui::kWizardNextButton);
  ASSERT_TRUE(waitForCaption(kTitleThree));
  click(ui::kWizardBackButton);
  ASSERT_TRUE(waitForCaption(kTitleTwo));
  EXPECT_EQ(activeIndex(), 1);
  EXPECT_EQ(one_.nextCount, 1);
  EXPECT_EQ(two_.nextCount, 1);
  EXPECT_EQ(three_.backCount, 1);

  // Activating the active page again runs its activation once more (the
  // installer does so when a newer version was found).
  const int activations = two_.setActiveCount;
  onSheet([&] { sheet_.setActivePage(sheet_.activeIndex()); });
  EXPECT_EQ(two_.setActiveCount, activations + 1);
  EXPECT_EQ(activeIndex(), 1);
}

TEST_F(WizardSheetTest, APageThatAsksToStayKeepsTheSheetOnIt) {
  one_.stayOnNext = true;
  click(ui::kWizardNextButton);
  ASSERT_TRUE(fwtest::waitUntil([&] { return one_.nextCount == 1; }, 5000));
  EXPECT_EQ(activeIndex(), 0);
  EXPECT_EQ(testsupport::windowText(window_), kTitleOne);
  EXPECT_EQ(two_.setActiveCount, 0);

  one_.stayOnNext = false;
  click(ui::kWizardNextButton);
  EXPECT_TRUE(waitForCaption(kTitleTwo));
}

TEST_F(WizardSheetTest, NextReturningAPageResourceIdGoesToThatPage) {
  one_.jumpTo = IDD_FW_PAGE_THREE;
  click(ui::kWizardNextButton);
  ASSERT_TRUE(waitForCaption(kTitleThree));
  EXPECT_EQ(activeIndex(), 2);
  EXPECT_EQ(two_.setActiveCount, 0);
}

TEST_F(WizardSheetTest, APageRemovedAndAddedBackWhileRunningKeepsItsObjectState) {
  click(ui::kWizardNextButton);
  ASSERT_TRUE(waitForCaption(kTitleTwo));
  onSheet([&] { SetWindowTextA(two_.item(IDC_FW_PAGE_EDIT), "typed on page two"); });
  // Leaving the page moves the control's text into the member.
  click(ui::kWizardNextButton);
  ASSERT_TRUE(waitForCaption(kTitleThree));
  onSheet([&] { sheet_.setActivePage(0); });
  ASSERT_TRUE(waitForCaption(kTitleOne));

  int removed = -2;
  int countAfterRemoval = -1;
  HWND twoWindowAfterRemoval = reinterpret_cast<HWND>(1);
  int countAfterAdding = -1;
  onSheet([&] {
    removed = sheet_.removePagesAfter(&one_);
    countAfterRemoval = sheet_.pageCount();
    twoWindowAfterRemoval = two_.hwnd();
    sheet_.addPage(&two_);
    sheet_.addPage(&three_);
    countAfterAdding = sheet_.pageCount();
  });
  EXPECT_EQ(removed, 2);
  EXPECT_EQ(countAfterRemoval, 1);
  EXPECT_EQ(twoWindowAfterRemoval, nullptr) << "a removed page's window must be gone";
  EXPECT_EQ(countAfterAdding, 3);

  click(ui::kWizardNextButton);
  ASSERT_TRUE(waitForCaption(kTitleTwo));
  EXPECT_EQ(two_.initCount, 2) << "the page's window is created anew";
  std::string member;
  std::string shown;
  onSheet([&] {
    member = two_.editText;
    shown = testsupport::windowText(two_.item(IDC_FW_PAGE_EDIT));
  });
  EXPECT_EQ(member, "typed on page two");
  EXPECT_EQ(shown, "typed on page two");
  click(ui::kWizardNextButton);
  EXPECT_TRUE(waitForCaption(kTitleThree));
}

TEST_F(WizardSheetTest, SetActivePageJumpsWithoutTheSkipLogic) {
  two_.skip = true;
  click(ui::kWizardNextButton);
  ASSERT_TRUE(waitForCaption(kTitleThree)) << "Next passes over a page that asks to be skipped";
  EXPECT_EQ(two_.setActiveCount, 0);

  onSheet([&] { sheet_.setActivePage(1); });
  ASSERT_TRUE(waitForCaption(kTitleTwo)) << "a direct jump shows even a skipped page";
  // The navigation bar's command jumps the same way.
  ASSERT_TRUE(testsupport::clickControl(window_, kHomeCommand));
  ASSERT_TRUE(waitForCaption(kTitleOne));

  EXPECT_EQ(one_.nextCount, 1);
  EXPECT_EQ(two_.nextCount + two_.backCount + three_.nextCount + three_.backCount + one_.backCount, 0)
      << "no Back or Next logic ran for the jumps";
}

TEST_F(WizardSheetTest, APageChangesTheCancelButtonsText) {
  onSheet([&] { three_.cancelText = "Finish"; });
  EXPECT_EQ(cancelText(), "Cancel");
  click(ui::kWizardNextButton);
  ASSERT_TRUE(waitForCaption(kTitleTwo));
  click(ui::kWizardNextButton);
  ASSERT_TRUE(waitForCaption(kTitleThree));
  EXPECT_EQ(cancelText(), "Finish");
  click(ui::kWizardBackButton);
  ASSERT_TRUE(waitForCaption(kTitleTwo));
  EXPECT_EQ(cancelText(), "Cancel");
}

TEST_F(WizardSheetTest, TheSheetGrowsForItsNavigationBarAndHasAHelpButton) {
  EXPECT_EQ(sheet_.heightAfter - sheet_.heightBefore, 20);
  EXPECT_EQ(sheet_.backTopAfter - sheet_.backTopBefore, 23);
  ASSERT_NE(sheet_.homeButton, nullptr);
  EXPECT_EQ(ui::rectInParent(sheet_.homeButton).top, sheet_.backTopAfter - 33);

  HWND help = GetDlgItem(window_, ui::kWizardHelpButton);
  ASSERT_NE(help, nullptr);
  EXPECT_TRUE(IsWindowVisible(help));
  click(ui::kWizardHelpButton);
  EXPECT_TRUE(fwtest::waitUntil([&] { return sheet_.helpCount == 1; }, 5000)) << "Help reaches the sheet";
}

TEST_F(WizardSheetTest, FinishOnTheLastPageEndsTheSheet) {
  click(ui::kWizardNextButton);
  ASSERT_TRUE(waitForCaption(kTitleTwo));
  click(ui::kWizardNextButton);
  ASSERT_TRUE(waitForCaption(kTitleThree));
  // The wizard buttons are posted; wait until Finish is there.
  ASSERT_TRUE(fwtest::waitUntil([&] { return IsWindowVisible(GetDlgItem(window_, ui::kWizardFinishButton)) != FALSE; },
                                5000));
  click(ui::kWizardFinishButton);
  ASSERT_TRUE(fwtest::waitUntil([this] { return done_.load(); }, 5000));
  EXPECT_GT(result_, 0);
}

TEST_F(WizardSheetTest, CancelEndsTheSheetWithZero) {
  click(IDCANCEL);
  ASSERT_TRUE(fwtest::waitUntil([this] { return done_.load(); }, 5000));
  EXPECT_EQ(result_, 0);
}

TEST_F(WizardSheetTest, AnExceptionInAPageHandlerIsCaughtAndLogged) {
  platform::debug_capture::start();
  one_.throwOnNext = true;
  click(ui::kWizardNextButton);
  ASSERT_TRUE(fwtest::waitUntil([&] { return one_.nextCount == 1; }, 5000));
  EXPECT_TRUE(fwtest::waitUntil(
      [] {
        return platform::debug_capture::contains(
            "ui::Dialog::dialogProc - exception in dialog 9101, message 0x004E: next failed on purpose\n");
      },
      5000));
  EXPECT_FALSE(done_.load());
  ASSERT_TRUE(PostMessageA(window_, WM_COMMAND, MAKEWPARAM(kFailingCommand, BN_CLICKED), 0));
  EXPECT_TRUE(fwtest::waitUntil(
      [] {
        return platform::debug_capture::contains(
            "ui::WizardSheet::windowProc - exception in message 0x0111: sheet command failed on purpose\n");
      },
      5000));
  one_.throwOnNext = false;
  onSheet([&] { sheet_.setActivePage(0); });
  click(ui::kWizardNextButton);
  EXPECT_TRUE(waitForCaption(kTitleTwo)) << "the wizard still works";
}

}  // namespace
