#pragma once
// The model behind the choice of components to download: the rows of an
// installation manager grouped into categories by their group name. At most
// 64 categories of at most 64 components each are kept; rows beyond that are
// dropped (the selection tree would become unusable long before).

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace components {
class hnInstallManagerBase;
}

struct DownloadComponent {
  int used = 0;
  int rowIndex = -1;
  int selected = 0;
  std::string name = "Download component";
  HTREEITEM treeItem = nullptr;
};

struct DownloadCategory {
  static constexpr std::size_t kMaxComponents = 64;

  std::string name = "Download category";
  std::vector<DownloadComponent> components;
};

class DownloadCategoryList {
 public:
  static constexpr std::size_t kMaxCategories = 64;

  // Rebuilds the list from the manager's rows, in row order: one component
  // per row (used, its index, selected, its name) in the category of the
  // row's group.
  void fillFromManager(const components::hnInstallManagerBase& manager);

  // The category of that name, compared without regard to letter case, or
  // nullptr.
  DownloadCategory* findCategory(const std::string& name);

  // Appends `component` to the named category, creating the category first
  // when needed. False when the category cannot be created (64 exist) or is
  // full.
  bool addComponent(const std::string& categoryName, const DownloadComponent& component);

  void clear() { categories_.clear(); }
  std::vector<DownloadCategory>& categories() { return categories_; }
  const std::vector<DownloadCategory>& categories() const { return categories_; }

 private:
  std::vector<DownloadCategory> categories_;
};
