#pragma once
// Data exchange: a dialog's doDataExchange pairs each member with its control
// id in one line, and updateData(toControls) runs it in one direction:
//
//   void doDataExchange(ui::DataExchange& dx) override {
//     dx.text(IDC_STATUS, statusText_);
//     dx.progress(IDC_PROGRESS, progressPosition_);
//   }
//
// A missing control is skipped with a debug line; a page whose template lacks
// a control keeps working.

#include <windows.h>

#include <string>

namespace ui {

class DataExchange {
 public:
  DataExchange(HWND dialog, bool toControls) : dialog_(dialog), toControls_(toControls) {}

  bool toControls() const { return toControls_; }
  HWND dialog() const { return dialog_; }

  // Window text of a label, edit, button or drop-down list (read only for a
  // drop-down list: its text is the selected entry).
  void text(int id, std::string& value);
  // Check box state (checked or not).
  void check(int id, bool& value);
  // Progress bar position.
  void progress(int id, int& position);
  // Combo box selection index (-1: none).
  void comboSelection(int id, int& index);

 private:
  HWND control(int id, const char* operation) const;

  HWND dialog_;
  bool toControls_;
};

}  // namespace ui
