#include "components/install_version_listing.h"

#include <algorithm>
#include <map>
#include <optional>
#include <span>

#include "components/catalog.h"
#include "components/component_names.h"
#include "components/status_texts.h"

namespace components::version_listing {

namespace {

// How one build of a family is recognised on the computer.
enum class ProbeKind {
  UninstallDisplayName,  // key = uninstall entry, expected = its display name
  Python27PipVersion,    // key = pip package, expected = its version
  RuntimeFolder,         // key = folder in the runtime folder
  MsiProductVersion,     // key = product code, expected = its version
};

struct BuildProbe {
  std::string_view buildName;  // what the listing shows: the catalog name
  ProbeKind kind;
  std::string_view key;
  std::string_view expected = {};
  // pip versions that begin with this text count too ("1.16.4+..." for the
  // plain numpy 1.16.4 build).
  std::string_view acceptedPrefix = {};
};

struct Family {
  // The Python 3.6 families' rows; a family with builds is made of the rows
  // its builds name.
  std::span<const std::string_view> members;
  std::span<const BuildProbe> builds;             // Python 2.7 and other families
  std::optional<Python36Family> python36 = {};    // families listed by the Python 3.6 operations
};

// --- Python 2.7 families ----------------------------------------------------

constexpr BuildProbe kPywin32Builds[] = {
    {names::kPywin32_219Win32Py2_7, ProbeKind::UninstallDisplayName, "pywin32-py2.7", "Python 2.7 pywin32-219"},
    {names::kPywin32_221Win32Py2_7, ProbeKind::UninstallDisplayName, "pywin32-py2.7", "Python 2.7 pywin32-221"},
    {names::kPywin32_223Win32Py2_7, ProbeKind::UninstallDisplayName, "pywin32-py2.7", "Python 2.7 pywin32-223"},
};

constexpr BuildProbe kPyserialBuilds[] = {
    {names::kPyserial2_7Win32, ProbeKind::UninstallDisplayName, "pyserial-py2.7", "Python 2.7 pyserial-2.7"},
    {names::kPyserial3_4Py2Py3NoneAny, ProbeKind::Python27PipVersion, "pyserial", "3.4"},
};

constexpr BuildProbe kNumpyBuilds[] = {
    {names::kNumpy1_10_2Python2_7, ProbeKind::UninstallDisplayName, "numpy-py2.7", "Python 2.7 numpy-1.10.2"},
    {names::kNumpy1_14_0PlusMklCp27Cp27MWin32, ProbeKind::Python27PipVersion, "numpy", "1.14.0+mkl"},
    {names::kNumpy1_14_5PlusMklCp27Cp27MWin32, ProbeKind::Python27PipVersion, "numpy", "1.14.5+mkl"},
    {names::kNumpy1_15_1PlusMklCp27Cp27MWin32, ProbeKind::Python27PipVersion, "numpy", "1.15.1+mkl"},
    {names::kNumpy1_16_4Cp27Cp27MWin32, ProbeKind::Python27PipVersion, "numpy", "1.16.4", "1.16.4+"},
    {names::kNumpy1_16_4PlusMklCp27Cp27MWin32, ProbeKind::Python27PipVersion, "numpy", "1.16.4+mkl"},
};

constexpr BuildProbe kScipyBuilds[] = {
    {names::kScipy0_16_1Python2_7, ProbeKind::UninstallDisplayName, "scipy-py2.7", "Python 2.7 scipy-0.16.1"},
    {names::kScipy1_0_0Cp27Cp27MWin32, ProbeKind::Python27PipVersion, "scipy", "1.0.0"},
    {names::kScipy1_1_0Cp27Cp27MWin32, ProbeKind::Python27PipVersion, "scipy", "1.1.0"},
    {names::kScipy1_2_2Cp27Cp27MWin32, ProbeKind::Python27PipVersion, "scipy", "1.2.2"},
};

constexpr BuildProbe kOpencvBuilds[] = {
    {names::kOpenCV2_4_9Python27, ProbeKind::RuntimeFolder, "OpenCV249Py27"},
    {names::kOpenCV3_0_0, ProbeKind::RuntimeFolder, "OpenCV300"},
    {names::kOpenCV3_1_0, ProbeKind::RuntimeFolder, "OpenCV310"},
    {names::kOpenCV3_2_0, ProbeKind::RuntimeFolder, "OpenCV320"},
    {names::kOpenCV3_3_0, ProbeKind::RuntimeFolder, "OpenCV330"},
    {names::kOpenCV3_3_1, ProbeKind::RuntimeFolder, "OpenCV331"},
    {names::kOpenCV3_4_0, ProbeKind::RuntimeFolder, "OpenCV340"},
    {names::kOpencvContribPython3_4_3_18Cp27Cp27MWin32, ProbeKind::Python27PipVersion, "opencv-contrib-python", "3.4.3.18"},
    {names::kOpencvContribPython4_1_0_25Cp27Cp27MWin32, ProbeKind::Python27PipVersion, "opencv-contrib-python", "4.1.0.25"},
    {names::kOpencvContribPython4_2_0_32Cp27Cp27MWin32, ProbeKind::Python27PipVersion, "opencv-contrib-python", "4.2.0.32"},
    {names::kOpencvPython3_4_3_18Cp27Cp27MWin32, ProbeKind::Python27PipVersion, "opencv-python", "3.4.3.18"},
    {names::kOpencvPython4_1_0_25Cp27Cp27MWin32, ProbeKind::Python27PipVersion, "opencv-python", "4.1.0.25"},
    {names::kOpencvPython4_2_0_32Cp27Cp27MWin32, ProbeKind::Python27PipVersion, "opencv-python", "4.2.0.32"},
};

constexpr BuildProbe kMySqlBuilds[] = {
    {names::kMySQLPython1_2_4B4Win32Py2_7, ProbeKind::UninstallDisplayName, "MySQL-python-py2.7",
     "Python 2.7 MySQL-python-1.2.4b4"},
};

// --- Other families -----------------------------------------------------------

constexpr BuildProbe kPaintNetBuilds[] = {
    {names::kPaintNet4_0_19, ProbeKind::MsiProductVersion, "{F10AAD91-58DF-44EC-A647-810197141667}", "4.0.19"},
    {names::kPaintNet4_2_12, ProbeKind::MsiProductVersion, "{7ADB1B05-39DE-4888-A72D-D1F3A791D45F}", "4.2.12"},
};

// --- Python 3.6 families --------------------------------------------------------

constexpr std::string_view kPy36Pywin32Members[] = {names::kPywin32_223Cp36Cp36MWin32};
constexpr std::string_view kPy36PyserialMembers[] = {names::kPyserial3_4Py2Py3NoneAnyPy36};
constexpr std::string_view kPy36NumpyMembers[] = {
    names::kNumpy1_15_4Cp36NoneWin32, names::kNumpy1_16_4Cp36Cp36MWin32, names::kNumpy1_16_4PlusMklCp36Cp36MWin32};
constexpr std::string_view kPy36ScipyMembers[] = {
    names::kScipy1_2_0Cp36Cp36MWin32, names::kScipy1_3_0Cp36Cp36MWin32, names::kScipy1_3_1Cp36Cp36MWin32};
constexpr std::string_view kPy36OpencvMembers[] = {
    names::kOpencvContribPython3_4_3_18Cp36Cp36MWin32,
    names::kOpencvContribPython4_1_0_25Cp36Cp36MWin32,
    names::kOpencvContribPython4_2_0_32Cp36Cp36MWin32,
    names::kOpencvContribPython4_2_0_34Cp36Cp36MWin32,
    names::kOpencvPython3_4_3_18Cp36Cp36MWin32,
    names::kOpencvPython4_0_0Cp36Cp36MWin32,
    names::kOpencvPython4_0_0PlusContribCp36Cp36MWin32,
    names::kOpencvPython4_1_0_25Cp36Cp36MWin32,
    names::kOpencvPython4_2_0_32Cp36Cp36MWin32,
    names::kOpencvPython4_2_0_34Cp36Cp36MWin32,
};
constexpr std::string_view kPy36PythonnetMembers[] = {names::kPythonnet2_3_0Cp36Cp36MWin32};

const Family kFamilies[] = {
    {{}, kPywin32Builds},
    {{}, kPyserialBuilds},
    {{}, kNumpyBuilds},
    {{}, kScipyBuilds},
    {{}, kOpencvBuilds},
    {{}, kMySqlBuilds},
    {{}, kPaintNetBuilds},
    {kPy36Pywin32Members, {}, Python36Family::Pywin32},
    {kPy36PyserialMembers, {}, Python36Family::Pyserial},
    {kPy36NumpyMembers, {}, Python36Family::Numpy},
    {kPy36ScipyMembers, {}, Python36Family::Scipy},
    {kPy36OpencvMembers, {}, Python36Family::Opencv},
    {kPy36PythonnetMembers, {}, Python36Family::Pythonnet},
};

const Family* familyOf(std::string_view rowName) {
  for (const Family& family : kFamilies) {
    const auto named = [rowName](std::string_view name) { return catalog::namesEqualIgnoringCase(name, rowName); };
    const bool member =
        std::any_of(family.members.begin(), family.members.end(), named) ||
        std::any_of(family.builds.begin(), family.builds.end(), [&](const BuildProbe& b) { return named(b.buildName); });
    if (member) return &family;
  }
  return nullptr;
}

bool isBuildPresent(const BuildProbe& build, InstalledBuildProbes& probes) {
  switch (build.kind) {
    case ProbeKind::UninstallDisplayName:
      return probes.uninstallDisplayNameEquals(build.key, build.expected);
    case ProbeKind::Python27PipVersion: {
      const std::string version = probes.python27PackageVersion(build.key);
      if (version.empty()) return false;
      return version == build.expected ||
             (!build.acceptedPrefix.empty() && std::string_view(version).starts_with(build.acceptedPrefix));
    }
    case ProbeKind::RuntimeFolder:
      return probes.runtimeFolderExists(build.key);
    case ProbeKind::MsiProductVersion:
      return probes.msiProductVersionIs(build.key, build.expected);
  }
  return false;
}

}  // namespace

bool RememberingBuildProbes::uninstallDisplayNameEquals(std::string_view key, std::string_view displayName) {
  const std::string question = std::string("uninstall|").append(key).append("|").append(displayName);
  auto found = answers_.find(question);
  if (found == answers_.end()) found = answers_.emplace(question, probes_.uninstallDisplayNameEquals(key, displayName)).first;
  return found->second;
}

std::string RememberingBuildProbes::python27PackageVersion(std::string_view package) {
  auto found = pipVersions_.find(package);
  if (found == pipVersions_.end()) {
    found = pipVersions_.emplace(std::string(package), probes_.python27PackageVersion(package)).first;
  }
  return found->second;
}

bool RememberingBuildProbes::runtimeFolderExists(std::string_view folderName) {
  const std::string question = std::string("folder|").append(folderName);
  auto found = answers_.find(question);
  if (found == answers_.end()) found = answers_.emplace(question, probes_.runtimeFolderExists(folderName)).first;
  return found->second;
}

bool RememberingBuildProbes::msiProductVersionIs(std::string_view productCode, std::string_view version) {
  const std::string question = std::string("msi|").append(productCode).append("|").append(version);
  auto found = answers_.find(question);
  if (found == answers_.end()) found = answers_.emplace(question, probes_.msiProductVersionIs(productCode, version)).first;
  return found->second;
}

bool RememberingBuildProbes::describePython36Builds(Python36Family family, std::string& text) {
  auto found = python36Listings_.find(family);
  if (found == python36Listings_.end()) {
    Python36Listing listing{};
    listing.result = probes_.describePython36Builds(family, listing.text);
    found = python36Listings_.emplace(family, std::move(listing)).first;
  }
  text = found->second.text;
  return found->second.result;
}

ListingResult listInstalledBuilds(ComponentRow& row, InstalledBuildProbes& probes) {
  const std::string statusText = row.statusText();
  if (statusText != status::kVersionMismatch && statusText != status::kMultipleVersions) {
    return ListingResult::NotListed;
  }
  const Family* family = familyOf(row.name());
  if (family == nullptr) return ListingResult::Failed;

  if (family->python36) {
    std::string text;
    if (!probes.describePython36Builds(*family->python36, text)) return ListingResult::Failed;
    row.setMessage(text.empty() ? std::string(kUnknownBuilds) : text);
    return ListingResult::Listed;
  }

  // The OpenCV family names the same two packages three times each.
  RememberingBuildProbes remembered(probes);
  std::string list;
  for (const BuildProbe& build : family->builds) {
    if (!isBuildPresent(build, remembered)) continue;
    if (!list.empty()) list += kBuildSeparator;
    list += build.buildName;
  }
  row.setMessage(list.empty() ? std::string(kUnknownBuilds) : list);
  return ListingResult::Listed;
}

}  // namespace components::version_listing
