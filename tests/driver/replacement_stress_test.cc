// The program as other processes see it while it replaces its files: a reader
// polling during repeated compiles, runs interrupted (SIGINT) or killed
// (SIGKILL) at random moments, and several runs into one directory at once.
// Each test runs the real executable in a temporary directory, in seconds.
#include <gtest/gtest.h>

#ifdef _WIN32
TEST(ReplacementStressTest, RunsOfTheRealExecutable) {
  GTEST_SKIP() << "the runs are started with posix_spawn and stopped with POSIX signals";
}
#else
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "io/disk.h"
#include "lsp/document.h"
#include "lsp/server.h"
#include "support/cli.h"
#include "support/temp_dir.h"

extern char** environ;

namespace percorso {
namespace {

using testing::Contents;
using testing::ReadBytes;
using testing::TempDir;
using Files = std::map<std::string, std::string>;

const std::vector<std::string> kCompiled = {"L_T.dat", "L_T.sim", "L_linea.dat"};

/// Starts the command `all` (its program looked for on PATH unless it names a
/// path); its standard output goes to `out_path` and its standard error to
/// `err_path`. -1 when it cannot start.
pid_t Spawn(std::vector<std::string> all, const std::string& err_path,
            const std::string& out_path) {
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  pid_t pid = -1;
  int error = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  EXPECT_EQ(error, 0) << "cannot start " << all[0];
  return error == 0 ? pid : -1;
}

/// Starts the program with `args`; its standard output goes to `out_path`
/// and its standard error to `err_path`.
pid_t Start(const std::vector<std::string>& args, const std::string& err_path = "/dev/null",
            const std::string& out_path = "/dev/null") {
  std::vector<std::string> all = {PERCORSO_EXE};
  all.insert(all.end(), args.begin(), args.end());
  return Spawn(std::move(all), err_path, out_path);
}

/// The exit status, or 128 + the signal that ended the process.
int Wait(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

int RunToEnd(const std::vector<std::string>& args) {
  return Wait(Start(args));
}

std::vector<std::string> Temporaries(const TempDir& dir) {
  std::vector<std::string> found;
  for (const std::string& name : dir.List()) {
    if (name.starts_with(".percorso-")) found.push_back(name);
  }
  return found;
}

/// Two scenarios with the keys L and T whose three files all differ: the
/// built-in one, and the same line 2 km shorter.
class ReplacementStressTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(testing::RunCli({"init", "--dir", sources_.path()}).status, 0);
    std::string line = ReadBytes(sources_.file("Pianura_Crinale_linea.txt"));
    size_t at = line.find("97000");
    ASSERT_NE(at, std::string::npos);
    testing::WriteBytes(sources_.file("short_linea.txt"), line.replace(at, 5, "95000"));
    for (int which : {0, 1}) {
      TempDir out;
      ASSERT_EQ(RunToEnd(CompileArgs(which, out.path())), 0);
      for (const std::string& name : kCompiled) bytes_[which][name] = ReadBytes(out.file(name));
    }
    for (const std::string& name : kCompiled) ASSERT_NE(bytes_[0][name], bytes_[1][name]);
  }

  std::vector<std::string> CompileArgs(int which, const std::string& dir) const {
    return {"compile",
            "--line",
            sources_.file(which == 0 ? "Pianura_Crinale_linea.txt" : "short_linea.txt"),
            "--train",
            sources_.file("Pianura_Crinale_2731-.txt"),
            "--line-key",
            "L",
            "--train-key",
            "T",
            "--dir",
            dir};
  }

  /// Which scenario the file `name` holds whole: 0, 1, or -1 for anything
  /// else (missing, partial, foreign).
  int WholeFile(const TempDir& dir, const std::string& name) const {
    std::string bytes = ReadBytes(dir.file(name));
    for (int which : {0, 1}) {
      if (bytes == bytes_[which].at(name)) return which;
    }
    return -1;
  }

