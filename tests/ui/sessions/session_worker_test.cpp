// The session's worker against the run's file server: what it reports to its
// dialog (codes 100 to 104 and the kilobytes of 101), which requests it makes,
// and how fast it ends when stopped. The worker reports to a recording window
// here, so the exact sequence of reports is visible.
#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <string>

#include "app/folders.h"
#include "platform/ui/worker.h"
#include "sessions/download_paths.h"
#include "sessions/download_worker.h"
#include "support/test_files.h"
#include "ui/sessions/session_world.h"

namespace {

using sessiontest::ReportRecorder;
using sessiontest::ServedFolder;

struct WorkerRun {
  std::vector<int> codes;
  sessiontest::Reports reports;
  long long totalKB = -1;
  bool ended = false;
};

sessions::DownloadJob jobFor(const std::string& url, const std::string& folder, const std::string& fileName) {
  sessions::DownloadJob job;
  job.name = "Session Test Component";
  job.downloadUrl = url;
  job.paths = sessions::downloadPathsFor(folder, fileName);
  job.downloadOnly = true;
  job.interactive = false;
  return job;
}

WorkerRun runWorker(const sessions::DownloadJob& job, DWORD timeoutMs = 30000) {
  app::createFolderPath(job.paths.finalPath.substr(0, job.paths.finalPath.rfind('\\')).c_str());
  ReportRecorder recorder;
  auto shared = std::make_shared<sessions::DownloadShared>();
  ui::Worker worker;
  WorkerRun run;
  if (!worker.start(recorder.hwnd(), [job, shared](ui::WorkerContext& context) {
        sessions::runDownloadWorker(context, job, *shared);
      })) {
    return run;
  }
  run.ended = sessiontest::pumpUntil([&] { return !worker.running(); }, timeoutMs);
  worker.stop();
  run.codes = recorder.codes();
  run.reports = recorder.reports();
  run.totalKB = shared->totalKB.load();
  return run;
}

class SessionWorkerTest : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(served_.ok()); }
  ServedFolder served_{testing::UnitTest::GetInstance()->current_test_info()->name()};
};

TEST_F(SessionWorkerTest, ReportsAtMostOnceForEachFurther100KB) {
  struct Case {
    size_t bytes;
    std::vector<int> codes;
    std::vector<std::string> kilobytes;
  };
  const Case cases[] = {
      {102400, {100, 102}, {}},
      {102401, {100, 101, 102}, {"100"}},
      {1536, {100, 102}, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    const std::string name = "body" + std::to_string(c.bytes) + ".bin";
    const std::string body(c.bytes, 'z');
    const auto job = jobFor(served_.serve(name, body), served_.downloadFolder(), name);
    const WorkerRun run = runWorker(job);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.codes, c.codes);
    std::vector<std::string> kilobytes;
    for (const auto& report : run.reports) {
      if (report.first == 101) kilobytes.push_back(report.second);
    }
    EXPECT_EQ(kilobytes, c.kilobytes);
    EXPECT_EQ(run.totalKB, static_cast<long long>(c.bytes / 1024));
    EXPECT_TRUE(testsupport::readFile(job.paths.finalPath) == body);
    EXPECT_FALSE(app::pathExists(job.paths.tempPath));
  }
}

TEST_F(SessionWorkerTest, LargeBodyReportsTheTrueTotalsAndKeepsTheBarWithoutLength) {
  const std::string body(3 * 1024 * 1024 + 5, 'q');
  const auto job = jobFor(served_.serve("large.bin", body), served_.downloadFolder(), "large.bin");
  ASSERT_TRUE(sessiontest::setFault(served_.serverPath("large.bin"), "kind=no-length&count=1"));
  const WorkerRun run = runWorker(job);
  ASSERT_TRUE(run.ended);
  ASSERT_GE(run.codes.size(), 3u);
  EXPECT_EQ(run.codes.front(), 100);
  EXPECT_EQ(run.codes.back(), 102);
  EXPECT_EQ(run.totalKB, 0) << "no Content-Length: nothing announced";
  // Every report shows the true total so far, and the last one comes within
  // 100 KB of the end.
  long long previous = -1;
  for (const auto& report : run.reports) {
    if (report.first != 101) continue;
    const long long kilobytes = std::stoll(report.second);
    EXPECT_GT(kilobytes, previous);
    previous = kilobytes;
  }
  EXPECT_GE(previous, static_cast<long long>((body.size() - 102400) / 1024));
  EXPECT_LE(previous, static_cast<long long>(body.size() / 1024));
  EXPECT_TRUE(testsupport::readFile(job.paths.finalPath) == body);
}

TEST_F(SessionWorkerTest, PresentFileIsUsedWithoutAnyRequest) {
  served_.serve("cached.bin", "new bytes");
  const auto job = jobFor(served_.url("cached.bin"), served_.downloadFolder(), "cached.bin");
  CreateDirectoryA(served_.downloadFolder().c_str(), nullptr);
  testsupport::writeFile(job.paths.finalPath, "cached bytes");
  const WorkerRun run = runWorker(job);
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.codes, std::vector<int>({102}));
  EXPECT_EQ(sessiontest::requestCount(served_.serverPath("cached.bin")), 0);
  EXPECT_EQ(testsupport::readFile(job.paths.finalPath), "cached bytes");
}

