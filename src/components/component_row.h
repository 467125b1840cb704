#pragma once
// ComponentRow: one component as a page lists it. It says where the
// component's file comes from (downloadUrl), where it goes (downloadFolder),
// how it is run (installArguments, isMsiPackage) and which page cells show it.
//
// A row is a plain value: copying it copies every field, and the copy shares
// the cell references with the original (both then write into the same page
// labels). The cells are never owned; the page that holds them outlives its
// installation manager and the rows in it.

#include <cstdint>
#include <string>

#include "components/text_cell.h"

namespace components {

class ComponentRow {
 public:
  // Copies every text; writes the name into the name cell and clears the
  // progress cell. The message starts empty.
  ComponentRow(std::string name, std::string downloadUrl, std::string fileName, std::string installArguments,
               std::string downloadFolder, bool isMsiPackage, std::int32_t sizeHint, bool refreshOnDownload,
               RowCells cells, std::string group);

  ComponentRow(const ComponentRow&) = default;
  ComponentRow& operator=(const ComponentRow&) = default;
  ComponentRow(ComponentRow&&) = default;
  ComponentRow& operator=(ComponentRow&&) = default;
  ~ComponentRow() = default;

  std::string getName() const { return name_; }
  std::string getDownloadUrl() const { return downloadUrl_; }
  std::string getFileName() const { return fileName_; }
  std::string getInstallArguments() const { return installArguments_; }
  std::string getDownloadFolder() const { return downloadFolder_; }
  std::string getGroup() const { return group_; }
  std::string getMessage() const { return message_; }

  // Cheap views for comparisons in loops; getX() above for a copy.
  const std::string& name() const { return name_; }
  const std::string& downloadUrl() const { return downloadUrl_; }
  const std::string& fileName() const { return fileName_; }
  const std::string& installArguments() const { return installArguments_; }
  const std::string& downloadFolder() const { return downloadFolder_; }
  const std::string& group() const { return group_; }
  const std::string& message() const { return message_; }

  bool isMsiPackage() const { return isMsiPackage_; }
  std::int32_t sizeHint() const { return sizeHint_; }
  bool refreshOnDownload() const { return refreshOnDownload_; }

  // The installed versions found when the status is "Version Mismatch" or
  // "Multiple Versions"; emptied by every evaluation and successful run.
  void setMessage(std::string message) { message_ = std::move(message); }
  void clearMessage() { message_.clear(); }

  TextCell* nameCell() const { return cells_.name; }
  TextCell* statusCell() const { return cells_.status; }
  TextCell* progressCell() const { return cells_.progress; }
  RowCells cells() const { return cells_; }

  // Points the row at other cells without writing into them (the caller
  // decides what they show), as when the copies of many rows are made to share
  // one progress text.
  void rebindCells(RowCells cells) { cells_ = cells; }

  // Texts of the cells; a missing cell reads as empty and ignores writes.
  std::string statusText() const;
  std::string progressText() const;
  void setStatusText(std::string_view text);
  void setProgressText(std::string_view text);

 private:
  std::string name_;
  std::string downloadUrl_;
  std::string fileName_;
  std::string installArguments_;
  std::string downloadFolder_;
  bool isMsiPackage_ = false;
  std::int32_t sizeHint_ = 0;
  bool refreshOnDownload_ = false;
  RowCells cells_;
  std::string group_;
  std::string message_;
};

}  // namespace components