  /// Which scenario every compiled file holds whole: 0 or 1, or -1 when
  /// they are of both, or one is missing or partial.
  int WholeSet(const TempDir& dir) const {
    const int which = WholeFile(dir, kCompiled[0]);
    for (const std::string& name : kCompiled) {
      if (WholeFile(dir, name) != which) return -1;
    }
    return which;
  }

  TempDir sources_;
  Files bytes_[2];
};

TEST_F(ReplacementStressTest, APollingReaderNeverSeesAMissingOrPartialFile) {
  TempDir dir;
  ASSERT_EQ(RunToEnd(CompileArgs(0, dir.path())), 0);
  std::atomic<bool> done{false};
  int polls = 0, bad = 0;
  std::string first_bad;
  // Most polls only look at the name and the size, so that they come fast;
  // every 16th reads the whole file.
  std::thread reader([&] {
    while (!done) {
      for (const std::string& name : kCompiled) {
        struct stat st;
        bool ok = stat(dir.file(name).c_str(), &st) == 0;
        if (ok && polls % 16 == 0) {
          ok = WholeFile(dir, name) >= 0;
        } else if (ok) {
          auto size = static_cast<size_t>(st.st_size);
          ok = size == bytes_[0].at(name).size() || size == bytes_[1].at(name).size();
        }
        ++polls;
        if (!ok && bad++ == 0) first_bad = name;
      }
    }
  });
  for (int i = 1; i <= 16; ++i) EXPECT_EQ(RunToEnd(CompileArgs(i % 2, dir.path())), 0);
  done = true;
  reader.join();
  EXPECT_EQ(bad, 0) << "first seen missing or partial: " << first_bad;
  EXPECT_GT(polls, 1000);
  EXPECT_EQ(dir.List(), kCompiled);
}

// SIGINT removes the run's temporaries and keeps the old set whole, or lets
// the renames of the new set finish; SIGKILL may leave temporaries and, between
// two renames, files of both sets with the journal of the commit, but never a
// file missing or partial, and the next run completes that commit first. A run
// that completes leaves no temporary, whatever runs before it left.
TEST_F(ReplacementStressTest, InterruptedAndKilledRunsNeverLoseTheOldFiles) {
  TempDir dir;
  auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(RunToEnd(CompileArgs(0, dir.path())), 0);
  const auto one_run = std::chrono::steady_clock::now() - start;
  const unsigned seed = std::random_device()();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  std::uniform_int_distribution<int64_t> moment(
      0, std::chrono::duration_cast<std::chrono::microseconds>(one_run).count());
  int interrupted = 0;
  for (int i = 1; i <= 30; ++i) {
    const int sig = i % 3 == 0 ? SIGKILL : SIGINT;
    SCOPED_TRACE("run " + std::to_string(i) + (sig == SIGKILL ? " killed" : " interrupted"));
    const std::vector<std::string> left_before = Temporaries(dir);
    const bool journal_before = std::filesystem::exists(dir.file(".percorso-commit"));
    std::vector<int> before;
    for (const std::string& name : kCompiled) before.push_back(WholeFile(dir, name));
    pid_t pid = Start(CompileArgs(i % 2, dir.path()));
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    kill(pid, sig);
    int status = Wait(pid);
    EXPECT_TRUE(status == 0 || status == 128 + sig) << status;
    interrupted += status != 0;
    std::vector<int> after, all_new(kCompiled.size(), i % 2);
    for (const std::string& name : kCompiled) {
      after.push_back(WholeFile(dir, name));
      EXPECT_GE(after.back(), 0) << name;
    }
    // A set that a killed run left half replaced is completed by the next
    // run before anything else, interrupted or not.
    const bool whole_before =
        std::count(before.begin(), before.end(), before[0]) == 3 && !journal_before;
    if (sig == SIGINT) {
      EXPECT_EQ(std::count(after.begin(), after.end(), after[0]), 3) << "a set half replaced";
      if (whole_before) {
        EXPECT_TRUE(after == before || after == all_new);
      }
    }
    // A completed run removes every temporary; an interrupted one its own.
    if (status == 0) {
      EXPECT_EQ(Temporaries(dir), std::vector<std::string>{});
    }
    for (const std::string& temp : Temporaries(dir)) {
      EXPECT_TRUE((sig == SIGKILL && status != 0) ||
                  std::find(left_before.begin(), left_before.end(), temp) != left_before.end())
          << temp << " left by a run that ended with " << status;
    }
  }
  EXPECT_GT(interrupted, 0);
  ASSERT_EQ(RunToEnd(CompileArgs(1, dir.path())), 0);
  EXPECT_EQ(dir.List(), kCompiled);
  for (const std::string& name : kCompiled) EXPECT_EQ(WholeFile(dir, name), 1) << name;
}

// The default run under the same treatment: sources of the built-in text left
// by an interrupted run are compiled by the next one, which leaves exactly the
// six files of a clean run. The signals come within the time of one run, so
// that most runs are stopped.
TEST_F(ReplacementStressTest, InterruptedDefaultRunsLeaveNothingBehindTheNextRun) {
  TempDir clean;
  auto start = std::chrono::steady_clock::now();
  ASSERT_EQ(RunToEnd({"--dir", clean.path()}), 0);
  const auto one_run = std::chrono::steady_clock::now() - start;
  TempDir dir;
  const unsigned seed = std::random_device()();
  SCOPED_TRACE("seed " + std::to_string(seed));
  std::mt19937 random(seed);
  std::uniform_int_distribution<int64_t> moment(
      0, std::chrono::duration_cast<std::chrono::microseconds>(one_run).count());
  int interrupted = 0;
  for (int i = 1; i <= 10; ++i) {
    const int sig = i % 2 == 0 ? SIGKILL : SIGINT;
    pid_t pid = Start({"--dir", dir.path()});
    std::this_thread::sleep_for(std::chrono::microseconds(moment(random)));
    kill(pid, sig);
    int status = Wait(pid);
    EXPECT_TRUE(status == 0 || status == 128 + sig) << status;
    interrupted += status != 0;
  }
  EXPECT_GT(interrupted, 0);
  ASSERT_EQ(RunToEnd({"--dir", dir.path()}), 0);
  EXPECT_EQ(Contents(dir), Contents(clean));
}

// Runs into one directory take turns: all of them succeed and the directory
// holds the files of one, with no temporary.
TEST_F(ReplacementStressTest, EightRunsAtOnceIntoOneDirectoryAllSucceed) {
  TempDir clean;
  ASSERT_EQ(RunToEnd({"--dir", clean.path()}), 0);
  struct Case {
    const char* what;
    bool builtin;
  };
  for (const Case& c : {Case{"compile", false}, Case{"default run", true}}) {
    SCOPED_TRACE(c.what);
    TempDir dir, errors;
    std::vector<pid_t> pids;
    for (int i = 0; i < 8; ++i) {
      std::vector<std::string> args =
          c.builtin ? std::vector<std::string>{"--dir", dir.path()} : CompileArgs(0, dir.path());
      pids.push_back(Start(args, errors.file(std::to_string(i))));
    }
    for (size_t i = 0; i < pids.size(); ++i) {
      EXPECT_EQ(Wait(pids[i]), 0) << ReadBytes(errors.file(std::to_string(i)));
      std::string err = ReadBytes(errors.file(std::to_string(i)));
      // The holder is named unless it ended between the two looks.
      const std::string waiting = "percorso: " + dir.path() + ": waiting for another run to finish";
      EXPECT_TRUE(err.empty() || err == waiting + "\n" ||
                  (err.starts_with(waiting + " (process ") && err.ends_with(")\n")))
          << err;
    }
    EXPECT_EQ(Contents(dir), c.builtin ? Contents(clean) : bytes_[0]);
  }
}

/// Runs the program through /bin/sh with `limits` (ulimit commands) first;
/// its standard error goes to `err_path`.
int RunLimited(const std::string& limits, const std::vector<std::string>& args,
               const std::string& err_path) {
  std::string script = limits + "; exec \"$0\" \"$@\" >/dev/null 2>\"" + err_path + "\"";
  std::vector<std::string> all = {"/bin/sh", "-c", script, PERCORSO_EXE};
  all.insert(all.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& a : all) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  EXPECT_EQ(posix_spawn(&pid, "/bin/sh", nullptr, nullptr, argv.data(), environ), 0);
  return Wait(pid);
}

/// Waits up to `seconds` for the process to end: its status, or -1 after
/// killing it when it did not.
int WaitAtMost(pid_t pid, int seconds) {
  for (int i = 0; i < seconds * 20; ++i) {
    int status = 0;
    pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  kill(pid, SIGKILL);
  Wait(pid);
  return -1;
}

/// The exclusive lock of a directory, held by the test process as another run
/// would hold it.
class HeldLock {
 public:
  explicit HeldLock(const std::string& dir)
      : fd_(open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    EXPECT_GE(fd_, 0);
    EXPECT_EQ(flock(fd_, LOCK_EX), 0);
  }
  ~HeldLock() { Release(); }
  void Release() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

// The language server's page command writes into the folder as a run does:
// it waits while another run holds the folder's lock, and a run that comes
// after it finds no temporary of the page's to take for a stale one.
TEST_F(ReplacementStressTest, TheLanguageServersPageWaitsForTheLock) {
  TempDir dir;
  testing::WriteBytes(dir.file("L_linea.txt"),
                      ReadBytes(sources_.file("Pianura_Crinale_linea.txt")));
  testing::WriteBytes(dir.file("L_T-.txt"), ReadBytes(sources_.file("Pianura_Crinale_2731-.txt")));
  RealDisk disk;
  LanguageServer server(disk);
  server.Handle(R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{}})");
  const std::string command =
      R"({"jsonrpc":"2.0","id":2,"method":"workspace/executeCommand","params":)"
      R"({"command":"percorso.view","arguments":[")" +
      UriFromPath(dir.file("L_T-.txt")) + R"("]}})";
  auto lock = std::make_unique<HeldLock>(dir.path());
  std::vector<std::string> answer;
  std::thread page([&] { answer = server.Handle(command); });
  std::this_thread::sleep_for(std::chrono::milliseconds(400));
  // Nothing is written, not even a temporary, while the lock is held.
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"L_T-.txt", "L_linea.txt"}));
  lock.reset();
  page.join();
  ASSERT_EQ(answer.size(), 1u);
  EXPECT_NE(answer[0].find("\"result\""), std::string::npos) << answer[0];
  EXPECT_EQ(dir.List(), (std::vector<std::string>{"L_T-.txt", "L_T.html", "L_linea.txt"}));

  // Pages and compiles into the folder at once: every page command succeeds.
  std::vector<pid_t> compiles;
  for (int i = 0; i < 4; ++i) {
    compiles.push_back(Start({"compile", "--line", dir.file("L_linea.txt"), "--train",
                              dir.file("L_T-.txt"), "--dir", dir.path()}));
  }
  for (int i = 0; i < 8; ++i) {
    std::vector<std::string> again = server.Handle(command);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_NE(again[0].find("\"result\""), std::string::npos) << again[0];
  }
  for (pid_t pid : compiles) EXPECT_EQ(Wait(pid), 0);
  EXPECT_EQ(Temporaries(dir), std::vector<std::string>{});
}

