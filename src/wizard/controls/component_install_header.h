#pragma once
// hnComponentInstallHeader: the banner at the top of every page and session
// dialog (and, without texts, the band on the left of a page). It paints its
// bitmap at the top left corner, a thin black outline, the title at 20, 15 and
// the subtitle at 20, 35 in bold Tahoma.

#include <windows.h>

#include <string>

#include "wizard/controls/subclassed_control.h"

class hnComponentInstallHeader : public SubclassedControl {
 public:
  hnComponentInstallHeader(std::string title, std::string subtitle, int bitmapResourceId);
  ~hnComponentInstallHeader() override;

  // A visible child window of `parent` with control id `id` (9702 for the
  // banner of a page or session dialog, 9703 for the side band).
  bool Create(HWND parent, const RECT& rect, int id);

  const std::string& title() const { return title_; }
  const std::string& subtitle() const { return subtitle_; }
  void setTexts(std::string title, std::string subtitle);
  bool hasBitmap() const { return bitmap_ != nullptr; }

  void paintHeader(HDC dc) const;

 protected:
  bool onControlMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

 private:
  std::string title_;
  std::string subtitle_;
  HBITMAP bitmap_ = nullptr;
  HFONT font_ = nullptr;
  HPEN pen_ = nullptr;
};
