// Opening link targets: web addresses go to the shell, ".pdf"/".png"
// documents are fetched through the download session first; every failure
// ends with its code and the error box shows the matching text. The shell and
// the session are replaced by recorders.
#include <gtest/gtest.h>

#include <windows.h>

#include <fstream>
#include <string>
#include <vector>

#include "app/application_paths.h"
#include "components/install_sessions.h"
#include "controls_test_ids.h"
#include "controls_test_support.h"
#include "wizard/controls/dynamic_hyperlink.h"
#include "wizard/controls/dynamic_hyperlink_new_version_available.h"
#include "wizard/controls/hyperlink_target.h"

namespace {

// A download session that records what it was asked and, when told to,
// places the file where a real download would.
class RecordingSessions : public components::InstallSessions {
 public:
  int dialogResult = IDOK;
  bool createFile = true;
  std::vector<components::ComponentRow> rows;
  std::vector<components::DownloadSessionOptions> options;

  components::DownloadSessionResult downloadAndInstall(const components::ComponentRow& row,
                                                       const components::DownloadSessionOptions& runOptions) override {
    rows.push_back(row);
    options.push_back(runOptions);
    if (createFile) {
      CreateDirectoryA((app::applicationFolder() + "\\_ZephrionInstallData").c_str(), nullptr);
      CreateDirectoryA((app::applicationFolder() + "\\_ZephrionInstallData\\Resources").c_str(), nullptr);
      CreateDirectoryA(row.downloadFolder().c_str(), nullptr);
      std::ofstream(components::downloadedFilePath(row), std::ios::binary) << "%PDF-1.4";
    }
    components::DownloadSessionResult result;
    result.dialogResult = dialogResult;
    return result;
  }
  int uninstall(const components::ComponentRow&, int, int, bool) override { return IDCANCEL; }
  bool deleteDownloadedFiles(const components::ComponentRow&) override { return false; }
  components::DownloadErrorChoice askAfterDownloadError(const std::string&, HWND) override {
    return components::DownloadErrorChoice::Abort;
  }
};

class HyperlinkTargetTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = controls_test::tempPath("zephrion_controls_app");
    CreateDirectoryA(folder_.c_str(), nullptr);
    app::setApplicationFolder(folder_);
    setHyperlinkInstallSessions(&sessions_);
    setHyperlinkShellOpener([this](HWND, const std::string& target) {
      opened_.push_back(target);
      return shellResult_;
    });
  }
  void TearDown() override {
    setHyperlinkShellOpener(nullptr);
    setHyperlinkInstallSessions(nullptr);
    for (const char* name : {"Manual.PDF", "Picture.png"}) DeleteFileA(resourcesFile(name).c_str());
    RemoveDirectoryA((folder_ + "\\_ZephrionInstallData\\Resources\\12_0_0").c_str());
    RemoveDirectoryA((folder_ + "\\_ZephrionInstallData\\Resources").c_str());
    RemoveDirectoryA((folder_ + "\\_ZephrionInstallData").c_str());
    RemoveDirectoryA(folder_.c_str());
  }

  std::string resourcesFile(const std::string& name) const {
    return folder_ + "\\_ZephrionInstallData\\Resources\\12_0_0\\" + name;
  }

  std::string folder_;
  RecordingSessions sessions_;
  std::vector<std::string> opened_;
  INT_PTR shellResult_ = 42;
};

TEST_F(HyperlinkTargetTest, AWebAddressIsOpenedWithTheShell) {
  int code = 99;
  EXPECT_EQ(openHyperlinkTarget("https://docs.example/en/latest/", "Help", code, nullptr), 1);
  EXPECT_EQ(code, 0);
  EXPECT_EQ(opened_, std::vector<std::string>{"https://docs.example/en/latest/"});
  EXPECT_TRUE(sessions_.rows.empty()) << "a web page is not downloaded";

  // ".jpg" is not a document kind: a web address.
  opened_.clear();
  EXPECT_EQ(openHyperlinkTarget("http://host/picture.jpg", "Picture", code, nullptr), 1);
  EXPECT_EQ(opened_, std::vector<std::string>{"http://host/picture.jpg"});
}