/// True when strace runs here and can kill a process at a chosen system call
/// (it needs ptrace, which a container may refuse).
bool StraceCanKill() {
  std::vector<std::string> args = {"/bin/sh", "-c",
                                   "strace -f -o /dev/null -e trace=getpid "
                                   "-e inject=getpid:signal=KILL:when=1 /bin/sh -c 'kill -0 $$' "
                                   ">/dev/null 2>&1"};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  pid_t pid = -1;
  if (posix_spawn(&pid, "/bin/sh", nullptr, nullptr, argv.data(), environ) != 0) return false;
  return Wait(pid) == 128 + SIGKILL;
}

/// Runs the program with `args` under strace, which kills it at its `k`-th
/// call of the system call `call`; the exit status (128 + 9 when killed).
int RunKilledAt(const std::string& call, int k, const std::vector<std::string>& args) {
  std::vector<std::string> all = {"strace", "-f", "-o", "/dev/null", "-e", "trace=" + call, "-e",
                                  "inject=" + call + ":signal=KILL:when=" + std::to_string(k),
                                  // LeakSanitizer cannot stop a traced process to look for leaks.
                                  "-E", "ASAN_OPTIONS=detect_leaks=0:abort_on_error=1",
                                  PERCORSO_EXE};
  all.insert(all.end(), args.begin(), args.end());
  const pid_t pid = Spawn(std::move(all), "/dev/null", "/dev/null");
  return pid == -1 ? -1 : Wait(pid);
}

