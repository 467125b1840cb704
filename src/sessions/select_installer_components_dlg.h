#pragma once
// DSelectInstallerComponents: a tree with check boxes of the downloadable
// components ("All", then a branch per category), from which the user picks
// what to fetch. A change of one check mark is posted to the dialog as
// WM_USER + 112 and applied after the tree has toggled the box: the item's
// new state goes to all its descendants, and every item with children is
// then checked exactly when all of its children are.
//
// Select writes the marks back into the borrowed category list and ends with
// IDOK, unless nothing is checked (then it asks for a choice and stays open).
// Cancel leaves the list as it was.

#include "platform/ui/dialog.h"
#include "platform/ui/tree_view.h"
#include "sessions/download_categories.h"

class DSelectInstallerComponents : public ui::Dialog {
 public:
  static constexpr UINT kCheckChangedMessage = WM_USER + 112;

  explicit DSelectInstallerComponents(DownloadCategoryList& categories);

 protected:
  bool onInitDialog() override;
  void onOK() override;
  bool onNotify(int id, NMHDR* header, LRESULT& result) override;
  bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  void fillTree();
  void applyToDescendants(HTREEITEM item, bool checked) const;
  // Recomputes the marks of `item`'s subtree from its leaves; returns the
  // item's own state.
  bool recomputeMarks(HTREEITEM item) const;

  DownloadCategoryList& categories_;
  ui::TreeView tree_;
};
