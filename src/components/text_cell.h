#pragma once
// A text of a page that one of its labels shows: a row's name, status or
// progress column. The page (or the wizard sheet) owns the cell and outlives
// the rows that refer to it; rows only write and read through it.

#include <string>
#include <string_view>

namespace components {

class TextCell {
 public:
  virtual ~TextCell() = default;
  virtual void setText(std::string_view text) = 0;
  virtual std::string text() const = 0;
};

// The usual cell: a plain text member of the page, moved to and from its label
// by the page's data exchange (value() is what gets bound).
class StringCell final : public TextCell {
 public:
  StringCell() = default;
  explicit StringCell(std::string initial) : value_(std::move(initial)) {}

  void setText(std::string_view text) override { value_.assign(text); }
  std::string text() const override { return value_; }

  std::string& value() { return value_; }
  const std::string& value() const { return value_; }

 private:
  std::string value_;
};

// The three cells of one row, in the order name, status, progress. Any of them
// may be null: a row without cells (a row only downloaded, or listed by a
// tool) simply shows nothing.
struct RowCells {
  TextCell* name = nullptr;
  TextCell* status = nullptr;
  TextCell* progress = nullptr;
};

}  // namespace components
