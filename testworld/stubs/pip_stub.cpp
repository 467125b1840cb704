// Stands in for a Python installation's "python.exe" and "Scripts\pip.exe":
// it keeps the installed packages as "<name>-<version>.dist-info\METADATA"
// folders below "Lib\site-packages" of its Python folder and answers
//   pip show <pkg>             "Name: " / "Version: " lines, or nothing on stdout
//   pip install <wheel|sdist>  records the package named by the file name
//   pip uninstall <pkg> -y     removes it
//   python -m pip install --upgrade pip
// Output stays far below the 2 KB the installer reads. A file named
// "pip-stub-fail" in the Python folder makes install and uninstall fail.
#include <windows.h>

#include <cstdio>
#include <cwctype>
#include <string>
#include <vector>

#include "stub_common.h"

namespace {

struct Package {
  std::string name;
  std::string version;
  std::wstring folder;
};

std::wstring lowerCase(std::wstring text) {
  for (wchar_t& c : text) c = static_cast<wchar_t>(std::towlower(c));
  return text;
}

// pip compares names without regard to case, '-', '_' or '.'.
std::wstring normalizedName(const std::wstring& name) {
  std::wstring result;
  for (wchar_t c : lowerCase(name)) result.push_back(c == L'_' || c == L'.' ? L'-' : c);
  return result;
}

std::wstring pythonFolder() {
  std::wstring folder = stubs::folderOf(stubs::selfPath());
  if (lowerCase(stubs::baseNameOf(folder)) == L"scripts") folder = stubs::folderOf(folder);
  return folder;
}

std::wstring sitePackages() { return pythonFolder() + L"\\Lib\\site-packages"; }

std::string metadataField(const std::string& metadata, const std::string& field) {
  size_t start = 0;
  while (start < metadata.size()) {
    size_t end = metadata.find('\n', start);
    if (end == std::string::npos) end = metadata.size();
    std::string line = metadata.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.rfind(field + ": ", 0) == 0) return line.substr(field.size() + 2);
    start = end + 1;
  }
  return {};
}

