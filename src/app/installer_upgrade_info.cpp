#include "app/installer_upgrade_info.h"

#include <utility>

InstallerUpgradeInfo::InstallerUpgradeInfo(std::string url, std::string fileName)
    : infoFileName(std::move(fileName)), infoFileUrl(std::move(url)) {}
