#include "sessions/download_failure_text.h"

#include <cstdio>

namespace sessions {

namespace {
// The reason is cut to the size the message was always given.
constexpr std::size_t kReasonLimit = 1023;
constexpr std::size_t kTextBufferSize = 2048;
}  // namespace

std::string downloadFailureReason(const TransferResult& failure) {
  std::string reason;
  if (failure.kind == TransferResult::Kind::InternetError) {
    reason = internetErrorText(static_cast<DWORD>(failure.code));
    if (reason.empty()) reason = "Unexpected error";
  } else if (failure.kind == TransferResult::Kind::ServerError && failure.code >= 1) {
    char text[64];
    std::snprintf(text, sizeof text, "Server responded with HTTP error - %d", failure.code);
    reason = text;
  } else if (failure.kind == TransferResult::Kind::ServerError) {
    switch (failure.code) {
      case transfer_code::kInvalidUrl:
        reason = "Error - Invalid URL";
        break;
      case transfer_code::kNotHttp:
        reason = "Error - Server does not provide HTTP service";
        break;
      case transfer_code::kLoginRejected:
        reason = "Error - Login rejected by the server";
        break;
      case transfer_code::kRedirection:
        reason = "Error - Server Redirection";
        break;
      case transfer_code::kInsufficientBuffers:
        reason = "Error - Insufficient buffers";
        break;
      default:
        reason = "Unexpected error";
        break;
    }
  } else {
    reason = "Unexpected error";
  }
  if (reason.size() > kReasonLimit) reason.resize(kReasonLimit);
  return reason;
}

std::string downloadFailureText(const TransferResult& failure) {
  char text[kTextBufferSize];
  std::snprintf(text, sizeof text, "Error. Unable to download file - %s", downloadFailureReason(failure).c_str());
  return text;
}

}  // namespace sessions
