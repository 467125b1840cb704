#pragma once
// One HTTP GET into a file, through WinINet: the way every installer, archive
// and list file reaches the download folder.
//
// How it works. The request always goes to the server (reload, no cache
// write), reuses a kept-alive connection and never follows a redirect (a
// moved file is an error of the server's tree, not something to chase). A 401
// answer may get the system's credentials prompt and then exactly one retry.
// The body is read into one fixed block of 1 MiB. Each read asks for at
// least 64 KiB (up to the whole block while reads fill at once) and waits
// until that much has arrived: small reads cost a round trip through WinINet
// each and cap a download far below the link's speed, while one block keeps
// the memory bounded. When the server announced a length, a
// body that ends early is a failure, never a finished download: a cut file
// would otherwise stay in the cache and be used for ever.
//
// Stopping: the owner calls abort() from its own thread; it closes the
// internet handles, so every later call fails at once. The stop check passed
// at construction is read between the steps and between the waits for the
// body, which last at most kServerWaitMs each (a wait for data consumes
// nothing, so polling loses no byte). Connect and receive time-outs bound
// every wait when nobody stops. A read that times out in the middle of the
// body (the server paused longer than one wait) does not fail the download:
// the rest is asked for with a Range request, or the whole body again from a
// server that answers without ranges.

#include <windows.h>
#include <wininet.h>

#include <cstdint>
#include <functional>
#include <mutex>
#include <string>

namespace sessions {

// Failure codes of our own (every other failure code is an HTTP status).
namespace transfer_code {
inline constexpr int kInvalidUrl = -1001;
inline constexpr int kNotHttp = -1002;
inline constexpr int kLoginRejected = -1003;
inline constexpr int kRedirection = -1004;
inline constexpr int kInsufficientBuffers = -1005;
inline constexpr int kTruncatedBody = -1006;
}  // namespace transfer_code

struct TransferResult {
  enum class Kind {
    Completed,      // the whole body is in the temporary file
    Stopped,        // the stop check fired (nothing more to report)
    InternetError,  // connection, name resolution, time-out...: code is the WinINet error
    ServerError,    // code is a transfer_code or the HTTP status of the answer
    Unexpected,     // anything else, for example the temporary file could not be written
  };
  Kind kind = Kind::Unexpected;
  int code = 0;
};

struct TransferEvents {
  // The temporary file exists and the body starts; the announced length in
  // bytes (0 when the server gave none).
  std::function<void(std::uint64_t announcedBytes)> started;
  // After every block written: the bytes received so far.
  std::function<void(std::uint64_t receivedBytes)> received;
};

class HttpDownload {
 public:
  static constexpr DWORD kReadBlockBytes = 1024 * 1024;
  static constexpr DWORD kConnectTimeoutMs = 30000;
  static constexpr DWORD kReceiveTimeoutMs = 30000;
  // The longest single wait for the server once the request is sent: a stop
  // is seen within about this time, and a pause of the server in the middle
  // of a read may last this long (between reads it may last
  // kReceiveTimeoutMs, the waits are repeated).
  static constexpr DWORD kServerWaitMs = 2500;
  // A body whose reads time out is asked for again from its last byte; after
  // this many attempts in a row that brought nothing, the download fails.
  static constexpr int kMaxIdleResumes = 3;

  // `stopRequested` is read between the steps; `allowCredentialsPrompt`
  // lets a 401 show the system's credentials dialog (silent downloads do
  // not ask).
  HttpDownload(std::function<bool()> stopRequested, bool allowCredentialsPrompt);
  ~HttpDownload();
  HttpDownload(const HttpDownload&) = delete;
  HttpDownload& operator=(const HttpDownload&) = delete;

  // Fetches `url` into `tempPath` (replacing an earlier temporary file).
  TransferResult fetch(const std::string& url, const std::string& tempPath, const TransferEvents& events);

  // Closes the internet handles; any thread. A fetch in progress then fails
  // at its next call into WinINet, and every later one at once.
  void abort();

 private:
  // Keeps a new handle unless abort() came first (the handle is then closed
  // at once and false returned).
  bool keep(HINTERNET& slot, HINTERNET handle);
  void closeHandles();
  bool stopped() const { return stopRequested_ && stopRequested_(); }
  // How far the body has come over the attempts of one fetch.
  struct BodyProgress {
    std::uint64_t received = 0;  // bytes in the temporary file
    bool started = false;        // events.started has been sent
    bool interrupted = false;    // the last attempt timed out in the middle of a read
  };

  void releaseRequest();
  bool sendRequest(HINTERNET request);
  // With `resumeFrom` > 0 the request asks for the body from that byte on.
  TransferResult sendAndCheckStatus(HINTERNET request, std::uint64_t resumeFrom);
  TransferResult receiveBody(HINTERNET request, const std::string& tempPath, const TransferEvents& events,
                             BodyProgress& progress);

  std::function<bool()> stopRequested_;
  bool allowCredentialsPrompt_;
  std::mutex handlesMutex_;
  bool aborted_ = false;
  HINTERNET session_ = nullptr;
  HINTERNET connection_ = nullptr;
  HINTERNET request_ = nullptr;
};

// The platform's own text for a WinINet error (trailing line breaks
// removed); "" when the system has none.
std::string internetErrorText(DWORD error);

// The announced length of an answer: the Content-Length header read as a
// 64-bit number; 0 when absent or not a number.
std::uint64_t parseContentLength(const char* header);

}  // namespace sessions