TEST_F(HyperlinkTargetTest, ADocumentInCapitalsIsDownloadedThenOpenedFromTheResourcesFolder) {
  int code = 99;
  EXPECT_EQ(openHyperlinkTarget("http://host/zephrion/files/Docs/Manual.PDF", "User Manual", code, nullptr), 1);
  EXPECT_EQ(code, 0);
  ASSERT_EQ(sessions_.rows.size(), 1u);
  const components::ComponentRow& row = sessions_.rows[0];
  EXPECT_EQ(row.name(), "User Manual");
  EXPECT_EQ(row.downloadUrl(), "http://host/zephrion/files/Docs/Manual.PDF");
  EXPECT_EQ(row.fileName(), "Manual.PDF");
  EXPECT_EQ(row.installArguments(), "");
  EXPECT_EQ(row.downloadFolder(), folder_ + "\\_ZephrionInstallData\\Resources\\12_0_0");
  EXPECT_FALSE(row.isMsiPackage());
  EXPECT_EQ(row.sizeHint(), 4194304);
  EXPECT_FALSE(row.refreshOnDownload());
  EXPECT_EQ(row.group(), "");
  const components::DownloadSessionOptions& options = sessions_.options[0];
  EXPECT_EQ(options.index, 1);
  EXPECT_EQ(options.count, 1);
  EXPECT_TRUE(options.downloadOnly);
  EXPECT_FALSE(options.redownload);
  EXPECT_TRUE(options.interactive);
  EXPECT_EQ(opened_, std::vector<std::string>{resourcesFile("Manual.PDF")}) << "the local copy is opened";

  // A backslash separates the file name as well.
  opened_.clear();
  EXPECT_EQ(openHyperlinkTarget("http://host/docs\\Manual.PDF", "User Manual", code, nullptr), 1);
  EXPECT_EQ(sessions_.rows.back().fileName(), "Manual.PDF");
}

TEST_F(HyperlinkTargetTest, FailuresEndWithTheirCodes) {
  int code = 0;
  // The session did not complete: nothing is opened.
  sessions_.dialogResult = IDCANCEL;
  EXPECT_EQ(openHyperlinkTarget("http://host/a/Picture.png", "Picture", code, nullptr), -1);
  EXPECT_EQ(code, -2);
  EXPECT_TRUE(opened_.empty());

  // The session completed but the file is not there.
  sessions_.dialogResult = IDOK;
  sessions_.createFile = false;
  auto box = controls_test::answerNextMessageBox();
  EXPECT_EQ(openHyperlinkTarget("http://host/a/Missing.pdf", "Missing", code, nullptr), -1);
  EXPECT_EQ(box.get(), "Error: Unable to locate the selected resource. Please try again.");
  EXPECT_EQ(code, -3);
  EXPECT_TRUE(opened_.empty());

  // The shell's own error number is the code.
  shellResult_ = 26;
  EXPECT_EQ(openHyperlinkTarget("http://host/page", "Page", code, nullptr), -1);
  EXPECT_EQ(code, 26);
}

TEST_F(HyperlinkTargetTest, AnAddressWithoutASeparatorOrWithABadFileNameGivesTheParseError) {
  for (const char* address : {"Manual.pdf", "http:Manual.pdf", "http://host/a:Manual.pdf"}) {
    int code = 0;
    auto box = controls_test::answerNextMessageBox();
    EXPECT_EQ(openHyperlinkTarget(address, "Manual", code, nullptr), -1) << address;
    EXPECT_EQ(box.get(), "Error: Unable to parse the download path for the selected resource. Please try again.")
        << address;
    EXPECT_EQ(code, -1) << address;
  }
  EXPECT_TRUE(sessions_.rows.empty());
  EXPECT_TRUE(opened_.empty());
}

TEST_F(HyperlinkTargetTest, OnlyWebAddressesAreHandedToTheShell) {
  for (const char* address : {"C:\\Windows\\System32\\cmd.exe", "file:///C:/Windows/notepad.exe",
                              "\\\\host\\share\\setup.exe", "javascript:alert(1)"}) {
    int code = 0;
    EXPECT_EQ(openHyperlinkTarget(address, "Link", code, nullptr), -1) << address;
    EXPECT_EQ(code, 2) << address;
  }
  EXPECT_TRUE(opened_.empty());
}

