// The thin wrappers of the common controls on one test dialog: rich edit
// with an RTF file, tree view check boxes, list view, tab control with a
// child dialog, SysLink, tooltips, combo box and progress bar.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <fstream>
#include <string>

#include "framework_test_ids.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/common_controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/list_view.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/rich_edit.h"
#include "platform/ui/sys_link.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/tool_tip.h"
#include "platform/ui/tree_view.h"

namespace {

class ControlsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() {
    ui::initCommonControls();
    ui::loadRichEdit2();
  }

  void SetUp() override { ASSERT_TRUE(dialog_.create()) << "the controls dialog could not be created"; }
  void TearDown() override { dialog_.destroy(); }

  HWND item(int id) const { return dialog_.item(id); }

  ui::Dialog dialog_{IDD_FW_CONTROLS};
};

std::string tempFile(const char* name) {
  char folder[MAX_PATH + 1] = {};
  GetTempPathA(MAX_PATH, folder);
  return std::string(folder) + name;
}

TEST_F(ControlsTest, RichEditShowsTheTextOfAnRtfFile) {
  const std::string path = tempFile("zephrion_framework_test.rtf");
  {
    std::ofstream rtf(path, std::ios::binary);
    rtf << "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Arial;}}\\f0 Release {\\b notes} of the installer\\par}";
  }
  ui::RichEdit edit;
  ASSERT_TRUE(edit.attach(dialog_.hwnd(), IDC_FW_RICHEDIT));
  ASSERT_TRUE(edit.streamInRtfFile(path));
  std::string text = edit.text();
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n')) text.pop_back();
  EXPECT_EQ(text, "Release notes of the installer");
  DeleteFileA(path.c_str());

  EXPECT_FALSE(edit.streamInRtfFile(tempFile("zephrion_no_such_file.rtf")));
}