std::vector<Package> installedPackages() {
  std::vector<Package> packages;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((sitePackages() + L"\\*.dist-info").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return packages;
  do {
    Package package;
    package.folder = sitePackages() + L"\\" + found.cFileName;
    std::string metadata;
    if (!stubs::readWholeFile(package.folder + L"\\METADATA", metadata)) continue;
    package.name = metadataField(metadata, "Name");
    package.version = metadataField(metadata, "Version");
    if (!package.name.empty()) packages.push_back(package);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return packages;
}

bool findPackage(const std::wstring& wanted, Package& result) {
  for (const Package& package : installedPackages()) {
    if (normalizedName(stubs::widen(package.name)) == normalizedName(wanted)) {
      result = package;
      return true;
    }
  }
  return false;
}

bool endsWith(const std::wstring& text, const std::wstring& tail) {
  return text.size() >= tail.size() && lowerCase(text.substr(text.size() - tail.size())) == tail;
}

// "opencv_contrib_python-4.1.0.25-cp27-cp27m-win32.whl" -> opencv-contrib-python 4.1.0.25;
// "paho-mqtt-1.4.0.tar.gz" -> paho-mqtt 1.4.0.
bool packageFromFileName(const std::wstring& path, std::wstring& name, std::wstring& version) {
  const std::wstring file = stubs::baseNameOf(path);
  if (endsWith(file, L".whl")) {
    const size_t first = file.find(L'-');
    const size_t second = first == std::wstring::npos ? first : file.find(L'-', first + 1);
    if (second == std::wstring::npos) return false;
    name = file.substr(0, first);
    for (wchar_t& c : name) c = c == L'_' ? L'-' : c;
    version = file.substr(first + 1, second - first - 1);
    return true;
  }
  for (const wchar_t* tail : {L".tar.gz", L".zip"}) {
    if (!endsWith(file, tail)) continue;
    const std::wstring stem = file.substr(0, file.size() - wcslen(tail));
    const size_t dash = stem.rfind(L'-');
    if (dash == std::wstring::npos) return false;
    name = stem.substr(0, dash);
    version = stem.substr(dash + 1);
    return true;
  }
  return false;
}

bool failureRequested() {
  return GetFileAttributesW((pythonFolder() + L"\\pip-stub-fail").c_str()) != INVALID_FILE_ATTRIBUTES;
}

int show(const std::wstring& wanted) {
  Package package;
  if (!findPackage(wanted, package)) {
    std::fprintf(stderr, "WARNING: Package(s) not found: %s\n", stubs::narrow(wanted).c_str());
    return 1;
  }
  std::printf(
      "Name: %s\nVersion: %s\nSummary: \nHome-page: \nAuthor: \nAuthor-email: \nLicense: \nLocation: %s\n"
      "Requires: \nRequired-by: \n",
      package.name.c_str(), package.version.c_str(), stubs::narrow(sitePackages()).c_str());
  return 0;
}

int install(const std::wstring& file) {
  std::wstring name, version;
  if (!packageFromFileName(file, name, version)) {
    std::fprintf(stderr, "ERROR: Invalid requirement: '%s'\n", stubs::narrow(file).c_str());
    return 1;
  }
  if (GetFileAttributesW(file.c_str()) == INVALID_FILE_ATTRIBUTES) {
    std::fprintf(stderr, "ERROR: Could not install packages: file not found: '%s'\n", stubs::narrow(file).c_str());
    return 1;
  }
  if (failureRequested()) {
    std::fprintf(stderr, "ERROR: Could not install packages due to an EnvironmentError\n");
    return 1;
  }
  Package old;
  while (findPackage(name, old)) stubs::removeTree(old.folder);
  std::wstring folderName = name;
  for (wchar_t& c : folderName) c = c == L'-' ? L'_' : c;
  const std::wstring folder = sitePackages() + L"\\" + folderName + L"-" + version + L".dist-info";
  const std::string metadata =
      "Metadata-Version: 2.1\r\nName: " + stubs::narrow(name) + "\r\nVersion: " + stubs::narrow(version) + "\r\n";
  if (!stubs::writeWholeFile(folder + L"\\METADATA", metadata)) return 1;
  std::printf("Successfully installed %s-%s\n", stubs::narrow(name).c_str(), stubs::narrow(version).c_str());
  return 0;
}

int uninstall(const std::wstring& wanted) {
  if (failureRequested()) {
    std::fprintf(stderr, "ERROR: Could not uninstall %s\n", stubs::narrow(wanted).c_str());
    return 1;
  }
  Package package;
  if (!findPackage(wanted, package)) {
    std::printf("WARNING: Skipping %s as it is not installed.\n", stubs::narrow(wanted).c_str());
    return 0;
  }
  stubs::removeTree(package.folder);
  std::printf("Successfully uninstalled %s-%s\n", package.name.c_str(), package.version.c_str());
  return 0;
}

// The command line split as the C runtime does (blanks outside quotes
// separate words). Done here rather than with shell32, which would pull in
// user32 and with it a desktop process that holds the caller's pipes open.
std::vector<std::wstring> splitCommandLine(const std::wstring& line) {
  std::vector<std::wstring> words;
  std::wstring word;
  bool inQuotes = false, inWord = false;
  for (size_t i = 0; i < line.size(); ++i) {
    const wchar_t c = line[i];
    if (c == L'\\' && i + 1 < line.size() && line[i + 1] == L'"') {
      word.push_back(L'"');
      inWord = true;
      ++i;
    } else if (c == L'"') {
      inQuotes = !inQuotes;
      inWord = true;
    } else if ((c == L' ' || c == L'\t') && !inQuotes) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word.push_back(c);
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

// The first argument after `command` that is not a switch.
std::wstring operandAfter(const std::vector<std::wstring>& args, size_t command) {
  for (size_t i = command + 1; i < args.size(); ++i) {
    if (!args[i].empty() && args[i][0] != L'-') return args[i];
  }
  return {};
}

}  // namespace

int main() {
  stubs::logCommandLine();
  const std::vector<std::wstring> args = splitCommandLine(GetCommandLineW());
  // Callers may leave the program name out, so the command is searched for
  // rather than read from a fixed position.
  for (size_t i = 0; i < args.size(); ++i) {
    const std::wstring word = lowerCase(args[i]);
    if (word == L"show") return show(operandAfter(args, i));
    if (word == L"uninstall") return uninstall(operandAfter(args, i));
    if (word == L"install") {
      const std::wstring operand = operandAfter(args, i);
      if (lowerCase(operand) == L"pip") {
        std::printf("Requirement already up-to-date: pip\n");
        return 0;
      }
      return install(operand);
    }
  }
  std::fprintf(stderr, "pip stub: no command\n");
  return 2;
}
