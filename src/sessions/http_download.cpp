#include "sessions/http_download.h"

#include <cerrno>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <vector>

#include "platform/debug_log.h"

namespace sessions {

namespace {

constexpr const char* kUserAgent = "Internet Session";
constexpr DWORD_PTR kContext = 1;
// Read sizes: a read that fills quickly doubles the next one, a slow one
// halves it.
constexpr DWORD kFirstReadBytes = 64 * 1024;
constexpr ULONGLONG kQuickReadMs = 50;
constexpr ULONGLONG kSlowReadMs = 250;
constexpr DWORD kRequestFlags =
    INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_KEEP_CONNECTION | INTERNET_FLAG_NO_AUTO_REDIRECT;

TransferResult result(TransferResult::Kind kind, int code = 0) {
  TransferResult value;
  value.kind = kind;
  value.code = code;
  return value;
}

TransferResult internetFailure() { return result(TransferResult::Kind::InternetError, static_cast<int>(GetLastError())); }

// The pieces of an address that the request needs.
struct SplitUrl {
  INTERNET_SCHEME scheme = INTERNET_SCHEME_UNKNOWN;
  std::string host;
  INTERNET_PORT port = 0;
  std::string object;
};

bool splitUrl(const std::string& url, SplitUrl& split) {
  if (url.empty()) return false;
  std::vector<char> host(url.size() + 1), path(url.size() + 1), extra(url.size() + 1);
  URL_COMPONENTSA parts{};
  parts.dwStructSize = sizeof parts;
  parts.lpszHostName = host.data();
  parts.dwHostNameLength = static_cast<DWORD>(host.size());
  parts.lpszUrlPath = path.data();
  parts.dwUrlPathLength = static_cast<DWORD>(path.size());
  parts.lpszExtraInfo = extra.data();
  parts.dwExtraInfoLength = static_cast<DWORD>(extra.size());
  if (!InternetCrackUrlA(url.c_str(), static_cast<DWORD>(url.size()), 0, &parts)) return false;
  split.scheme = parts.nScheme;
  split.host.assign(host.data(), parts.dwHostNameLength);
  split.port = parts.nPort;
  split.object.assign(path.data(), parts.dwUrlPathLength);
  split.object.append(extra.data(), parts.dwExtraInfoLength);
  if (split.object.empty()) split.object.push_back('/');
  return !split.host.empty();
}

DWORD statusCode(HINTERNET request) {
  DWORD status = 0;
  DWORD size = sizeof status;
  if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) return 0;
  return status;
}

std::uint64_t announcedLength(HINTERNET request) {
  char text[64] = {};
  DWORD size = sizeof text - 1;
  if (!HttpQueryInfoA(request, HTTP_QUERY_CONTENT_LENGTH, text, &size, nullptr)) return 0;
  return parseContentLength(text);
}

// A wait for the server that ended without an answer. Some WinINet builds
// hand on the socket's own code for it.
bool isPollTimeout(DWORD error) { return error == ERROR_INTERNET_TIMEOUT || error == WSAETIMEDOUT; }

// A read that fails before the announced end is a cut body; otherwise the
// platform's error.
TransferResult readFailure(DWORD error, std::uint64_t announced, std::uint64_t received) {
  if (isPollTimeout(error)) return result(TransferResult::Kind::InternetError, ERROR_INTERNET_TIMEOUT);
  if (announced > 0 && received < announced) {
    return result(TransferResult::Kind::ServerError, transfer_code::kTruncatedBody);
  }
  return result(TransferResult::Kind::InternetError, static_cast<int>(error));
}

struct FileCloser {
  void operator()(HANDLE file) const {
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
};

}  // namespace

std::uint64_t parseContentLength(const char* header) {
  if (header == nullptr) return 0;
  while (*header == ' ') ++header;
  if (*header < '0' || *header > '9') return 0;
  errno = 0;
  char* end = nullptr;
  const unsigned long long value = std::strtoull(header, &end, 10);
  if (errno != 0) return 0;
  while (*end == ' ' || *end == '\r' || *end == '\n') ++end;
  return *end == '\0' ? static_cast<std::uint64_t>(value) : 0;
}

std::string internetErrorText(DWORD error) {
  char text[1024] = {};
  DWORD length = 0;
  HMODULE wininet = GetModuleHandleA("wininet.dll");
  if (wininet != nullptr) {
    length = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS, wininet, error, 0, text,
                            sizeof text, nullptr);
  }
  if (length == 0) {
    length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                            sizeof text, nullptr);
  }
  std::string message(text, length);
  while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
    message.pop_back();
  }
  return message;
}