TEST_F(SessionWorkerTest, TemporaryPathOf260CharactersFailsBeforeAnyRequest) {
  // Folder and name chosen so that the temporary path ("...tmp") is exactly
  // 259 or 260 characters long.
  for (const size_t length : {259u, 260u}) {
    SCOPED_TRACE(length);
    const std::string name = "long" + std::to_string(length) + ".bin";
    served_.serve(name, "long path body");
    std::string folder = served_.downloadFolder() + "\\";
    const size_t fixed = folder.size() + name.size() + 3;
    ASSERT_LT(fixed + 2, length);
    folder += std::string(length - fixed - 1, 'd');
    const auto job = jobFor(served_.url(name), folder, name);
    ASSERT_EQ(job.paths.tempPath.size(), length);
    const WorkerRun run = runWorker(job);
    ASSERT_TRUE(run.ended);
    if (length == 259) {
      EXPECT_EQ(run.codes, std::vector<int>({100, 102}));
      EXPECT_EQ(testsupport::readFile(job.paths.finalPath), "long path body");
    } else {
      EXPECT_EQ(run.codes, std::vector<int>({103}));
      EXPECT_EQ(sessiontest::requestCount(served_.serverPath(name)), 0);
    }
  }
}

TEST_F(SessionWorkerTest, FailuresEndWith103AndNeverPlaceAFile) {
  struct Case {
    const char* name;
    const char* fault;  // nullptr: the file is not served at all
  };
  const Case cases[] = {
      {"missing.bin", nullptr},
      {"redirected.bin", "kind=redirect&code=302&count=1"},
      {"cut.bin", "kind=truncate&bytes=150000&count=1"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::string url = served_.url(c.name);
    if (c.fault != nullptr) {
      served_.serve(c.name, std::string(400000, 'c'));
      ASSERT_TRUE(sessiontest::setFault(served_.serverPath(c.name), c.fault));
    }
    const auto job = jobFor(url, served_.downloadFolder(), c.name);
    const WorkerRun run = runWorker(job);
    ASSERT_TRUE(run.ended);
    ASSERT_FALSE(run.codes.empty());
    EXPECT_EQ(run.codes.back(), 103);
    EXPECT_FALSE(app::pathExists(job.paths.finalPath)) << "a failed fetch must not look downloaded";
  }
}

TEST_F(SessionWorkerTest, PausesLongerThanAPollLoseNoByte) {
  std::string body;
  for (int i = 0; i < 150000; ++i) body.push_back(static_cast<char>('a' + i % 23));
  const auto job = jobFor(served_.serve("paused.bin", body), served_.downloadFolder(), "paused.bin");
  ASSERT_TRUE(sessiontest::setFault(served_.serverPath("paused.bin"), "kind=slow&delay_ms=1600&chunk=50000&count=1"));
  const WorkerRun run = runWorker(job);
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.codes.back(), 102);
  EXPECT_TRUE(testsupport::readFile(job.paths.finalPath) == body);
}

TEST_F(SessionWorkerTest, APauseLongerThanOneWaitIsResumedFromTheLastByteWritten) {
  std::string body;
  for (int i = 0; i < 300000; ++i) body.push_back(static_cast<char>('a' + i % 19));
  const auto job = jobFor(served_.serve("resumed.bin", body), served_.downloadFolder(), "resumed.bin");
  // The first answer stalls for 3 s after each 100 000 bytes; the next one
  // is served whole (from the byte asked for).
  ASSERT_TRUE(sessiontest::setFault(served_.serverPath("resumed.bin"), "kind=slow&delay_ms=3000&chunk=100000&count=1"));
  const WorkerRun run = runWorker(job);
  ASSERT_TRUE(run.ended);
  EXPECT_EQ(run.codes.back(), 102);
  EXPECT_TRUE(testsupport::readFile(job.paths.finalPath) == body);
  EXPECT_EQ(sessiontest::requestCount(served_.serverPath("resumed.bin")), 2);
}

TEST_F(SessionWorkerTest, StopEndsAWorkerWhoseServerStallsMidBody) {
  served_.serve("stalled.bin", std::string(600000, 's'));
  // The first piece arrives, then the server goes quiet for a minute.
  ASSERT_TRUE(sessiontest::setFault(served_.serverPath("stalled.bin"), "kind=slow&delay_ms=60000&chunk=200000&count=1"));
  auto job = jobFor(served_.url("stalled.bin"), served_.downloadFolder(), "stalled.bin");
  CreateDirectoryA(served_.downloadFolder().c_str(), nullptr);
  ReportRecorder recorder;
  auto shared = std::make_shared<sessions::DownloadShared>();
  ui::Worker worker;
  ASSERT_TRUE(worker.start(recorder.hwnd(), [job, shared](ui::WorkerContext& context) {
    sessions::runDownloadWorker(context, job, *shared);
  }));
  ASSERT_TRUE(sessiontest::pumpUntil([&] { return !recorder.codes().empty(); }, 10000)) << "never started";
  sessiontest::pumpUntil([] { return false; }, 500);
  const ULONGLONG before = GetTickCount64();
  EXPECT_TRUE(worker.stop()) << "the worker had to be left running";
  EXPECT_LT(GetTickCount64() - before, 5000u);
  EXPECT_EQ(ui::Worker::detachedCount(), 0);
  EXPECT_FALSE(app::pathExists(job.paths.finalPath));
}

}  // namespace
