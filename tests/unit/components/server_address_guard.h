#pragma once
// Sets ZEPHRION_FILE_SERVER for the lifetime of the guard and puts the earlier
// value (or its absence) back afterwards.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "components/file_server.h"

class ServerAddressGuard {
 public:
  // nullopt: the variable is removed for the guard's lifetime.
  explicit ServerAddressGuard(const std::optional<std::string>& value) {
    const char* name = components::file_server::kBaseAddressVariable;
    DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (size > 0) {
      std::vector<char> buffer(size);
      DWORD length = GetEnvironmentVariableA(name, buffer.data(), size);
      previous_ = std::string(buffer.data(), length);
    }
    SetEnvironmentVariableA(name, value ? value->c_str() : nullptr);
  }
  ~ServerAddressGuard() {
    SetEnvironmentVariableA(components::file_server::kBaseAddressVariable, previous_ ? previous_->c_str() : nullptr);
  }
  ServerAddressGuard(const ServerAddressGuard&) = delete;
  ServerAddressGuard& operator=(const ServerAddressGuard&) = delete;

 private:
  std::optional<std::string> previous_;
};
