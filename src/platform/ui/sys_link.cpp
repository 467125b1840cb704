#include "platform/ui/sys_link.h"

#include <commctrl.h>

namespace ui {

bool SysLink::isActivation(const NMHDR* header, std::string* url, int* linkIndex) {
  if (header == nullptr || (header->code != NM_CLICK && header->code != NM_RETURN)) return false;
  char className[32] = {};
  GetClassNameA(header->hwndFrom, className, sizeof(className));
  if (lstrcmpiA(className, "SysLink") != 0) return false;
  const auto* link = reinterpret_cast<const NMLINK*>(header);
  if (url != nullptr) {
    char text[L_MAX_URL_LENGTH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, link->item.szUrl, -1, text, sizeof(text), nullptr, nullptr);
    *url = text;
  }
  if (linkIndex != nullptr) *linkIndex = link->item.iLink;
  return true;
}

}  // namespace ui
