#pragma once
// DDownloadErrorHandlingOption: what to do after one row of a multi-row
// download failed. Retry, Ignore and Ignore All end the dialog with IDOK and
// the choice 1, 2 or 3; Abort (or closing the window) ends it with IDCANCEL
// and the choice 0.

#include <string>

#include "platform/ui/dialog.h"

class DDownloadErrorHandlingOption : public ui::Dialog {
 public:
  static constexpr int kChoiceAbort = 0;
  static constexpr int kChoiceRetry = 1;
  static constexpr int kChoiceIgnore = 2;
  static constexpr int kChoiceIgnoreAll = 3;

  DDownloadErrorHandlingOption();

  void setMessage(std::string message) { message_ = std::move(message); }
  const std::string& message() const { return message_; }
  int choice() const { return choice_; }

 protected:
  void doDataExchange(ui::DataExchange& dx) override;
  bool onCommand(int id, int code, HWND control) override;
  void onOK() override {}

 private:
  std::string message_;
  int choice_ = kChoiceAbort;
};
