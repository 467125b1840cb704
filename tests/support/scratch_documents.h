#pragma once
// Points the user's Documents folder somewhere else for the life of the
// object, through the shell-folder registry values every program reads, and
// puts the old values back afterwards. Tests using it change machine state:
// they take the machine_state lock.

#include <windows.h>

#include <string>
#include <vector>

namespace testsupport {

class ScratchDocuments {
 public:
  // `folder` (a Windows path) is created when missing.
  explicit ScratchDocuments(const std::string& folder);
  ~ScratchDocuments();
  ScratchDocuments(const ScratchDocuments&) = delete;
  ScratchDocuments& operator=(const ScratchDocuments&) = delete;

  const std::string& folder() const { return folder_; }

 private:
  struct Saved {
    const char* key;
    DWORD type;  // REG_NONE: there was no value
    std::string bytes;
  };
  std::string folder_;
  std::vector<Saved> saved_;
};

}  // namespace testsupport
