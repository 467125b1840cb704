#include "platform/ui/tool_tip.h"

#include <commctrl.h>

namespace ui {
namespace {

TOOLINFOA toolFor(HWND owner, HWND control) {
  TOOLINFOA tool = {};
  // The version 5 layout: accepted by every comctl32.
  tool.cbSize = TTTOOLINFOA_V2_SIZE;
  tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  return tool;
}

}  // namespace

ToolTip::~ToolTip() { destroy(); }

bool ToolTip::create(HWND owner) {
  destroy();
  hwnd_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                          GetModuleHandleA(nullptr), nullptr);
  owner_ = hwnd_ != nullptr ? owner : nullptr;
  return hwnd_ != nullptr;
}

void ToolTip::destroy() {
  // The tooltip is owned by the page: it may already be gone with it.
  if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
  hwnd_ = nullptr;
  owner_ = nullptr;
}

bool ToolTip::addTool(HWND control, const std::string& text) {
  if (hwnd_ == nullptr || control == nullptr) return false;
  TOOLINFOA tool = toolFor(owner_, control);
  tool.lpszText = const_cast<char*>(text.c_str());
  return SendMessageA(hwnd_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

bool ToolTip::setToolText(HWND control, const std::string& text) {
  if (hwnd_ == nullptr || control == nullptr) return false;
  TOOLINFOA tool = toolFor(owner_, control);
  tool.lpszText = const_cast<char*>(text.c_str());
  SendMessageA(hwnd_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  return true;
}

std::string ToolTip::toolText(HWND control) const {
  if (hwnd_ == nullptr || control == nullptr) return {};
  char buffer[1024] = {};
  TOOLINFOA tool = toolFor(owner_, control);
  tool.lpszText = buffer;
  SendMessageA(hwnd_, TTM_GETTEXTA, sizeof(buffer), reinterpret_cast<LPARAM>(&tool));
  return buffer;
}

int ToolTip::toolCount() const {
  return hwnd_ != nullptr ? static_cast<int>(SendMessageA(hwnd_, TTM_GETTOOLCOUNT, 0, 0)) : 0;
}

void ToolTip::activate(bool active) const {
  if (hwnd_ != nullptr) SendMessageA(hwnd_, TTM_ACTIVATE, active ? TRUE : FALSE, 0);
}

void ToolTip::setDelays(int initialMs, int reshowMs) const {
  if (hwnd_ == nullptr) return;
  SendMessageA(hwnd_, TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(initialMs, 0));
  SendMessageA(hwnd_, TTM_SETDELAYTIME, TTDT_RESHOW, MAKELPARAM(reshowMs, 0));
}

void ToolTip::setFont(HFONT font) const {
  if (hwnd_ != nullptr) SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
}

}  // namespace ui
