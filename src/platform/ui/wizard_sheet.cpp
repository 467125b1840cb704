#include "platform/ui/wizard_sheet.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <exception>

#include "platform/debug_log.h"
#include "platform/ui/control.h"
#include "platform/ui/wizard_page.h"

namespace ui {
namespace {

constexpr UINT_PTR kSubclassId = 0x5A50;  // "ZP"

// The sheet being created on this thread, until its window exists.
thread_local WizardSheet* t_creatingSheet = nullptr;
thread_local HHOOK t_createHook = nullptr;

void removeCreateHook() {
  if (t_createHook != nullptr) UnhookWindowsHookEx(t_createHook);
  t_createHook = nullptr;
  t_creatingSheet = nullptr;
}

void reportException(UINT message, const char* what) {
  platform::debugOutputF("ui::WizardSheet::windowProc - exception in message 0x%04X: %s\n", message, what);
}

}  // namespace

WizardSheet::WizardSheet(std::string caption, HWND parent, HINSTANCE instance)
    : caption_(std::move(caption)),
      parent_(parent),
      instance_(instance != nullptr ? instance : GetModuleHandleA(nullptr)) {}

WizardSheet::~WizardSheet() {
  for (WizardPage* page : pages_) {
    page->sheet_ = nullptr;
    page->handle_ = nullptr;
  }
}

INT_PTR WizardSheet::doModal() {
  if (hwnd_ != nullptr || pages_.empty()) return -1;
  std::vector<HPROPSHEETPAGE> handles;
  for (WizardPage* page : pages_) {
    HPROPSHEETPAGE handle = page->createHandle(help_);
    if (handle == nullptr) {
      platform::debugOutputF("ui::WizardSheet::doModal - unable to create page %d\n", page->templateId());
      for (HPROPSHEETPAGE created : handles) DestroyPropertySheetPage(created);
      for (WizardPage* other : pages_) other->handle_ = nullptr;
      return -1;
    }
    handles.push_back(handle);
  }

  PROPSHEETHEADERA header = {};
  header.dwSize = PROPSHEETHEADERA_V1_SIZE;
  header.dwFlags = PSH_WIZARD | PSH_NOAPPLYNOW;
  if (help_) header.dwFlags |= PSH_HASHELP;
  header.hwndParent = parent_;
  header.hInstance = instance_;
  header.pszCaption = caption_.c_str();
  header.nPages = static_cast<UINT>(handles.size());
  header.nStartPage = static_cast<UINT>(std::clamp(startPage_, 0, pageCount() - 1));
  header.phpage = handles.data();

  // Nested sheets: the hook only lives until this sheet's window exists.
  t_creatingSheet = this;
  t_createHook = SetWindowsHookExA(WH_CBT, createHook, nullptr, GetCurrentThreadId());
  const INT_PTR result = ::PropertySheetA(&header);
  if (t_creatingSheet == this) removeCreateHook();

  // comctl32 has destroyed every page handle with the sheet.
  for (WizardPage* page : pages_) page->handle_ = nullptr;
  hwnd_ = nullptr;
  if (result < 0) platform::debugOutput("ui::WizardSheet::doModal - unable to create the sheet\n");
  return result;
}

bool WizardSheet::addPage(WizardPage* page) {
  if (page == nullptr || pageIndex(page) >= 0 || (page->sheet_ != nullptr && page->sheet_ != this)) return false;
  page->sheet_ = this;
  pages_.push_back(page);
  if (hwnd_ == nullptr) return true;
  HPROPSHEETPAGE handle = page->createHandle(help_);
  if (handle == nullptr || SendMessageA(hwnd_, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(handle)) == FALSE) {
    platform::debugOutputF("ui::WizardSheet::addPage - unable to add page %d\n", page->templateId());
    if (handle != nullptr) DestroyPropertySheetPage(handle);
    page->handle_ = nullptr;
    page->sheet_ = nullptr;
    pages_.pop_back();
    return false;
  }
  return true;
}

bool WizardSheet::removePage(WizardPage* page) { return removePage(pageIndex(page)); }

bool WizardSheet::removePage(int index) {
  if (index < 0 || index >= pageCount()) return false;
  WizardPage* page = pages_[static_cast<size_t>(index)];
  // Out of the sequence first: pages activated by the removal see the new one.
  pages_.erase(pages_.begin() + index);
  if (hwnd_ != nullptr) {
    // comctl32 destroys the page's window and its handle.
    SendMessageA(hwnd_, PSM_REMOVEPAGE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(page->handle_));
  }
  page->handle_ = nullptr;
  page->sheet_ = nullptr;
  return true;
}

int WizardSheet::removePagesAfter(WizardPage* page) {
  const int index = pageIndex(page);
  if (index < 0) return -1;
  int removed = 0;
  for (int i = pageCount() - 1; i > index; --i) {
    if (removePage(i)) ++removed;
  }
  return removed;
}

WizardPage* WizardSheet::page(int index) const {
  if (index < 0 || index >= pageCount()) return nullptr;
  return pages_[static_cast<size_t>(index)];
}

int WizardSheet::pageIndex(const WizardPage* page) const {
  const auto found = std::find(pages_.begin(), pages_.end(), page);
  return found == pages_.end() ? -1 : static_cast<int>(found - pages_.begin());
}

bool WizardSheet::setActivePage(int index) {
  if (index < 0 || index >= pageCount()) return false;
  if (hwnd_ == nullptr) {
    startPage_ = index;
    return true;
  }
  return SendMessageA(hwnd_, PSM_SETCURSEL, static_cast<WPARAM>(index), 0) != FALSE;
}

bool WizardSheet::setActivePage(WizardPage* page) { return setActivePage(pageIndex(page)); }

int WizardSheet::activeIndex() const {
  if (hwnd_ == nullptr) return pages_.empty() ? -1 : std::clamp(startPage_, 0, pageCount() - 1);
  HWND current = reinterpret_cast<HWND>(SendMessageA(hwnd_, PSM_GETCURRENTPAGEHWND, 0, 0));
  if (current == nullptr) return -1;
  for (size_t i = 0; i < pages_.size(); ++i) {
    if (pages_[i]->hwnd() == current) return static_cast<int>(i);
  }
  return -1;
}

WizardPage* WizardSheet::activePage() const { return page(activeIndex()); }

void WizardSheet::setWizardButtons(DWORD flags) const {
  if (hwnd_ != nullptr) PostMessageA(hwnd_, PSM_SETWIZBUTTONS, 0, static_cast<LPARAM>(flags));
}

void WizardSheet::setCancelText(const std::string& text) const {
  if (hwnd_ != nullptr) SetDlgItemTextA(hwnd_, IDCANCEL, text.c_str());
}

HFONT WizardSheet::font() const {
  return hwnd_ != nullptr ? reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)) : nullptr;
}

