// relay-sim: a relay unit on a pseudo-terminal. Usage:
//   relay-sim --link PATH --log PATH [--ready-file PATH]
// PATH of --link becomes a symlink to the terminal, which Wine can map to a COM
// port. Each byte received is logged as one line; SIGTERM or SIGINT ends it.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <ctime>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "LineSettings.h"
#include "RelayBoard.h"

namespace {

class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { if (fd_ >= 0) close(fd_); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  bool valid() const { return fd_ >= 0; }

 private:
  int fd_;
};

volatile sig_atomic_t g_stopRequested = 0;  // set by the signal handler only
void OnStopSignal(int) { g_stopRequested = 1; }

struct Options {
  std::string link, log, ready;
};

bool ParseOptions(int argc, char** argv, Options& opt) {
  for (int i = 1; i + 1 < argc; i += 2) {
    std::string name = argv[i];
    if (name == "--link") opt.link = argv[i + 1];
    else if (name == "--log") opt.log = argv[i + 1];
    else if (name == "--ready-file") opt.ready = argv[i + 1];
    else return false;
  }
  return argc % 2 == 1 && !opt.link.empty() && !opt.log.empty();
}

bool WriteAll(int fd, const std::string& text) {
  for (std::size_t done = 0; done < text.size();) {
    ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

// Written under another name and renamed, so a waiting test never reads half of it.
bool WriteReadyFile(const std::string& path, const std::string& slaveName) {
  std::string temp = path + ".tmp";
  {
    Fd fd(open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd.valid() || !WriteAll(fd.get(), slaveName + "\n")) return false;
  }
  return rename(temp.c_str(), path.c_str()) == 0;
}

bool LinkPointsTo(const std::string& link, const std::string& target) {
  char buf[PATH_MAX];
  ssize_t n = readlink(link.c_str(), buf, sizeof buf - 1);
  return n >= 0 && std::string(buf, static_cast<std::size_t>(n)) == target;
}

std::int64_t MonotonicMs() {
  timespec ts{};
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return static_cast<std::int64_t>(ts.tv_sec) * 1000 + ts.tv_nsec / 1000000;
}

int Fail(const char* what) {
  std::fprintf(stderr, "relay-sim: %s: %s\n", what, std::strerror(errno));
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  Options opt;
  if (!ParseOptions(argc, argv, opt)) {
    std::fprintf(stderr, "usage: relay-sim --link PATH --log PATH [--ready-file PATH]\n");
    return 2;
  }

  Fd master(posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
  if (!master.valid() || grantpt(master.get()) != 0 || unlockpt(master.get()) != 0)
    return Fail("pseudo-terminal");
  const std::string slaveName = ptsname(master.get());
  // Holding the slave open keeps the master readable after a client closes the port.
  Fd slave(open(slaveName.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC));
  if (!slave.valid()) return Fail(slaveName.c_str());
  termios tio{};
  tcgetattr(slave.get(), &tio);
  cfmakeraw(&tio);
  if (tcsetattr(slave.get(), TCSANOW, &tio) != 0) return Fail("raw mode");

  Fd log(open(opt.log.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
  if (!log.valid()) return Fail(opt.log.c_str());

  struct sigaction sa {};
  sa.sa_handler = OnStopSignal;
  sigaction(SIGTERM, &sa, nullptr);
  sigaction(SIGINT, &sa, nullptr);
  // Signals are only let in while waiting, so a stop request cannot slip in
  // between the check and the wait.
  sigset_t blocked, waiting;
  sigemptyset(&blocked);
  sigaddset(&blocked, SIGTERM);
  sigaddset(&blocked, SIGINT);
  sigprocmask(SIG_BLOCK, &blocked, &waiting);
  sigdelset(&waiting, SIGTERM);
  sigdelset(&waiting, SIGINT);

  // A link left by an earlier run is replaced; anything else at that path is kept.
  struct stat st {};
  if (lstat(opt.link.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) unlink(opt.link.c_str());
  if (symlink(slaveName.c_str(), opt.link.c_str()) != 0) return Fail(opt.link.c_str());
  if (!opt.ready.empty() && !WriteReadyFile(opt.ready, slaveName)) {
    unlink(opt.link.c_str());
    return Fail(opt.ready.c_str());
  }

  relaysim::RelayBoard board;
  int status = 0;
  while (!g_stopRequested) {
    pollfd pfd{master.get(), POLLIN, 0};
    int ready = ppoll(&pfd, 1, nullptr, &waiting);
    if (ready < 0) {
      if (errno == EINTR) continue;
      status = Fail("poll");
      break;
    }
    unsigned char buf[256];
    ssize_t n = read(master.get(), buf, sizeof buf);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) continue;
    if (n <= 0) {
      status = Fail("read");
      break;
    }
    for (ssize_t i = 0; i < n; ++i) {
      std::string line = board.Apply(buf[i], MonotonicMs()) + " " +
                         relaysim::DescribeLineSettings(slave.get()) + "\n";
      WriteAll(log.get(), line);
    }
  }

  if (LinkPointsTo(opt.link, slaveName)) unlink(opt.link.c_str());
  return status;
}