HttpDownload::HttpDownload(std::function<bool()> stopRequested, bool allowCredentialsPrompt)
    : stopRequested_(std::move(stopRequested)), allowCredentialsPrompt_(allowCredentialsPrompt) {}

HttpDownload::~HttpDownload() { closeHandles(); }

void HttpDownload::abort() {
  std::lock_guard<std::mutex> lock(handlesMutex_);
  aborted_ = true;
  // Children first: closing the request ends a read that waits for the server.
  for (HINTERNET* slot : {&request_, &connection_, &session_}) {
    if (*slot != nullptr) InternetCloseHandle(*slot);
    *slot = nullptr;
  }
}

bool HttpDownload::keep(HINTERNET& slot, HINTERNET handle) {
  std::lock_guard<std::mutex> lock(handlesMutex_);
  if (aborted_) {
    if (handle != nullptr) InternetCloseHandle(handle);
    return false;
  }
  slot = handle;
  return handle != nullptr;
}

void HttpDownload::closeHandles() {
  std::lock_guard<std::mutex> lock(handlesMutex_);
  for (HINTERNET* slot : {&request_, &connection_, &session_}) {
    if (*slot != nullptr) InternetCloseHandle(*slot);
    *slot = nullptr;
  }
}

void HttpDownload::releaseRequest() {
  std::lock_guard<std::mutex> lock(handlesMutex_);
  if (request_ != nullptr) InternetCloseHandle(request_);
  request_ = nullptr;
}

