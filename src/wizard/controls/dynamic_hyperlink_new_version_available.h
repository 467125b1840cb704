#pragma once
// DDynamicHyperlinkNewVersionAvailable: the welcome page's "... Installer
// Version Available" link. A click does not open an address: it shows the
// new-version dialog of the upgrade information of its channel.
//
// The application owns the upgrade information and the dialog; it registers
// how to show the dialog once, with setShowNewVersionDialog. Until it has, a
// click only writes a debug line.

#include <windows.h>

#include <functional>

#include "wizard/controls/dynamic_hyperlink.h"

enum class UpgradeChannel { release, beta };

class DDynamicHyperlinkNewVersionAvailable : public DDynamicHyperlink {
 public:
  using ShowNewVersionDialog = std::function<void(UpgradeChannel channel, HWND owner)>;

  explicit DDynamicHyperlinkNewVersionAvailable(UpgradeChannel channel) : channel_(channel) {}

  UpgradeChannel channel() const { return channel_; }
  void onLinkClicked() override;

  // How the new-version dialog of a channel is shown (empty: not yet known).
  static void setShowNewVersionDialog(ShowNewVersionDialog show);

 private:
  UpgradeChannel channel_;
};
