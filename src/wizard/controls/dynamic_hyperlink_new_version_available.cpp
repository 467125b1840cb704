#include "wizard/controls/dynamic_hyperlink_new_version_available.h"

#include "platform/debug_log.h"

namespace {

DDynamicHyperlinkNewVersionAvailable::ShowNewVersionDialog& showDialog() {
  static DDynamicHyperlinkNewVersionAvailable::ShowNewVersionDialog show;
  return show;
}

}  // namespace

void DDynamicHyperlinkNewVersionAvailable::setShowNewVersionDialog(ShowNewVersionDialog show) {
  showDialog() = std::move(show);
}

void DDynamicHyperlinkNewVersionAvailable::onLinkClicked() {
  if (!showDialog()) {
    platform::debugOutput("DDynamicHyperlinkNewVersionAvailable::onLinkClicked - no upgrade information\n");
    return;
  }
  showDialog()(channel_, hwnd());
}