// A compile is killed at each call of each system call that a commit makes
// (strace's fault injection), over a directory that holds the other
// scenario's set; then one command of each kind that touches the directory
// runs. A set of files of both compiles is never left without the journal
// of its commit, and whatever the kill left, the command finds a whole set:
// it completes the unfinished commit first and says so.
TEST_F(ReplacementStressTest, AKillAtEveryStepOfACommitIsCompletedByTheNextCommand) {
  if (!StraceCanKill()) {
    GTEST_SKIP() << "strace cannot kill a process at a system call here (not installed, or "
                    "ptrace refused)";
  }
  TempDir errors;
  const std::string err_path = errors.file("err");
  const std::string journal = ".percorso-commit";
  struct Syscall {
    const char* name;
    int calls;
  };
  // Every call of each, and more than there are: past the last, the compile
  // runs to its end.
  const Syscall syscalls[] = {{"openat", 10},  {"fsync", 8}, {"linkat", 4},  {"renameat", 6},
                              {"unlinkat", 6}, {"write", 4}, {"pwrite64", 3}};
  enum Follower { kCompile, kDefaultRun, kView, kDump, kPage, kFollowers };
  const char* follower_names[] = {"compile", "default run", "view", "dump", "page"};
  int left_mixed = 0, left_journal = 0;
  for (const Syscall& call : syscalls) {
    for (int k = 1; k <= call.calls; ++k) {
      for (int f = kCompile; f < kFollowers; ++f) {
        SCOPED_TRACE(std::string(call.name) + " #" + std::to_string(k) + ", then " +
                     follower_names[f]);
        TempDir dir;
        for (const std::string& name : kCompiled) {
          testing::WriteBytes(dir.file(name), bytes_[0].at(name));
        }
        const int killed = RunKilledAt(call.name, k, CompileArgs(1, dir.path()));
        EXPECT_TRUE(killed == 0 || killed == 128 + SIGKILL) << killed;
        const bool had_journal = std::filesystem::exists(dir.file(journal));
        const int left = WholeSet(dir);
        left_mixed += left < 0;
        left_journal += had_journal;
        EXPECT_TRUE(left >= 0 || had_journal) << "a mixed set without a journal";
        std::string err;
        int status = -1;
        switch (f) {
          case kCompile:
            status = Wait(Start(CompileArgs(0, dir.path()), err_path));
            break;
          case kDefaultRun:
            status = Wait(Start({"--dir", dir.path()}, err_path));
            break;
          case kView:
            status = Wait(Start({"view", "--dir", dir.path(), "--line-key", "L", "--train-key", "T",
                                 "-o", errors.file("page.html")},
                                err_path));
            break;
          case kDump:
            status = Wait(
                Start({"dump", dir.file("L_T.sim"), dir.file("L_T.dat"), dir.file("L_linea.dat")},
                      err_path));
            break;
          case kPage: {
            testing::WriteBytes(dir.file("L_linea.txt"),
                                ReadBytes(sources_.file("Pianura_Crinale_linea.txt")));
            testing::WriteBytes(dir.file("L_T-.txt"),
                                ReadBytes(sources_.file("Pianura_Crinale_2731-.txt")));
            RealDisk disk;
            LanguageServer server(disk);
            server.Handle(R"({"jsonrpc":"2.0","id":1,"method":"initialize","params":{}})");
            std::vector<std::string> answer = server.Handle(
                R"({"jsonrpc":"2.0","id":2,"method":"workspace/executeCommand","params":)"
                R"({"command":"percorso.view","arguments":[")" +
                UriFromPath(dir.file("L_T-.txt")) + R"("]}})");
            status =
                !answer.empty() && answer.back().find("\"result\"") != std::string::npos ? 0 : 1;
            // The editor is told in a message, as a command tells it on
            // standard error.
            testing::WriteBytes(err_path, answer.size() == 2 ? answer[0] : "");
            break;
          }
        }
        err = ReadBytes(err_path);
        EXPECT_EQ(status, 0) << err;
        EXPECT_FALSE(std::filesystem::exists(dir.file(journal)));
        EXPECT_GE(WholeSet(dir), 0);
        if (f == kCompile) {
          EXPECT_EQ(WholeSet(dir), 0);
        }
        EXPECT_EQ(err.find("warning"), std::string::npos) << err;
        EXPECT_EQ(err.find(" unfinished; it is completed now") != std::string::npos, had_journal)
            << err;
      }
    }
  }
  // Some kills fell between two renames.
  EXPECT_GT(left_mixed, 0);
  EXPECT_GE(left_journal, left_mixed);
}

