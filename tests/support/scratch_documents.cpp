#include "support/scratch_documents.h"

namespace testsupport {
namespace {

constexpr const char* kShellFolderKeys[] = {
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"};

}  // namespace

ScratchDocuments::ScratchDocuments(const std::string& folder) : folder_(folder) {
  CreateDirectoryA(folder_.c_str(), nullptr);
  for (const char* key : kShellFolderKeys) {
    Saved saved{key, REG_NONE, std::string(4096, '\0')};
    DWORD size = static_cast<DWORD>(saved.bytes.size());
    if (RegGetValueA(HKEY_CURRENT_USER, key, "Personal", RRF_RT_ANY | RRF_NOEXPAND, &saved.type, saved.bytes.data(),
                     &size) == ERROR_SUCCESS) {
      saved.bytes.resize(size);
    } else {
      saved.type = REG_NONE;
    }
    saved_.push_back(saved);
    RegSetKeyValueA(HKEY_CURRENT_USER, key, "Personal", REG_SZ, folder_.c_str(),
                    static_cast<DWORD>(folder_.size() + 1));
  }
}

ScratchDocuments::~ScratchDocuments() {
  for (const Saved& saved : saved_) {
    if (saved.type != REG_NONE) {
      RegSetKeyValueA(HKEY_CURRENT_USER, saved.key, "Personal", saved.type, saved.bytes.data(),
                      static_cast<DWORD>(saved.bytes.size()));
    } else {
      RegDeleteKeyValueA(HKEY_CURRENT_USER, saved.key, "Personal");
    }
  }
}

}  // namespace testsupport