TEST(HyperlinkErrorText, EveryShellCodeHasItsTextAndOtherCodesAreUnknown) {
  struct Case {
    int code;
    const char* text;
  };
  const Case cases[] = {
      {0, "The operating system is out\nof memory or resources."},
      {2, "The specified file was not found."},
      {3, "The specified path was not found."},
      {5, "The operating system denied\naccess to the specified file."},
      {8, "There was not enough memory to complete the operation."},
      {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
      {26, "A sharing violation occurred. "},
      {27, "The filename association is\nincomplete or invalid."},
      {28, "The DDE transaction could not\nbe completed because the request timed out."},
      {29, "The DDE transaction failed."},
      {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
      {31, "There is no application associated\nwith the given filename extension."},
      {32, "The specified dynamic-link library was not found."},
      {-1, "Unknown Error (-1) occurred."},
      {-2, "Unknown Error (-2) occurred."},
      {-3, "Unknown Error (-3) occurred."},
      {1, "Unknown Error (1) occurred."},
      {33, "Unknown Error (33) occurred."},
  };
  for (const Case& item : cases) {
    EXPECT_EQ(hyperlinkErrorText(item.code), std::string("Unable to open hyperlink:\n\n") + item.text)
        << "code " << item.code;
  }
}

TEST(HyperlinkErrorBox, ShowsTheTextInAMessageBox) {
  auto box = controls_test::answerNextMessageBox();
  showHyperlinkError(26, nullptr);
  EXPECT_EQ(box.get(), "Unable to open hyperlink:\n\nA sharing violation occurred. ");
}

class HyperlinkLabelTest : public HyperlinkTargetTest {
 protected:
  void SetUp() override {
    HyperlinkTargetTest::SetUp();
    ASSERT_TRUE(page_.create());
    HFONT font = reinterpret_cast<HFONT>(SendMessageA(page_.hwnd(), WM_GETFONT, 0, 0));
    GetObjectA(font, sizeof(font_), &font_);
  }
  void TearDown() override {
    page_.destroy();
    HyperlinkTargetTest::TearDown();
  }

  controls_test::TestPage page_;
  LOGFONTA font_{};
};

TEST_F(HyperlinkLabelTest, AClickOpensTheAddressAndAFailureShowsTheError) {
  DDynamicHyperlink link;
  EXPECT_EQ(link.url(), DDynamicHyperlink::kDefaultUrl);
  const RECT rect{20, 20, 270, 40};
  ASSERT_TRUE(link.Create("Online Help", SS_LEFT, rect, page_.hwnd(), "https://docs.example/en/latest/", font_,
                          IDC_CT_LINK));
  EXPECT_EQ(link.url(), "https://docs.example/en/latest/");
  EXPECT_NE(link.cursor(), nullptr);
  LOGFONTA used{};
  GetObjectA(reinterpret_cast<HFONT>(SendMessageA(link.hwnd(), WM_GETFONT, 0, 0)), sizeof(used), &used);
  EXPECT_TRUE(used.lfUnderline);

  SendMessageA(page_.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_CT_LINK, STN_CLICKED), reinterpret_cast<LPARAM>(link.hwnd()));
  EXPECT_EQ(opened_, std::vector<std::string>{"https://docs.example/en/latest/"});
  EXPECT_TRUE(page_.commands.empty()) << "the link handles its own click";

  shellResult_ = 31;
  auto box = controls_test::answerNextMessageBox();
  SendMessageA(page_.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_CT_LINK, STN_CLICKED), reinterpret_cast<LPARAM>(link.hwnd()));
  EXPECT_EQ(box.get(), "Unable to open hyperlink:\n\nThere is no application associated\nwith the given filename extension.");
}

TEST(HyperlinkColour, TheHotTrackColourUnlessItCannotBeReadOnTheButtonFace) {
  struct Case {
    COLORREF hotTrack;
    COLORREF face;
    COLORREF expected;
  };
  const Case cases[] = {
      {RGB(0, 102, 204), RGB(240, 240, 240), RGB(0, 102, 204)},   // Windows' default scheme
      {RGB(0, 0, 200), RGB(212, 208, 200), RGB(0, 0, 200)},       // classic scheme
      {RGB(224, 224, 224), RGB(240, 240, 240), RGB(0, 102, 204)}, // pale grey on light grey
      {RGB(250, 250, 90), RGB(40, 40, 40), RGB(250, 250, 90)},    // a dark high-contrast scheme
  };
  for (const Case& item : cases) {
    EXPECT_EQ(readableLinkColour(item.hotTrack, item.face), item.expected);
  }
}