// dump reads under the directory's shared lock, as view does: while compiles
// of the two scenarios replace each other's files, every listing is that of
// one whole set, and no dump warns.
TEST_F(ReplacementStressTest, DumpListsOneWholeSetWhileCompilesRun) {
  TempDir dir, outputs;
  std::string listing[2];
  for (int which : {0, 1}) {
    TempDir one;
    for (const std::string& name : kCompiled) {
      testing::WriteBytes(one.file(name), bytes_[which].at(name));
    }
    testing::CliResult r =
        testing::RunCli({"dump", one.file("L_T.sim"), one.file("L_T.dat"), "--every", "1000"});
    ASSERT_EQ(r.status, 0) << r.err;
    listing[which] = r.out;
    // The listing names the files: as they will be in `dir`.
    for (size_t at = 0; (at = listing[which].find(one.path(), at)) != std::string::npos;) {
      listing[which].replace(at, one.path().size(), dir.path());
    }
  }
  ASSERT_NE(listing[0], listing[1]);
  ASSERT_EQ(RunToEnd(CompileArgs(0, dir.path())), 0);
  std::atomic<bool> done{false};
  std::thread compiles([&] {
    for (int i = 1; i <= 12; ++i) EXPECT_EQ(RunToEnd(CompileArgs(i % 2, dir.path())), 0);
    done = true;
  });
  int dumps = 0;
  while (!done) {
    const std::string out = outputs.file("out"), err = outputs.file("err");
    const int status = Wait(
        Start({"dump", dir.file("L_T.sim"), dir.file("L_T.dat"), "--every", "1000"}, err, out));
    EXPECT_EQ(status, 0) << ReadBytes(err);
    EXPECT_TRUE(ReadBytes(out) == listing[0] || ReadBytes(out) == listing[1]) << "a mixed listing";
    EXPECT_EQ(ReadBytes(err).find("warning"), std::string::npos) << ReadBytes(err);
    ++dumps;
  }
  compiles.join();
  EXPECT_GT(dumps, 0);

  // A table and cells of two compiles with the same keys (and check codes)
  // are told apart by the route length that the table records.
  testing::WriteBytes(dir.file("L_T.sim"), bytes_[1].at("L_T.sim"));
  testing::WriteBytes(dir.file("L_T.dat"), bytes_[0].at("L_T.dat"));
  testing::CliResult r = testing::RunCli({"dump", dir.file("L_T.sim"), dir.file("L_T.dat")});
  EXPECT_EQ(r.status, 0);
  EXPECT_TRUE(r.err.starts_with("percorso: warning: " + dir.file("L_T.dat") + ": ")) << r.err;
  EXPECT_NE(r.err.find("in slot 84 of L_T.sim"), std::string::npos) << r.err;
  r = testing::RunCli({"view", "--dir", dir.path(), "-o", "-"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("the files do not come from one compile"), std::string::npos) << r.err;
}

// A file that cannot be replaced stops the commit before any file changes:
// the old set stays whole, and view draws it. A set mixed by hand is refused
// by view and dump.
TEST_F(ReplacementStressTest, ACommitThatCannotFinishChangesNoFile) {
  TempDir dir, errors;
  ASSERT_EQ(RunToEnd(CompileArgs(0, dir.path())), 0);
  const std::string err_path = errors.file("err");
  if (RunLimited("chattr +i \"" + dir.file("L_T.dat") + "\" 2>/dev/null || exit 1", {"--version"},
                 err_path) != 0) {
    GTEST_SKIP() << "chattr +i is refused here (no root, or a file system without the flag)";
  }
  int status = Wait(Start(CompileArgs(1, dir.path()), err_path));
  RunLimited("chattr -i \"" + dir.file("L_T.dat") + "\"", {"--version"}, errors.file("x"));
  EXPECT_EQ(status, 1);
  EXPECT_TRUE(ReadBytes(err_path).starts_with("percorso: " + dir.file("L_T.dat")))
      << ReadBytes(err_path);
  EXPECT_EQ(Contents(dir), bytes_[0]);
  EXPECT_EQ(RunToEnd({"view", "--dir", dir.path(), "-o", errors.file("page.html")}), 0);

  // A geometry of the other route beside the cells and table of this one.
  testing::WriteBytes(dir.file("L_linea.dat"), bytes_[1].at("L_linea.dat"));
  EXPECT_EQ(Wait(Start({"view", "--dir", dir.path(), "-o", errors.file("page.html")}, err_path)),
            1);
  EXPECT_NE(ReadBytes(err_path).find("the files do not come from one compile"), std::string::npos)
      << ReadBytes(err_path);
  EXPECT_EQ(Wait(Start({"dump", dir.file("L_T.sim"), dir.file("L_T.dat"), dir.file("L_linea.dat")},
                       err_path)),
            0);
  EXPECT_TRUE(ReadBytes(err_path).starts_with("percorso: warning: ")) << ReadBytes(err_path);
  EXPECT_NE(ReadBytes(err_path).find("the files do not come from one compile"), std::string::npos)
      << ReadBytes(err_path);
}

// A FIFO given as a source is refused at once, without taking the lock.
TEST_F(ReplacementStressTest, AFifoSourceIsRefusedWithoutHanging) {
  TempDir dir, errors;
  ASSERT_EQ(mkfifo(dir.file("fifo").c_str(), 0644), 0);
  std::vector<std::string> args = CompileArgs(0, dir.path());
  args[2] = dir.file("fifo");
  EXPECT_EQ(WaitAtMost(Start(args, errors.file("err")), 20), 1);
  EXPECT_EQ(ReadBytes(errors.file("err")),
            "percorso: " + dir.file("fifo") + ": cannot read: a FIFO, not a regular file\n");
}

// --wait gives up after its time and names the process that holds the lock.
TEST_F(ReplacementStressTest, WaitGivesUpAndNamesTheHolder) {
  TempDir dir, errors;
  HeldLock held(dir.path());
  std::vector<std::string> args = CompileArgs(0, dir.path());
  args.insert(args.end(), {"--wait", "0.3"});
  EXPECT_EQ(WaitAtMost(Start(args, errors.file("err")), 20), 1);
  const std::string holder = "process " + std::to_string(getpid());
  EXPECT_EQ(ReadBytes(errors.file("err")),
            "percorso: " + dir.path() + ": waiting for another run to finish (" + holder + ")\n" +
                "percorso: " + dir.path() + ": still locked by " + holder +
                " after 0.3 s (--wait); nothing was written\n");
  EXPECT_EQ(dir.List(), std::vector<std::string>{});
}

// A run writes into the directory it locked: when that directory is renamed
// and another made under its name while the run waits, the files go to the
// renamed one, and the new one is left alone.
TEST_F(ReplacementStressTest, TheFilesGoToTheDirectoryThatWasLocked) {
  TempDir parent, errors;
  const std::string dir = parent.file("out"), moved = parent.file("moved");
  ASSERT_EQ(mkdir(dir.c_str(), 0755), 0);
  auto lock = std::make_unique<HeldLock>(dir);
  pid_t pid = Start(CompileArgs(0, dir), errors.file("err"));
  for (int i = 0; i < 400 && ReadBytes(errors.file("err")).empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(25));
  }
  ASSERT_NE(ReadBytes(errors.file("err")).find("waiting"), std::string::npos);
  ASSERT_EQ(rename(dir.c_str(), moved.c_str()), 0);
  ASSERT_EQ(mkdir(dir.c_str(), 0755), 0);
  lock.reset();
  EXPECT_EQ(WaitAtMost(pid, 60), 0) << ReadBytes(errors.file("err"));
  EXPECT_TRUE(std::filesystem::is_empty(dir));
  for (const std::string& name : kCompiled) {
    EXPECT_EQ(ReadBytes(moved + "/" + name), bytes_[0].at(name)) << name;
  }
}

