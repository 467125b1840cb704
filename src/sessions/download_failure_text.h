#pragma once
// The one text that tells the user why a request or its body failed:
// "Error. Unable to download file - " and the reason.

#include <string>

#include "sessions/http_download.h"

namespace sessions {

// The reason for a failed transfer (an InternetError or ServerError result):
// the platform's text for an internet error, "Server responded with HTTP
// error - <status>" for an HTTP status, a fixed text for our own codes,
// "Unexpected error" for anything else.
std::string downloadFailureReason(const TransferResult& failure);

// "Error. Unable to download file - <reason>", at most 2047 characters.
std::string downloadFailureText(const TransferResult& failure);

}  // namespace sessions
