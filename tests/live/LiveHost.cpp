#include "LiveHost.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <thread>

#include <png.h>

extern char** environ;

namespace zorvi::live {

namespace {

using Clock = std::chrono::steady_clock;

Clock::time_point After(double seconds) {
  return Clock::now() + std::chrono::milliseconds(static_cast<int64_t>(seconds * 1000));
}

std::vector<char*> Argv(std::vector<std::string>& args) {
  std::vector<char*> argv;
  for (std::string& arg : args) {
    argv.push_back(arg.data());
  }
  argv.push_back(nullptr);
  return argv;
}

// Waits for the child up to the deadline; its exit status, -1 when it still runs.
int Reap(pid_t pid, Clock::time_point deadline) {
  for (;;) {
    int status = 0;
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    if (done < 0 || Clock::now() >= deadline) {
      return -1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

} // namespace

LiveHost::LiveHost(const std::string& database, const std::vector<std::string>& args) {
  int pipe[2];
  if (::pipe2(pipe, O_CLOEXEC) != 0) {
    return;
  }
  std::vector<std::string> command{ZORVI_HOST_PATH, "--plugin", ZORVI_PLUGIN_PATH, "--window",
                                   database};
  command.insert(command.end(), args.begin(), args.end());
  std::vector<char*> argv = Argv(command);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipe[1], 1);
  posix_spawn_file_actions_adddup2(&actions, pipe[1], 2);
  if (posix_spawn(&fPid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    fPid = -1;
  }
  posix_spawn_file_actions_destroy(&actions);
  close(pipe[1]);
  fOutput = pipe[0];
  fcntl(fOutput, F_SETFL, O_NONBLOCK);
}

LiveHost::~LiveHost() {
  Stop();
  if (fOutput >= 0) {
    close(fOutput);
  }
}

void LiveHost::ReadAvailable() {
  char buffer[4096];
  for (;;) {
    const ssize_t got = fOutput >= 0 ? read(fOutput, buffer, sizeof buffer) : -1;
    if (got <= 0) {
      return;
    }
    fPartial.append(buffer, static_cast<size_t>(got));
    size_t end = 0;
    while ((end = fPartial.find('\n')) != std::string::npos) {
      fLines.push_back(fPartial.substr(0, end));
      fPartial.erase(0, end + 1);
    }
  }
}

const std::vector<std::string>& LiveHost::Lines() {
  ReadAvailable();
  return fLines;
}

int LiveHost::WaitForLine(const std::string& text, double seconds, int from) {
  const Clock::time_point deadline = After(seconds);
  for (;;) {
    ReadAvailable();
    for (size_t i = static_cast<size_t>(std::max(0, from)); i < fLines.size(); ++i) {
      if (fLines[i].find(text) != std::string::npos) {
        return static_cast<int>(i);
      }
    }
    if (Clock::now() >= deadline) {
      return -1;
    }
    pollfd wait{fOutput, POLLIN, 0};
    poll(&wait, 1, 20);
  }
}

int LiveHost::WaitForExit(double seconds) {
  if (fPid > 0 && fStatus < 0) {
    fStatus = Reap(fPid, After(seconds));
    if (fStatus >= 0) {
      fPid = -1;
    }
  }
  ReadAvailable();
  return fStatus;
}

int LiveHost::Stop() {
  if (fPid > 0) {
    kill(fPid, SIGTERM);
    if (WaitForExit(10) < 0) {
      kill(fPid, SIGKILL);
      Reap(fPid, After(10));
      fPid = -1;
      return -1;
    }
  }
  return fStatus;
}

double LiveHost::CpuSeconds() const {
  std::ifstream file("/proc/" + std::to_string(fPid) + "/stat");
  std::string text;
  if (fPid <= 0 || !std::getline(file, text)) {
    return -1;
  }
  // Fields 14 and 15 (user and system ticks) count from the one after the command's ")".
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  long ticks = 0;
  for (int i = 3; i <= 15 && fields >> field; ++i) {
    if (i >= 14) {
      ticks += std::stol(field);
    }
  }
  return static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK));
}

bool Xdo(const std::vector<std::string>& args) {
  std::vector<std::string> command{"xdotool"};
  command.insert(command.end(), args.begin(), args.end());
  std::vector<char*> argv = Argv(command);
  pid_t pid = -1;
  if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
    return false;
  }
  const int status = Reap(pid, After(5));
  if (status < 0) {
    kill(pid, SIGKILL);
    Reap(pid, After(5));
  }
  return status == 0;
}

long PixelAt(const std::string& png, int x, int y) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (png_image_begin_read_from_file(&image, png.c_str()) == 0) {
    return -1;
  }
  image.format = PNG_FORMAT_RGB;
  std::vector<unsigned char> pixels(PNG_IMAGE_SIZE(image));
  if (png_image_finish_read(&image, nullptr, pixels.data(), 0, nullptr) == 0 || x < 0 || y < 0 ||
      x >= static_cast<int>(image.width) || y >= static_cast<int>(image.height)) {
    png_image_free(&image);
    return -1;
  }
  const unsigned char* p = pixels.data() + (static_cast<size_t>(y) * image.width + x) * 3;
  return (static_cast<long>(p[0]) << 16) | (p[1] << 8) | p[2];
}

long ScreenPixelAt(const std::string& frameBuffer, int x, int y) {
  std::ifstream file(frameBuffer, std::ios::binary);
  unsigned char header[100];
  if (!file.read(reinterpret_cast<char*>(header), sizeof header)) {
    return -1;
  }
  // Big-endian 32-bit fields: header size, ..., width 4, height 5, bits per pixel 11, bytes per
  // line 12, colour map entries 19.
  const auto field = [&](int i) {
    const unsigned char* p = header + 4 * i;
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
  };
  if (field(11) != 32 || x < 0 || y < 0 || static_cast<uint32_t>(x) >= field(4) ||
      static_cast<uint32_t>(y) >= field(5)) {
    return -1;
  }
  const uint64_t offset = field(0) + uint64_t{field(19)} * 12 + uint64_t{field(12)} * y + 4 * x;
  unsigned char pixel[4];
  if (!file.seekg(static_cast<std::streamoff>(offset)) ||
      !file.read(reinterpret_cast<char*>(pixel), sizeof pixel)) {
    return -1;
  }
  return (static_cast<long>(pixel[2]) << 16) | (pixel[1] << 8) | pixel[0];
}

} // namespace zorvi::live