// A directory that can be written but not read cannot be locked: the run
// stops rather than write unlocked.
TEST_F(ReplacementStressTest, ADirectoryThatCannotBeLockedIsNotWritten) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads a directory whatever its permissions";
  TempDir parent, errors;
  const std::string dir = parent.file("out");
  ASSERT_EQ(mkdir(dir.c_str(), 0333), 0);
  EXPECT_EQ(Wait(Start(CompileArgs(0, dir), errors.file("err"))), 1);
  chmod(dir.c_str(), 0755);
  EXPECT_NE(ReadBytes(errors.file("err")).find(": cannot lock: the directory cannot be read"),
            std::string::npos)
      << ReadBytes(errors.file("err"));
  EXPECT_TRUE(std::filesystem::is_empty(dir));
}

// A file size limit (SIGXFSZ) ends a run as an interrupt does: its
// temporaries are removed and the old files kept.
TEST_F(ReplacementStressTest, AFileSizeLimitEndsTheRunLikeAnInterrupt) {
  TempDir dir, errors;
  ASSERT_EQ(RunToEnd(CompileArgs(0, dir.path())), 0);
  // 512-byte blocks: room for the table and the cells, not the geometry.
  EXPECT_EQ(RunLimited("ulimit -f 200", CompileArgs(1, dir.path()), errors.file("err")),
            128 + SIGXFSZ);
  EXPECT_EQ(Contents(dir), bytes_[0]);
}

// A source larger than the memory the process may take is reported, with
// exit status 1, rather than aborting; the old files stay.
TEST_F(ReplacementStressTest, RunningOutOfMemoryIsReported) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "AddressSanitizer needs more address space than the limit allows";
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  GTEST_SKIP() << "AddressSanitizer needs more address space than the limit allows";
#endif
#endif
  TempDir dir, errors;
  ASSERT_EQ(RunToEnd(CompileArgs(0, dir.path())), 0);
  // 100 MB that take no room on the disk.
  const std::string big = errors.file("big_linea.txt");
  std::filesystem::resize_file((testing::WriteBytes(big, ""), big), 100 << 20);
  std::vector<std::string> args = CompileArgs(1, dir.path());
  args[2] = big;
  EXPECT_EQ(RunLimited("ulimit -v 60000", args, errors.file("err")), 1);
  EXPECT_EQ(ReadBytes(errors.file("err")), "percorso: out of memory\n");
  EXPECT_EQ(Contents(dir), bytes_[0]);
}

}  // namespace
}  // namespace percorso
#endif  // _WIN32
