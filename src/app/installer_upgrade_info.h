#pragma once
// What one upgrade channel (release or beta) knows about a newer installer.
// The application object owns one per channel; the sheet's background check
// fills them in.

#include <string>

class InstallerUpgradeInfo {
 public:
  InstallerUpgradeInfo(std::string infoFileUrl, std::string infoFileName);

  // 0 not yet checked; 1 checked, nothing newer or the check failed;
  // 2 a newer version is available and its release notes are downloaded.
  int state = 0;
  std::string latestVersionNumber;
  std::string workFolder;
  std::string releaseNotesPath;
  std::string currentVersionName;
  std::string latestVersionName;
  std::string infoFileName;
  std::string infoFileUrl;
};

// The information files of the two channels.
inline constexpr const char* kReleaseUpgradeInfoFileName = "760UpgradeInfo.ini.txt";
inline constexpr const char* kBetaUpgradeInfoFileName = "760UpgradeInfoBeta.ini.txt";
