#include "components/component_row.h"

#include <utility>

namespace components {

ComponentRow::ComponentRow(std::string name, std::string downloadUrl, std::string fileName,
                           std::string installArguments, std::string downloadFolder, bool isMsiPackage,
                           std::int32_t sizeHint, bool refreshOnDownload, RowCells cells, std::string group)
    : name_(std::move(name)),
      downloadUrl_(std::move(downloadUrl)),
      fileName_(std::move(fileName)),
      installArguments_(std::move(installArguments)),
      downloadFolder_(std::move(downloadFolder)),
      isMsiPackage_(isMsiPackage),
      sizeHint_(sizeHint),
      refreshOnDownload_(refreshOnDownload),
      cells_(cells),
      group_(std::move(group)) {
  if (cells_.name != nullptr) {
    cells_.name->setText(name_);
  }
  if (cells_.progress != nullptr) {
    cells_.progress->setText({});
  }
}

std::string ComponentRow::statusText() const {
  return cells_.status != nullptr ? cells_.status->text() : std::string();
}

std::string ComponentRow::progressText() const {
  return cells_.progress != nullptr ? cells_.progress->text() : std::string();
}

void ComponentRow::setStatusText(std::string_view text) {
  if (cells_.status != nullptr) {
    cells_.status->setText(text);
  }
}

void ComponentRow::setProgressText(std::string_view text) {
  if (cells_.progress != nullptr) {
    cells_.progress->setText(text);
  }
}

}  // namespace components