int WizardSheet::growForNavigationBar(int growth, int shift) const {
  if (hwnd_ == nullptr) return -1;
  RECT frame;
  GetWindowRect(hwnd_, &frame);
  SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top + growth,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  // The hidden OK button (1) moves with the others, and so does the wizard's
  // own Finish button (12325), or it would stay behind when shown.
  const int buttons[] = {kWizardBackButton, kWizardNextButton, kWizardFinishButton, IDCANCEL, IDOK, IDHELP};
  for (int id : buttons) {
    HWND button = GetDlgItem(hwnd_, id);
    if (button == nullptr) continue;
    const RECT rect = rectInParent(button);
    SetWindowPos(button, nullptr, rect.left, rect.top + shift, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  HWND back = GetDlgItem(hwnd_, kWizardBackButton);
  if (back == nullptr) return -1;
  return rectInParent(back).top;
}

void WizardSheet::onInitDialog() {}

bool WizardSheet::onCommand(int, int, HWND) { return false; }

void WizardSheet::onHelp() {}

void WizardSheet::onDestroy() {}

bool WizardSheet::onMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT CALLBACK WizardSheet::createHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && t_creatingSheet != nullptr) {
    HWND window = reinterpret_cast<HWND>(wParam);
    const auto* create = reinterpret_cast<const CBT_CREATEWNDA*>(lParam);
    char className[16] = {};
    GetClassNameA(window, className, sizeof(className));
    if (std::strcmp(className, "#32770") == 0 && (create->lpcs->style & WS_CHILD) == 0) {
      WizardSheet* sheet = t_creatingSheet;
      t_creatingSheet = nullptr;
      sheet->attachWindow(window);
    }
  }
  return CallNextHookEx(t_createHook, code, wParam, lParam);
}

void WizardSheet::attachWindow(HWND window) {
  hwnd_ = window;
  SetWindowSubclass(window, subclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

LRESULT CALLBACK WizardSheet::subclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                             DWORD_PTR data) {
  auto* self = reinterpret_cast<WizardSheet*>(data);
  if (message == WM_NCDESTROY) {
    RemoveWindowSubclass(window, subclassProc, kSubclassId);
    self->hwnd_ = nullptr;
    return DefSubclassProc(window, message, wParam, lParam);
  }
  return self->handleMessage(message, wParam, lParam);
}

LRESULT WizardSheet::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND window = hwnd_;
  if (message == WM_INITDIALOG) {
    // comctl32 builds the sheet and shows the first page; then ours.
    const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
    if (t_createHook != nullptr && t_creatingSheet == nullptr) removeCreateHook();
    try {
      onInitDialog();
    } catch (const std::exception& e) {
      reportException(message, e.what());
    } catch (...) {
      reportException(message, "unknown exception");
    }
    return result;
  }
  bool handled = false;
  LRESULT result = 0;
  try {
    switch (message) {
      case WM_COMMAND:
        handled = onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        break;
      case WM_DESTROY:
        onDestroy();
        break;
      default:
        handled = onMessage(message, wParam, lParam, result);
        break;
    }
  } catch (const std::exception& e) {
    reportException(message, e.what());
    return 0;
  } catch (...) {
    reportException(message, "unknown exception");
    return 0;
  }
  if (handled) return result;
  return DefSubclassProc(window, message, wParam, lParam);
}

void WizardSheet::forgetPage(WizardPage* page) { removePage(page); }

}  // namespace ui