TEST_F(HyperlinkLabelTest, FitToTextKeepsTheEdgeItsAlignmentNames) {
  struct Case {
    DWORD style;
    const char* name;
  };
  for (const Case& item : {Case{SS_LEFT, "left"}, Case{SS_RIGHT, "right"}, Case{SS_CENTER, "centre"},
                           Case{SS_LEFT | SS_CENTERIMAGE, "vertically centred"}}) {
    DDynamicHyperlink link;
    const RECT rect{20, 60, 320, 100};
    ASSERT_TRUE(link.Create("Release Installer Version Available", item.style, rect, page_.hwnd(), "http://host/",
                            font_, IDC_CT_LINK));
    RECT after{};
    GetWindowRect(link.hwnd(), &after);
    MapWindowPoints(nullptr, page_.hwnd(), reinterpret_cast<POINT*>(&after), 2);
    HDC dc = GetDC(link.hwnd());
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(link.hwnd(), WM_GETFONT, 0, 0)));
    SIZE extent{};
    const char* text = "Release Installer Version Available";
    GetTextExtentPoint32A(dc, text, static_cast<int>(strlen(text)), &extent);
    SelectObject(dc, old);
    ReleaseDC(link.hwnd(), dc);

    SCOPED_TRACE(item.name);
    EXPECT_EQ(after.right - after.left, extent.cx);
    EXPECT_EQ(after.bottom - after.top, extent.cy);
    const int shrunkBy = 300 - extent.cx;
    if ((item.style & SS_TYPEMASK) == SS_RIGHT) {
      EXPECT_EQ(after.right, 320);
    } else if ((item.style & SS_TYPEMASK) == SS_CENTER) {
      EXPECT_EQ(after.left, 20 + shrunkBy / 2);
    } else {
      EXPECT_EQ(after.left, 20);
    }
    if ((item.style & SS_CENTERIMAGE) != 0) {
      EXPECT_EQ(after.top, 60 + (40 - extent.cy) / 2);
    } else {
      EXPECT_EQ(after.top, 60);
    }
  }
}

TEST_F(HyperlinkLabelTest, ASubclassedLabelBecomesALink) {
  DDynamicHyperlink link;
  ASSERT_TRUE(link.subclassDlgItem(IDC_CT_SUBCLASSED_LINK, page_.hwnd(), "http://host/subclassed"));
  EXPECT_NE(GetWindowLongPtrA(link.hwnd(), GWL_STYLE) & SS_NOTIFY, 0);
  SendMessageA(page_.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_CT_SUBCLASSED_LINK, STN_CLICKED),
               reinterpret_cast<LPARAM>(link.hwnd()));
  EXPECT_EQ(opened_, std::vector<std::string>{"http://host/subclassed"});
}

TEST_F(HyperlinkLabelTest, TheNewVersionLinkShowsTheDialogOfItsChannel) {
  std::vector<UpgradeChannel> shown;
  DDynamicHyperlinkNewVersionAvailable::setShowNewVersionDialog(
      [&shown](UpgradeChannel channel, HWND) { shown.push_back(channel); });
  DDynamicHyperlinkNewVersionAvailable beta(UpgradeChannel::beta);
  const RECT rect{20, 120, 270, 140};
  ASSERT_TRUE(beta.Create("Beta Installer Version Available", SS_LEFT, rect, page_.hwnd(), "http://host/", font_,
                          IDC_CT_LINK));
  EXPECT_EQ(beta.channel(), UpgradeChannel::beta);
  SendMessageA(page_.hwnd(), WM_COMMAND, MAKEWPARAM(IDC_CT_LINK, STN_CLICKED), reinterpret_cast<LPARAM>(beta.hwnd()));
  DDynamicHyperlinkNewVersionAvailable::setShowNewVersionDialog(nullptr);
  EXPECT_EQ(shown, std::vector<UpgradeChannel>{UpgradeChannel::beta});
  EXPECT_TRUE(opened_.empty()) << "the address is not opened";
}

}  // namespace
