#pragma once
// What the world's tests need on the Windows side: the generated world's
// files, running its programs the way the installer does, and reading back
// the registry, MSI products and files with the calls the detection uses.

#include <windows.h>

#include <string>
#include <vector>

namespace world {

// A path below the generated world (ZW_WORLD_DIR), in Windows form.
std::string worldPath(const std::string& relative);
// The served file at URL path `urlPath` ("/zephrion/files/...").
std::string servedFile(const std::string& urlPath);

// A scratch folder for one test, emptied first; `name` keeps tests apart.
std::string scratchFolder(const std::string& name);

// The stub log every stub appends its command line to (set for this process
// and so for every program it starts).
std::string stubLogPath();
std::vector<std::string> stubLogLines();

struct RunResult {
  bool started = false;
  bool ended = false;
  DWORD exitCode = 0;
  std::string output;  // stdout and stderr together
};
// CreateProcess(application, commandLine) as the installer does it (the
// command line may leave the program name out); output goes through a file.
RunResult run(const std::string& application, const std::string& commandLine, DWORD timeoutMs = 120000);

// One registry write of a manifest ("reg" line), with environment variables
// and "[Self]" expanded.
struct RegistryWrite {
  HKEY hive;
  std::string key, name, type, value;
};
std::vector<RegistryWrite> manifestRegistryWrites(const std::string& table, const std::string& selfPath);

bool readRegistryText(HKEY hive, const std::string& key, const std::string& name, std::string& value);
bool readRegistryDword(HKEY hive, const std::string& key, const std::string& name, DWORD& value);
bool registryKeyExists(HKEY hive, const std::string& key);

// MsiGetProductInfoExA for the machine context, as the detection asks.
bool msiProductProperty(const std::string& code, const char* property, std::string& value);
UINT removeMsiProduct(const std::string& code);

bool fileExists(const std::string& path);
// Same size and same last-write second: what the installer calls the same file.
bool isSameFile(const std::string& a, const std::string& b);
bool removeTree(const std::string& path);
std::string systemX86Folder();
std::string documentsFolder();

// "\"program\" args" split the way the installer's quoted-uninstall runner
// does: the program between the quotes, the arguments from two characters
// after the closing quote.
bool splitQuotedCommand(const std::string& text, std::string& program, std::string& arguments);

}  // namespace world
