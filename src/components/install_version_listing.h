#pragma once
// Which builds of a component family are on the computer, for the detail text
// of a row whose status is "Version Mismatch" or "Multiple Versions": the user
// sees, say, "numpy-1.10.2-python2.7; numpy-1.14.0+mkl-cp27-cp27m-win32" and
// knows what the repair will remove.
//
// The families and their builds (in catalog order) are a table here; the
// probes that look at the computer come through InstalledBuildProbes, so the
// listing is testable without the registry, pip or the runtime folder.

#include <map>
#include <string>
#include <string_view>

#include "components/component_row.h"

namespace components::version_listing {

// The Python 3.6 families, listed by the Python 3.6 package operations (they
// run pip behind a please-wait dialog).
enum class Python36Family {
  Pywin32,
  Pyserial,
  Numpy,
  Scipy,
  Opencv,
  Pythonnet,
};

class InstalledBuildProbes {
 public:
  virtual ~InstalledBuildProbes() = default;

  // The uninstall entry `key` has the value "DisplayName" equal to
  // `displayName` (exactly; the machine's entry first, then the user's).
  virtual bool uninstallDisplayNameEquals(std::string_view key, std::string_view displayName) = 0;

  // The version pip reports for `package` under Python 2.7; empty when pip
  // does not report the package (or Python 2.7 is missing).
  virtual std::string python27PackageVersion(std::string_view package) = 0;

  // The folder `folderName` exists in the suite runtime's folder (false when
  // the runtime is not installed).
  virtual bool runtimeFolderExists(std::string_view folderName) = 0;

  // The Windows Installer product `productCode` is installed with exactly
  // the version `version` (letter case ignored).
  virtual bool msiProductVersionIs(std::string_view productCode, std::string_view version) = 0;

  // The builds of a Python 3.6 family that are present, joined with "; ", or
  // "Unknown". False when the listing could not be made.
  virtual bool describePython36Builds(Python36Family family, std::string& text) = 0;
};

// The probes of one listing pass over many rows, each asked at most once per
// argument: a family's rows share their builds, and every answer may cost a
// pip run, a registry read or a please-wait window.
class RememberingBuildProbes final : public InstalledBuildProbes {
 public:
  explicit RememberingBuildProbes(InstalledBuildProbes& probes) : probes_(probes) {}

  bool uninstallDisplayNameEquals(std::string_view key, std::string_view displayName) override;
  std::string python27PackageVersion(std::string_view package) override;
  bool runtimeFolderExists(std::string_view folderName) override;
  bool msiProductVersionIs(std::string_view productCode, std::string_view version) override;
  bool describePython36Builds(Python36Family family, std::string& text) override;

 private:
  struct Python36Listing {
    bool result;
    std::string text;
  };
  InstalledBuildProbes& probes_;
  std::map<std::string, bool, std::less<>> answers_;
  std::map<std::string, std::string, std::less<>> pipVersions_;
  std::map<Python36Family, Python36Listing> python36Listings_;
};

enum class ListingResult {
  Listed,         // the row's message now lists the builds found
  NotListed,      // the status asks for no listing; the message is kept
  Failed,         // the status asks for one, but no family holds the row or
                  // its builds could not be listed; the message is kept
};

// Rebuilds the row's message when its status is "Version Mismatch" or
// "Multiple Versions": the builds of its family that are present, separated
// by "; ", or "Unknown" when none is. Family membership ignores letter case.
ListingResult listInstalledBuilds(ComponentRow& row, InstalledBuildProbes& probes);

// The text written when no build of the family is present.
inline constexpr std::string_view kUnknownBuilds = "Unknown";
inline constexpr std::string_view kBuildSeparator = "; ";

}  // namespace components::version_listing