TEST_F(ControlsTest, TreeViewCheckStatesCanBeSetAndRead) {
  ui::TreeView tree;
  ASSERT_TRUE(tree.attach(dialog_.hwnd(), IDC_FW_TREE));
  tree.enableCheckBoxes();
  HTREEITEM root = tree.insertItem("Zephrion 11.0");
  HTREEITEM first = tree.insertItem("Profile A", root, TVI_LAST, 11);
  HTREEITEM second = tree.insertItem("Profile B", root, TVI_LAST, 12);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  tree.expand(root);
  EXPECT_EQ(tree.count(), 3);

  EXPECT_FALSE(tree.isChecked(first));
  EXPECT_TRUE(tree.setCheck(first, true));
  EXPECT_TRUE(tree.isChecked(first));
  EXPECT_FALSE(tree.isChecked(second));
  EXPECT_FALSE(tree.isChecked(root));
  EXPECT_TRUE(tree.setCheck(first, false));
  EXPECT_FALSE(tree.isChecked(first));

  EXPECT_EQ(tree.root(), root);
  EXPECT_EQ(tree.firstChild(root), first);
  EXPECT_EQ(tree.nextSibling(first), second);
  EXPECT_EQ(tree.parent(second), root);
  EXPECT_EQ(tree.itemText(second), "Profile B");
  EXPECT_EQ(tree.itemData(second), 12);

  // The Space key toggles the selected item's check box.
  SendMessageA(tree.hwnd(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(second));
  NMTVKEYDOWN key = {};
  key.hdr.hwndFrom = tree.hwnd();
  key.hdr.idFrom = IDC_FW_TREE;
  key.hdr.code = TVN_KEYDOWN;
  key.wVKey = VK_SPACE;
  EXPECT_EQ(tree.checkToggleTarget(&key.hdr), second);
  key.wVKey = VK_RETURN;
  EXPECT_EQ(tree.checkToggleTarget(&key.hdr), nullptr);
  EXPECT_TRUE(tree.deleteAllItems());
  EXPECT_EQ(tree.count(), 0);
}

TEST_F(ControlsTest, ListViewHoldsColumnsAndRows) {
  ui::ListView list;
  ASSERT_TRUE(list.attach(dialog_.hwnd(), IDC_FW_LIST));
  list.setExtendedStyle(LVS_EX_FULLROWSELECT);
  const char* columns[] = {"#", "Name", "Status", "Actual Version"};
  const int widths[] = {35, 200, 110, 400};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(list.insertColumn(i, columns[i], widths[i]), i);
  EXPECT_EQ(list.columnCount(), 4);
  EXPECT_EQ(list.insertItem(0, "1"), 0);
  EXPECT_EQ(list.insertItem(1, "2"), 1);
  EXPECT_TRUE(list.setItemText(1, 1, "numpy"));
  EXPECT_TRUE(list.setItemText(1, 2, "Installed"));
  EXPECT_EQ(list.count(), 2);
  EXPECT_EQ(list.itemText(1, 0), "2");
  EXPECT_EQ(list.itemText(1, 1), "numpy");
  EXPECT_EQ(list.itemText(1, 2), "Installed");
  EXPECT_EQ(list.selectedIndex(), -1);
  EXPECT_TRUE(list.deleteAllItems());
  EXPECT_EQ(list.count(), 0);
}

TEST_F(ControlsTest, TabControlPlacesAChildDialogInItsDisplayArea) {
  ui::TabControl tabs;
  ASSERT_TRUE(tabs.attach(dialog_.hwnd(), IDC_FW_TAB));
  EXPECT_EQ(tabs.insertItem(0, "Templates"), 0);
  EXPECT_EQ(tabs.insertItem(1, "Profiles"), 1);
  EXPECT_EQ(tabs.count(), 2);
  EXPECT_TRUE(tabs.setSelection(1));
  EXPECT_EQ(tabs.selection(), 1);
  EXPECT_EQ(tabs.itemText(1), "Profiles");

  ui::Dialog child(IDD_FW_TAB_CHILD);
  ASSERT_TRUE(child.create(dialog_.hwnd()));
  child.setItemText(IDC_FW_TAB_LABEL, tabs.itemText(tabs.selection()));
  tabs.placeInDisplayArea(child.hwnd());
  EXPECT_TRUE(IsWindowVisible(child.hwnd()));
  EXPECT_EQ(GetParent(child.hwnd()), dialog_.hwnd());

  RECT tabRect;
  GetWindowRect(tabs.hwnd(), &tabRect);
  RECT childRect;
  GetWindowRect(child.hwnd(), &childRect);
  const RECT area = tabs.displayArea();
  EXPECT_GT(area.right - area.left, 0);
  EXPECT_GE(childRect.left, tabRect.left);
  EXPECT_GT(childRect.top, tabRect.top) << "below the tab strip";
  EXPECT_LE(childRect.right, tabRect.right);
  EXPECT_LE(childRect.bottom, tabRect.bottom);
  EXPECT_EQ(child.itemText(IDC_FW_TAB_LABEL), "Profiles");

  child.destroy();
  EXPECT_TRUE(tabs.deleteAllItems());
  EXPECT_EQ(tabs.count(), 0);
}

TEST_F(ControlsTest, SysLinkActivationGivesTheLinksAddress) {
  HWND link = item(IDC_FW_LINK);
  ASSERT_NE(link, nullptr) << "the link control exists (common controls 6)";
  NMLINK click = {};
  click.hdr.hwndFrom = link;
  click.hdr.idFrom = IDC_FW_LINK;
  click.hdr.code = NM_CLICK;
  click.item.iLink = 0;
  lstrcpyW(click.item.szUrl, L"https://example.invalid/help");
  std::string url;
  int index = -1;
  EXPECT_TRUE(ui::SysLink::isActivation(&click.hdr, &url, &index));
  EXPECT_EQ(url, "https://example.invalid/help");
  EXPECT_EQ(index, 0);

  // The same code from another control is no link activation.
  click.hdr.hwndFrom = item(IDC_FW_BUTTON);
  EXPECT_FALSE(ui::SysLink::isActivation(&click.hdr, &url));
  click.hdr.hwndFrom = link;
  click.hdr.code = NM_SETFOCUS;
  EXPECT_FALSE(ui::SysLink::isActivation(&click.hdr));
}

TEST_F(ControlsTest, TooltipsAreAddedAndChangedPerControl) {
  ui::ToolTip tips;
  ASSERT_TRUE(tips.create(dialog_.hwnd()));
  tips.activate(true);
  tips.setDelays(50, 50);
  tips.setFont(reinterpret_cast<HFONT>(SendMessageA(dialog_.hwnd(), WM_GETFONT, 0, 0)));
  HWND button = item(IDC_FW_BUTTON);
  EXPECT_TRUE(tips.addTool(button, "Install"));
  EXPECT_EQ(tips.toolCount(), 1);
  EXPECT_EQ(tips.toolText(button), "Install");
  EXPECT_TRUE(tips.setToolText(button, "Uninstall"));
  EXPECT_EQ(tips.toolText(button), "Uninstall");
  EXPECT_EQ(SendMessageA(tips.hwnd(), TTM_GETDELAYTIME, TTDT_INITIAL, 0), 50);

  // Creating it again replaces the earlier window.
  HWND first = tips.hwnd();
  ASSERT_TRUE(tips.create(dialog_.hwnd()));
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(tips.toolCount(), 0);
}

TEST(Controls, ComboBoxAndProgressBar) {
  ui::Dialog dialog(IDD_FW_COMMANDS);
  ASSERT_TRUE(dialog.create());
  ui::ComboBox combo;
  ASSERT_TRUE(combo.attach(dialog.hwnd(), IDC_FW_COMBO));
  combo.addString("None");
  combo.addString("MVS 3.1.0");
  combo.addString("MVS 3.2.0");
  EXPECT_EQ(combo.count(), 3);
  EXPECT_EQ(combo.selection(), -1);
  EXPECT_TRUE(combo.selectExact("MVS 3.2.0"));
  EXPECT_EQ(combo.selection(), 2);
  EXPECT_EQ(combo.itemText(1), "MVS 3.1.0");
  EXPECT_EQ(combo.findExact("MVS 9"), -1);
  EXPECT_FALSE(combo.selectExact("MVS 9"));
  EXPECT_TRUE(combo.setSelection(-1));
  EXPECT_EQ(combo.selection(), -1);
  combo.resetContent();
  EXPECT_EQ(combo.count(), 0);

  ui::ProgressBar bar;
  ASSERT_TRUE(bar.attach(dialog.hwnd(), IDC_FW_BAR));
  // A range beyond 16 bits (large file counts).
  bar.setRange(0, 100000);
  bar.setPosition(70000);
  EXPECT_EQ(bar.position(), 70000);
  bar.advance();
  EXPECT_EQ(bar.position(), 70001);
  dialog.destroy();
}

}  // namespace
