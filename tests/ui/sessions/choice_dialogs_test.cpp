// The dialogs around downloads: the error-handling choice, the error display
// and the component selection tree with its check-mark propagation.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <thread>

#include "platform/ui/common_controls.h"
#include "resource_ids.h"
#include "sessions/download_error_display_dlg.h"
#include "sessions/download_error_handling_option.h"
#include "sessions/select_installer_components_dlg.h"
#include "support/ui_automation.h"

namespace {

HWND waitForOwnWindow(const std::string& caption) {
  return testsupport::waitForWindow(caption, 10000, GetCurrentProcessId());
}

INT_PTR runWith(ui::Dialog& dialog, const std::function<void()>& observe) {
  std::thread observer(observe);
  const INT_PTR result = dialog.doModal(nullptr);
  observer.join();
  return result;
}

TEST(DownloadErrorHandlingOptionTest, EachButtonGivesItsChoice) {
  struct Case {
    int button;  // 0: the window is closed instead
    INT_PTR result;
    int choice;
  };
  const Case cases[] = {
      {IDC_DOWNLOAD_OPTION_RETRY, IDOK, 1},
      {IDC_DOWNLOAD_OPTION_IGNORE, IDOK, 2},
      {IDC_DOWNLOAD_OPTION_IGNORE_ALL, IDOK, 3},
      {IDC_DOWNLOAD_OPTION_ABORT, IDCANCEL, 0},
      {0, IDCANCEL, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    DDownloadErrorHandlingOption dialog;
    dialog.setMessage("Error - Unable to download the component 'pyserial-2.7.win32.exe'");
    std::string shown;
    const INT_PTR result = runWith(dialog, [&] {
      HWND window = waitForOwnWindow("Unabe to Download Component");
      if (window == nullptr) return;
      shown = testsupport::windowText(GetDlgItem(window, IDC_DOWNLOAD_OPTION_MESSAGE));
      if (c.button != 0) {
        testsupport::clickControl(window, c.button);
      } else {
        PostMessageA(window, WM_CLOSE, 0, 0);
      }
    });
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(dialog.choice(), c.choice);
    EXPECT_EQ(shown, "Error - Unable to download the component 'pyserial-2.7.win32.exe'");
  }
}

TEST(DownloadErrorDisplayTest, WithoutAnAddressTheUrlFieldIsEmpty) {
  DDownloadErrorDisplayDlg dialog("Error. Unable to download file - Unexpected error", "");
  std::string text = "unread";
  std::string url = "unread";
  runWith(dialog, [&] {
    HWND window = waitForOwnWindow("Download Error");
    if (window == nullptr) return;
    text = testsupport::windowText(GetDlgItem(window, IDC_DOWNLOAD_ERROR_TEXT));
    url = testsupport::windowText(GetDlgItem(window, IDC_DOWNLOAD_ERROR_URL));
    testsupport::clickControl(window, IDCANCEL);
  });
  EXPECT_EQ(text, "Error. Unable to download file - Unexpected error");
  EXPECT_EQ(url, "");
}

// Two categories of two components: "Runtimes" {A, B}, "Drivers" {C, D}.
DownloadCategoryList twoByTwo() {
  DownloadCategoryList list;
  int row = 0;
  for (const char* category : {"Runtimes", "Drivers"}) {
    for (int k = 0; k < 2; ++k) {
      DownloadComponent component;
      component.used = 1;
      component.rowIndex = row;
      component.selected = 1;
      component.name = std::string(1, static_cast<char>('A' + row));
      list.addComponent(category, component);
      ++row;
    }
  }
  return list;
}

class SelectionTree {
 public:
  explicit SelectionTree(HWND dialog) : dialog_(dialog), tree_(GetDlgItem(dialog, IDC_SELECT_COMPONENTS_TREE)) {}

  HTREEITEM root() const { return TreeView_GetRoot(tree_); }
  // Child `index` of `parent`.
  HTREEITEM child(HTREEITEM parent, int index) const {
    HTREEITEM item = TreeView_GetChild(tree_, parent);
    while (item != nullptr && index-- > 0) item = TreeView_GetNextSibling(tree_, item);
    return item;
  }
  bool checked(HTREEITEM item) const { return TreeView_GetCheckState(tree_, item) == 1; }
  // What a click on the item's check box does: the box toggles, and the
  // dialog hears of it through WM_USER + 112.
  void toggle(HTREEITEM item) const {
    TreeView_SetCheckState(tree_, item, !checked(item));
    SendMessageA(dialog_, WM_USER + 112, 0, reinterpret_cast<LPARAM>(item));
  }

 private:
  HWND dialog_;
  HWND tree_;
};

TEST(SelectInstallerComponentsTest, MarksPropagateDownAndUpAndSelectWritesThemBack) {
  ui::initCommonControls();
  DownloadCategoryList list = twoByTwo();
  DSelectInstallerComponents dialog(list);
  bool allUncheckedAfterRoot = false;
  bool categoryUncheckedAfterOne = false;
  bool categoryAndRootCheckedAgain = false;
  const INT_PTR result = runWith(dialog, [&] {
    HWND window = waitForOwnWindow("Select Installer Components");
    if (window == nullptr) return;
    SelectionTree tree(window);
    HTREEITEM root = tree.root();
    HTREEITEM runtimes = tree.child(root, 0);
    HTREEITEM drivers = tree.child(root, 1);
    // Every item is checked after the root is: the tree starts unmarked above
    // the components, so the first click checks.
    tree.toggle(root);
    tree.toggle(root);
    allUncheckedAfterRoot = !tree.checked(root) && !tree.checked(runtimes) && !tree.checked(tree.child(runtimes, 0)) &&
                            !tree.checked(tree.child(drivers, 1));
    tree.toggle(drivers);
    tree.toggle(tree.child(runtimes, 0));
    categoryUncheckedAfterOne = !tree.checked(runtimes) && !tree.checked(root);
    tree.toggle(tree.child(runtimes, 1));
    categoryAndRootCheckedAgain = tree.checked(runtimes) && tree.checked(root);
    tree.toggle(tree.child(drivers, 0));
    testsupport::clickControl(window, IDOK);
  });
  EXPECT_TRUE(allUncheckedAfterRoot);
  EXPECT_TRUE(categoryUncheckedAfterOne);
  EXPECT_TRUE(categoryAndRootCheckedAgain);
  EXPECT_EQ(result, IDOK);
  ASSERT_EQ(list.categories().size(), 2u);
  EXPECT_EQ(list.categories()[0].components[0].selected, 1);
  EXPECT_EQ(list.categories()[0].components[1].selected, 1);
  EXPECT_EQ(list.categories()[1].components[0].selected, 0);
  EXPECT_EQ(list.categories()[1].components[1].selected, 1);
}

TEST(SelectInstallerComponentsTest, NothingCheckedIsRefusedAndCancelKeepsTheChoice) {
  ui::initCommonControls();
  DownloadCategoryList list = twoByTwo();
  DSelectInstallerComponents dialog(list);
  std::string refusal;
  const INT_PTR result = runWith(dialog, [&] {
    HWND window = waitForOwnWindow("Select Installer Components");
    if (window == nullptr) return;
    SelectionTree tree(window);
    tree.toggle(tree.root());
    tree.toggle(tree.root());
    testsupport::clickControl(window, IDOK);
    HWND box = testsupport::waitForMessageBox("Zephrion Vision Software XII 760 Installer", 10000,
                                              GetCurrentProcessId());
    if (box == nullptr) return;
    refusal = testsupport::messageBoxText(box);
    testsupport::pressMessageBoxButton(box, IDOK);
    Sleep(300);
    if (IsWindow(window)) testsupport::clickControl(window, IDCANCEL);
  });
  EXPECT_EQ(refusal, "Please select at least one component to download.");
  EXPECT_EQ(result, IDCANCEL);
  for (const auto& category : list.categories()) {
    for (const auto& component : category.components) EXPECT_EQ(component.selected, 1);
  }
}

}  // namespace
