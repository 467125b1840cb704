#include "sessions/download_categories.h"

#include <cstring>

#include "components/install_manager.h"

void DownloadCategoryList::fillFromManager(const components::hnInstallManagerBase& manager) {
  clear();
  for (std::uint32_t i = 0; i < manager.rowCount(); ++i) {
    const components::ComponentRow* row = manager.row(i);
    if (row == nullptr) continue;
    DownloadComponent component;
    component.used = 1;
    component.rowIndex = static_cast<int>(i);
    component.selected = 1;
    component.name = row->name();
    addComponent(row->group(), component);
  }
}

DownloadCategory* DownloadCategoryList::findCategory(const std::string& name) {
  for (DownloadCategory& category : categories_) {
    if (_stricmp(category.name.c_str(), name.c_str()) == 0) return &category;
  }
  return nullptr;
}

bool DownloadCategoryList::addComponent(const std::string& categoryName, const DownloadComponent& component) {
  if (findCategory(categoryName) == nullptr && categories_.size() < kMaxCategories) {
    DownloadCategory category;
    category.name = categoryName;
    categories_.push_back(std::move(category));
  }
  DownloadCategory* category = findCategory(categoryName);
  if (category == nullptr || category->components.size() >= DownloadCategory::kMaxComponents) return false;
  category->components.push_back(component);
  return true;
}
