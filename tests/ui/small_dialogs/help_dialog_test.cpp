#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <thread>

#include "components/install_sessions.h"
#include "platform/ui/common_controls.h"
#include "resource_ids.h"
#include "support/process.h"
#include "support/scratch_documents.h"
#include "support/test_files.h"
#include "support/ui_automation.h"
#include "support/unix_side.h"
#include "wizard/controls/help_dlg.h"
#include "wizard/controls/help_window_position.h"

namespace {

// Sessions whose download always fails, as without a server.
class UnreachableServer : public components::InstallSessions {
 public:
  int downloads = 0;
  components::DownloadSessionResult downloadAndInstall(const components::ComponentRow&,
                                                       const components::DownloadSessionOptions&) override {
    ++downloads;
    return {};
  }
  int uninstall(const components::ComponentRow&, int, int, bool) override { return IDCANCEL; }
  bool deleteDownloadedFiles(const components::ComponentRow&) override { return true; }
  components::DownloadErrorChoice askAfterDownloadError(const std::string&, HWND) override {
    return components::DownloadErrorChoice::Abort;
  }
};

std::string withoutCarriageReturns(std::string text) {
  std::erase(text, '\r');
  return text;
}

class HelpDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    ui::loadRichEdit2();
    const std::string unixRoot = testsupport::freshUnixSandbox("help");
    ASSERT_FALSE(unixRoot.empty());
    root_ = testsupport::toWindowsPath(unixRoot);
    documents_ = std::make_unique<testsupport::ScratchDocuments>(root_ + "\\Docs");
    row_ = std::make_unique<components::ComponentRow>(
        "Core Installation", "http://127.0.0.1:9/zephrion/files/help.rtf", "760Help - Core Installation.rtf", "",
        root_, false, 0, true, components::RowCells{}, "Help");
    localFile_ = root_ + "\\760Help - Core Installation.rtf";
  }

  // Shows the help window; `drive` runs on another thread with its window and
  // must end it.
  void show(const std::function<void(HWND)>& drive) {
    DHelp2 dialog("Help - Core Installation", *row_, server_);
    std::thread driver([&] {
      HWND window = nullptr;
      const ULONGLONG deadline = GetTickCount64() + 10000;
      while ((window = dialog.hwnd()) == nullptr && GetTickCount64() < deadline) Sleep(20);
      Sleep(200);
      if (window != nullptr) drive(window);
    });
    dialog.doModal();
    driver.join();
  }

  std::string text(HWND window) { return withoutCarriageReturns(testsupport::windowText(GetDlgItem(window, IDC_HELP_TEXT))); }

  void storePosition(int left, int right, int top, int bottom) {
    std::string file;
    ASSERT_EQ(getInstallerSettingsPath(file), 1);
    const int values[] = {left, right, top, bottom};
    const char* keys[] = {"LeftPos", "RightPos", "TopPos", "BottomPos"};
    for (int i = 0; i < 4; ++i) {
      WritePrivateProfileStringA("HelpWindowPosition", keys[i], std::to_string(values[i]).c_str(), file.c_str());
    }
  }

  RECT openedAt() {
    RECT rect{};
    show([&](HWND window) {
      GetWindowRect(window, &rect);
      testsupport::clickControl(window, IDOK);
    });
    return rect;
  }

  std::string root_, localFile_;
  std::unique_ptr<testsupport::ScratchDocuments> documents_;
  std::unique_ptr<components::ComponentRow> row_;
  UnreachableServer server_;
};

TEST_F(HelpDialogTest, WithoutServerAndLocalCopyTheErrorIsShownInTheWindow) {
  std::string shown;
  bool messageBox = true;
  show([&](HWND window) {
    shown = text(window);
    messageBox = testsupport::waitForMessageBox("Zephrion Vision Software XII 760 Installer", 300,
                                                GetCurrentProcessId()) != nullptr;
    testsupport::clickControl(window, IDOK);
  });
  EXPECT_EQ(shown, "Error: Unable to get the help file from the server.\nPlease try again.");
  EXPECT_FALSE(messageBox);
  EXPECT_EQ(server_.downloads, 1);
}

TEST_F(HelpDialogTest, RefreshWithoutServerFallsBackToTheLocalCopy) {
  testsupport::writeFile(localFile_, "{\\rtf1\\ansi Local help.}");
  std::string message, shown;
  show([&](HWND window) {
    testsupport::clickControl(window, IDC_HELP_REFRESH);
    HWND box = testsupport::waitForMessageBox("Zephrion Vision Software XII 760 Installer", 10000,
                                              GetCurrentProcessId());
    if (box != nullptr) {
      message = testsupport::messageBoxText(box);
      testsupport::pressMessageBoxButton(box, IDOK);
    }
    Sleep(300);
    shown = text(window);
    testsupport::clickControl(window, IDOK);
  });
  EXPECT_EQ(message, "Using local copy of the help file.");
  EXPECT_EQ(shown, "Local help.");
  EXPECT_EQ(server_.downloads, 2);
}

TEST_F(HelpDialogTest, AStoredPositionIsUsedOnlyWhenItIsSound) {
  const RECT standard = openedAt();
  // Saving on OK stored the default place; start again without a record.
  std::string file;
  ASSERT_EQ(getInstallerSettingsPath(file), 1);
  DeleteFileA(file.c_str());

  struct Case {
    int left, right, top, bottom;
    bool restored;
  } cases[] = {
      {0, 0, 0, 0, false},              // nothing stored
      {600, 100, 50, 600, false},       // left >= right
      {100, 700, 600, 50, false},       // top >= bottom
      {5000, 5600, 5000, 5500, false},  // on no present monitor
      {100, 750, 40, 600, true},
  };
  for (const Case& c : cases) {
    storePosition(c.left, c.right, c.top, c.bottom);
    const RECT rect = openedAt();
    if (c.restored) {
      EXPECT_EQ(rect.left, c.left);
      EXPECT_EQ(rect.right, c.right);
      EXPECT_EQ(rect.top, c.top);
      EXPECT_EQ(rect.bottom, c.bottom);
    } else {
      EXPECT_EQ(rect.left, standard.left) << c.left << "," << c.right << "," << c.top << "," << c.bottom;
      EXPECT_EQ(rect.top, standard.top);
    }
  }
}

TEST_F(HelpDialogTest, TheWindowCannotBeMadeSmallerThan500By400) {
  MINMAXINFO info{};
  show([&](HWND window) {
    SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    testsupport::clickControl(window, IDOK);
  });
  EXPECT_EQ(info.ptMinTrackSize.x, 500);
  EXPECT_EQ(info.ptMinTrackSize.y, 400);
}

}  // namespace