TransferResult HttpDownload::fetch(const std::string& url, const std::string& tempPath, const TransferEvents& events) {
  closeHandles();
  TransferResult outcome;
  HINTERNET session = InternetOpenA(kUserAgent, INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  if (session == nullptr) return internetFailure();
  if (!keep(session_, session)) return result(TransferResult::Kind::Stopped);
  // The members belong to abort() as well; the calls below use copies, which
  // fail cleanly once abort() has closed them.
  DWORD connectTimeout = kConnectTimeoutMs;
  DWORD receiveTimeout = kReceiveTimeoutMs;
  InternetSetOptionA(session, INTERNET_OPTION_CONNECT_TIMEOUT, &connectTimeout, sizeof connectTimeout);
  InternetSetOptionA(session, INTERNET_OPTION_RECEIVE_TIMEOUT, &receiveTimeout, sizeof receiveTimeout);

  SplitUrl split;
  if (!splitUrl(url, split)) {
    outcome = result(TransferResult::Kind::ServerError, transfer_code::kInvalidUrl);
  } else if (split.scheme != INTERNET_SCHEME_HTTP) {
    outcome = result(TransferResult::Kind::ServerError, transfer_code::kNotHttp);
  } else {
    HINTERNET connection = InternetConnectA(session, split.host.c_str(), split.port, nullptr, nullptr,
                                            INTERNET_SERVICE_HTTP, 0, kContext);
    if (connection == nullptr) {
      outcome = stopped() ? result(TransferResult::Kind::Stopped) : internetFailure();
    } else if (!keep(connection_, connection)) {
      outcome = result(TransferResult::Kind::Stopped);
    } else {
      BodyProgress progress;
      int idleResumes = 0;
      for (;;) {
        HINTERNET request = HttpOpenRequestA(connection, "GET", split.object.c_str(), nullptr, nullptr, nullptr,
                                             kRequestFlags, kContext);
        if (request == nullptr) {
          outcome = stopped() ? result(TransferResult::Kind::Stopped) : internetFailure();
          break;
        }
        if (!keep(request_, request) || stopped()) {
          outcome = result(TransferResult::Kind::Stopped);
          break;
        }
        const std::uint64_t before = progress.received;
        // Only a read that times out in this attempt asks for another one.
        progress.interrupted = false;
        outcome = sendAndCheckStatus(request, progress.received);
        if (outcome.kind == TransferResult::Kind::Completed) outcome = receiveBody(request, tempPath, events, progress);
        // A read that timed out in the middle of the body: ask for the rest
        // (or, from a server without ranges, for the whole body again), as
        // long as the attempts keep bringing data.
        if (!progress.interrupted || stopped()) break;
        idleResumes = progress.received > before ? 0 : idleResumes + 1;
        if (idleResumes >= kMaxIdleResumes) break;
        releaseRequest();
      }
    }
  }
  closeHandles();
  return outcome;
}

bool HttpDownload::sendRequest(HINTERNET request) {
  // The answer is waited for in polls as well (see receiveBody); the request
  // is sent again after a poll that saw no answer, which a GET allows.
  const ULONGLONG started = GetTickCount64();
  for (;;) {
    if (HttpSendRequestA(request, nullptr, 0, nullptr, 0)) return true;
    const DWORD error = GetLastError();
    if (!isPollTimeout(error) || stopped() || GetTickCount64() - started >= kReceiveTimeoutMs) {
      SetLastError(error);
      return false;
    }
  }
}

TransferResult HttpDownload::sendAndCheckStatus(HINTERNET request, std::uint64_t resumeFrom) {
  // Every wait of this request for the server lasts one poll at most, so a
  // stop is seen while the server is silent.
  DWORD pollTimeout = kServerWaitMs;
  InternetSetOptionA(request, INTERNET_OPTION_RECEIVE_TIMEOUT, &pollTimeout, sizeof pollTimeout);
  if (resumeFrom > 0) {
    const std::string range = "Range: bytes=" + std::to_string(resumeFrom) + "-\r\n";
    HttpAddRequestHeadersA(request, range.c_str(), static_cast<DWORD>(range.size()),
                           HTTP_ADDREQ_FLAG_ADD | HTTP_ADDREQ_FLAG_REPLACE);
  }
  if (!sendRequest(request)) {
    return stopped() ? result(TransferResult::Kind::Stopped) : internetFailure();
  }
  DWORD status = statusCode(request);
  if (status == HTTP_STATUS_DENIED) {
    if (stopped()) return result(TransferResult::Kind::Stopped);
    if (!allowCredentialsPrompt_) return result(TransferResult::Kind::ServerError, transfer_code::kLoginRejected);
    const DWORD answer = InternetErrorDlg(GetDesktopWindow(), request, ERROR_INTERNET_INCORRECT_PASSWORD,
                                          FLAGS_ERROR_UI_FLAGS_GENERATE_DATA | FLAGS_ERROR_UI_FLAGS_CHANGE_OPTIONS,
                                          nullptr);
    if (answer != ERROR_INTERNET_FORCE_RETRY) {
      return result(TransferResult::Kind::ServerError, transfer_code::kLoginRejected);
    }
    if (stopped()) return result(TransferResult::Kind::Stopped);
    // One retry only: a second 401 is an HTTP error like any other.
    if (!sendRequest(request)) {
      return stopped() ? result(TransferResult::Kind::Stopped) : internetFailure();
    }
    status = statusCode(request);
  }
  switch (status) {
    case HTTP_STATUS_OK:
      return result(TransferResult::Kind::Completed);
    case HTTP_STATUS_PARTIAL_CONTENT:
      if (resumeFrom > 0) return result(TransferResult::Kind::Completed);
      return result(TransferResult::Kind::ServerError, static_cast<int>(status));
    case HTTP_STATUS_MOVED:
    case HTTP_STATUS_REDIRECT:
    case HTTP_STATUS_REDIRECT_METHOD:
      return result(TransferResult::Kind::ServerError, transfer_code::kRedirection);
    default:
      return result(TransferResult::Kind::ServerError, static_cast<int>(status));
  }
}

TransferResult HttpDownload::receiveBody(HINTERNET request, const std::string& tempPath, const TransferEvents& events,
                                         BodyProgress& progress) {
  if (stopped()) return result(TransferResult::Kind::Stopped);
  // The rest of a body that was interrupted goes after what is in the file;
  // a whole body (the first answer, or a server that ignored the range)
  // replaces it.
  const bool resumed = progress.received > 0 && statusCode(request) == HTTP_STATUS_PARTIAL_CONTENT;
  std::unique_ptr<void, FileCloser> file(CreateFileA(tempPath.c_str(), GENERIC_WRITE, 0, nullptr,
                                                     resumed ? OPEN_EXISTING : CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                                     nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    platform::debugOutputF("HttpDownload::receiveBody - unable to create %s, error %lu\n", tempPath.c_str(),
                           GetLastError());
    return result(TransferResult::Kind::Unexpected);
  }
  std::uint64_t received = resumed ? progress.received : 0;
  if (resumed) {
    LARGE_INTEGER end;
    end.QuadPart = static_cast<LONGLONG>(received);
    if (!SetFilePointerEx(file.get(), end, nullptr, FILE_BEGIN) || !SetEndOfFile(file.get())) {
      return result(TransferResult::Kind::Unexpected);
    }
  }
  const std::uint64_t announced = resumed ? received + announcedLength(request) : announcedLength(request);
  if (!progress.started) {
    progress.started = true;
    if (events.started) events.started(announced);
  }
  progress.received = received;

  // Every wait for the server lasts kServerWaitMs at most (the request's
  // receive time-out), so a stop is seen even while nothing arrives: closing
  // the handles does not end a read that waits for the server on every
  // platform. A silent server is waited for in such slices until
  // kReceiveTimeoutMs have passed; a wait for data consumes nothing, so a
  // slice that ends empty loses no byte. A read that times out in the middle
  // loses what it had taken: the body is then asked for again from the last
  // byte written (see fetch).
  std::vector<char> block(kReadBlockBytes);
  DWORD readSize = kFirstReadBytes;
  ULONGLONG quietSince = GetTickCount64();
  for (;;) {
    if (stopped()) return result(TransferResult::Kind::Stopped);
    if (announced > 0 && received >= announced) break;
    DWORD available = 0;
    const ULONGLONG asked = GetTickCount64();
    if (!InternetQueryDataAvailable(request, &available, 0, 0)) {
      const DWORD error = GetLastError();
      if (stopped()) return result(TransferResult::Kind::Stopped);
      if (isPollTimeout(error) && GetTickCount64() - quietSince < kReceiveTimeoutMs) continue;
      return readFailure(error, announced, received);
    }
    if (available == 0 && GetTickCount64() - asked >= kServerWaitMs / 2) {
      // A slice that ended without data: the server is silent. (Nothing
      // available at once is the end of the body, which the read confirms.)
      if (GetTickCount64() - quietSince >= kReceiveTimeoutMs) {
        return result(TransferResult::Kind::InternetError, ERROR_INTERNET_TIMEOUT);
      }
      continue;
    }
    // A read returns when its size is filled or the body ends, so its size
    // follows the link: it doubles while reads fill at once and halves when
    // they take long, up to one block.
    const DWORD wanted = std::min(std::max(available, readSize), kReadBlockBytes);
    DWORD read = 0;
    const ULONGLONG readStarted = GetTickCount64();
    if (!InternetReadFile(request, block.data(), wanted, &read)) {
      const DWORD error = GetLastError();
      if (stopped()) return result(TransferResult::Kind::Stopped);
      progress.interrupted = isPollTimeout(error);
      return readFailure(error, announced, received);
    }
    if (read == 0) break;
    DWORD written = 0;
    if (!WriteFile(file.get(), block.data(), read, &written, nullptr) || written != read) {
      platform::debugOutputF("HttpDownload::receiveBody - unable to write %s, error %lu\n", tempPath.c_str(),
                             GetLastError());
      return result(TransferResult::Kind::Unexpected);
    }
    received += read;
    progress.received = received;
    quietSince = GetTickCount64();
    const ULONGLONG readTook = quietSince - readStarted;
    if (read == wanted && readTook <= kQuickReadMs) {
      readSize = std::min<DWORD>(readSize * 2, kReadBlockBytes);
    } else if (readTook > kSlowReadMs) {
      readSize = std::max<DWORD>(readSize / 2, kFirstReadBytes);
    }
    if (events.received) events.received(received);
  }
  if (stopped()) return result(TransferResult::Kind::Stopped);
  if (announced > 0 && received != announced) {
    return result(TransferResult::Kind::ServerError, transfer_code::kTruncatedBody);
  }
  return result(TransferResult::Kind::Completed);
}

}  // namespace sessions
