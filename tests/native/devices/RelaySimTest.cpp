// Starts the relay unit stand-in and talks to it as a serial port, the way
// Wine does for the program.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

// <chrono> itself does not compile with a Shift-JIS execution character set
// (its "µs" suffix); <thread> brings the clocks and durations.
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "RelayBoard.h"

extern char** environ;

namespace fs = std::filesystem;

namespace {

bool WaitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::seconds(10)) {
  auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
  return true;
}

std::vector<std::string> ReadLines(const fs::path& path) {
  std::vector<std::string> lines;
  std::ifstream in(path);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string States(std::initializer_list<int> on) {
  std::string states(32, '0');
  for (int relay : on) states[relay] = '1';
  return states;
}

class RelaySim : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/relay-sim-test.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    dir_ = pattern;
    std::string sim = RELAY_SIM_PATH;
    std::string link = (dir_ / "com1").string(), log = (dir_ / "relay.log").string(),
                ready = (dir_ / "ready").string();
    std::vector<char*> args = {sim.data(), (char*)"--link", link.data(), (char*)"--log",
                               log.data(), (char*)"--ready-file", ready.data(), nullptr};
    ASSERT_EQ(posix_spawn(&pid_, sim.c_str(), nullptr, nullptr, args.data(), environ), 0);
    ASSERT_TRUE(WaitFor([&] { return fs::exists(dir_ / "ready"); }));
  }

  void TearDown() override {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    fs::remove_all(dir_);
  }

  // Returns the exit status, or -1 when it does not end in time.
  int Stop() {
    kill(pid_, SIGTERM);
    int status = 0;
    bool ended = WaitFor([&] { return waitpid(pid_, &status, WNOHANG) == pid_; });
    if (!ended) return -1;
    pid_ = -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  fs::path dir_;
  pid_t pid_ = -1;
};

}  // namespace

TEST_F(RelaySim, LogsEachByteWithStatesAndLineSettings) {
  ASSERT_TRUE(fs::is_symlink(dir_ / "com1"));
  int port = open((dir_ / "com1").c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(port, 0);
  termios tio{};
  ASSERT_EQ(tcgetattr(port, &tio), 0);
  cfmakeraw(&tio);
  cfsetspeed(&tio, B9600);
  tio.c_cflag = (tio.c_cflag & ~(CSIZE | PARENB | CSTOPB)) | CS8;
  ASSERT_EQ(tcsetattr(port, TCSANOW, &tio), 0);
  const unsigned char bytes[] = {37, 5, 5, 0x11, 200};
  ASSERT_EQ(write(port, bytes, sizeof bytes), (ssize_t)sizeof bytes);
  close(port);

  std::vector<std::string> lines;
  ASSERT_TRUE(WaitFor([&] { return (lines = ReadLines(dir_ / "relay.log")).size() >= 5; }));
  const std::string line = " speed=9600 data=8 parity=none stop=1";
  EXPECT_EQ(lines[0], "byte=37 kind=pulse relay=5 states=" + States({5}) + line);
  EXPECT_EQ(lines[1], "byte=5 kind=toggle relay=5 states=" + States({}) + line);
  EXPECT_EQ(lines[2], "byte=5 kind=toggle relay=5 states=" + States({5}) + line);
  EXPECT_EQ(lines[3], "byte=17 kind=toggle relay=17 states=" + States({5, 17}) + line);
  EXPECT_EQ(lines[4], "byte=200 kind=unknown relay=- states=" + States({5, 17}) + line);

  EXPECT_EQ(Stop(), 0);
  EXPECT_FALSE(fs::is_symlink(dir_ / "com1"));
}

TEST(RelayBoard, PulseEndsAfterOneSecond) {
  relaysim::RelayBoard board;
  board.Apply(32 + 2, 5000);
  EXPECT_NE(board.Apply(64, 5999).find(States({2})), std::string::npos);
  EXPECT_NE(board.Apply(64, 6000).find(States({})), std::string::npos);
}
