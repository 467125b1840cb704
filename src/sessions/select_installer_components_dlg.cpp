#include "sessions/select_installer_components_dlg.h"

#include "platform/ui/message_box.h"
#include "resource_ids.h"

namespace {
constexpr const char* kNothingSelected = "Please select at least one component to download.";
}  // namespace

DSelectInstallerComponents::DSelectInstallerComponents(DownloadCategoryList& categories)
    : ui::Dialog(IDD_SELECT_INSTALLER_COMPONENTS), categories_(categories) {}

bool DSelectInstallerComponents::onInitDialog() {
  ui::Dialog::onInitDialog();
  tree_.attach(hwnd(), IDC_SELECT_COMPONENTS_TREE);
  tree_.enableCheckBoxes();
  fillTree();
  return true;
}

void DSelectInstallerComponents::fillTree() {
  tree_.deleteAllItems();
  HTREEITEM root = tree_.insertItem("All");
  for (DownloadCategory& category : categories_.categories()) {
    if (category.components.empty()) continue;
    HTREEITEM categoryItem = tree_.insertItem(category.name, root);
    for (DownloadComponent& component : category.components) {
      component.treeItem = tree_.insertItem(component.name, categoryItem);
    }
    tree_.expand(categoryItem);
  }
  tree_.expand(root);
  for (DownloadCategory& category : categories_.categories()) {
    for (DownloadComponent& component : category.components) {
      if (component.treeItem != nullptr) tree_.setCheck(component.treeItem, component.selected != 0);
    }
  }
}

bool DSelectInstallerComponents::onNotify(int id, NMHDR* header, LRESULT& result) {
  if (id != IDC_SELECT_COMPONENTS_TREE) return false;
  HTREEITEM item = tree_.checkToggleTarget(header);
  if (item == nullptr) return false;
  // The tree toggles the box after this notification: the new state is read
  // when the posted message arrives.
  PostMessageA(hwnd(), kCheckChangedMessage, 0, reinterpret_cast<LPARAM>(item));
  result = 0;
  return false;
}

bool DSelectInstallerComponents::onMessage(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
  if (message != kCheckChangedMessage) return false;
  auto item = reinterpret_cast<HTREEITEM>(lParam);
  if (item != nullptr) {
    const bool checked = tree_.isChecked(item);
    tree_.setCheck(item, checked);
    applyToDescendants(item, checked);
    recomputeMarks(tree_.root());
  }
  result = 0;
  return true;
}

void DSelectInstallerComponents::applyToDescendants(HTREEITEM item, bool checked) const {
  for (HTREEITEM child = tree_.firstChild(item); child != nullptr; child = tree_.nextSibling(child)) {
    tree_.setCheck(child, checked);
    applyToDescendants(child, checked);
  }
}

bool DSelectInstallerComponents::recomputeMarks(HTREEITEM item) const {
  HTREEITEM child = tree_.firstChild(item);
  if (child == nullptr) return tree_.isChecked(item);
  bool all = true;
  for (; child != nullptr; child = tree_.nextSibling(child)) {
    if (!recomputeMarks(child)) all = false;
  }
  tree_.setCheck(item, all);
  return all;
}

void DSelectInstallerComponents::onOK() {
  bool any = false;
  for (const DownloadCategory& category : categories_.categories()) {
    for (const DownloadComponent& component : category.components) {
      if (component.treeItem != nullptr && tree_.isChecked(component.treeItem)) any = true;
    }
  }
  if (!any) {
    // The flags stay as they were: a Cancel after this keeps the old choice.
    ui::messageBox(hwnd(), kNothingSelected);
    return;
  }
  for (DownloadCategory& category : categories_.categories()) {
    for (DownloadComponent& component : category.components) {
      component.selected = component.treeItem != nullptr && tree_.isChecked(component.treeItem) ? 1 : 0;
    }
  }
  endDialog(IDOK);
}
