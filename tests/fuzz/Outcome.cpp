#include "Outcome.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>

namespace fuzz {

const char* OutcomeName(Outcome outcome) {
  switch (outcome) {
  case Outcome::kOk:
    return "ok";
  case Outcome::kAssertion:
    return "assertion";
  case Outcome::kScriptError:
    return "script-error";
  case Outcome::kLeak:
    return "leak";
  case Outcome::kSanitizer:
    return "sanitizer";
  case Outcome::kCrash:
    return "crash";
  case Outcome::kHang:
    return "hang";
  case Outcome::kOther:
    return "other";
  }
  return "?";
}

bool IsFinding(Outcome outcome) {
  return outcome != Outcome::kOk && outcome != Outcome::kScriptError;
}

namespace {

std::string FirstLineWith(const std::string& text, const char* needle) {
  const size_t at = text.find(needle);
  if (at == std::string::npos) {
    return "";
  }
  const size_t begin = text.rfind('\n', at) == std::string::npos ? 0 : text.rfind('\n', at) + 1;
  return text.substr(begin, text.find('\n', at) - begin);
}

// The first stack frame of the report in the product's own code ("in Name file:line").
std::string FirstOwnFrame(const std::string& text) {
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    const size_t in = line.find(" in ");
    if (line.find("    #") != 0 || in == std::string::npos) {
      continue;
    }
    if (line.find("libasan") != std::string::npos || line.find("libubsan") != std::string::npos ||
        line.find("libc.so") != std::string::npos || line.find("libstdc++") != std::string::npos ||
        line.find("__asan") != std::string::npos ||
        line.find("__interceptor") != std::string::npos ||
        line.find("operator new") != std::string::npos ||
        line.find("operator delete") != std::string::npos) {
      continue;
    }
    std::string frame = line.substr(in + 4);
    const size_t paren = frame.find('(');
    return paren == std::string::npos ? frame : frame.substr(0, paren);
  }
  return "";
}

// What kind of report: "heap-use-after-free", "SEGV", "runtime error: ...", "detected memory
// leaks".
std::string ReportKind(const std::string& text) {
  std::string line = FirstLineWith(text, "ERROR: AddressSanitizer: ");
  if (!line.empty()) {
    std::string kind = line.substr(line.find("AddressSanitizer: ") + 18);
    return kind.substr(0, kind.find(' '));
  }
  line = FirstLineWith(text, "ERROR: LeakSanitizer");
  if (!line.empty()) {
    return "leak-sanitizer";
  }
  line = FirstLineWith(text, "runtime error: ");
  if (!line.empty()) {
    std::string kind = line.substr(line.find("runtime error: ") + 15);
    // Keep the words, drop the numbers: one class for every value.
    std::string words;
    for (char c : kind) {
      if ((c >= '0' && c <= '9') || c == '\'' || c == '-') {
        continue;
      }
      words += c;
    }
    return "ub: " + words.substr(0, 60);
  }
  return "";
}

// The host's own message: the failed assertion, main's script error or the leak count. The
// errors of handlers and cell expressions come before it, and the leak count after it.
std::string HostMessage(const std::string& err, int code) {
  constexpr const char* kLeakLine = "zorvi-host: leaked host objects";
  if (code == 3) {
    return FirstLineWith(err, kLeakLine);
  }
  if (code == 1) {
    const std::string assertion = FirstLineWith(err, "assertion failed");
    if (!assertion.empty()) {
      return assertion;
    }
  }
  std::istringstream lines(err);
  std::string message;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(kLeakLine, 0) != 0) {
      message = line;
    }
  }
  return message;
}

} // namespace

RunResult RunDatabase(const HostCommand& command, const std::string& folder) {
  RunResult result;
  const std::string errPath = folder + "/stderr.txt";
  const auto start = std::chrono::steady_clock::now();
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    if (chdir(folder.c_str()) != 0) {
      _exit(127);
    }
    const int null = open("/dev/null", O_RDWR);
    const int err = open("stderr.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(null, 0);
    dup2(null, 1);
    dup2(err, 2);
    // The generated handlers and cell expressions fail on purpose; only main's own errors
    // (the generator's faults) end the run with status 2.
    execl(command.host.c_str(), command.host.c_str(), "--plugin", command.plugin.c_str(),
          "--keep-going", ".", static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  bool hung = false;
  for (;;) {
    const pid_t done = waitpid(pid, &status, WNOHANG);
    if (done == pid) {
      break;
    }
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (elapsed > command.timeoutSeconds) {
      hung = true;
      kill(-pid, SIGKILL);
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
      break;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(elapsed < 1 ? 5 : 50));
  }
  result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  {
    std::ifstream in(errPath, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    result.stderrText = text.str();
  }
  const std::string& err = result.stderrText;
  const std::string report = ReportKind(err);
  if (hung) {
    result.outcome = Outcome::kHang;
    result.detail = "past " + std::to_string(static_cast<int>(command.timeoutSeconds)) + " s";
  } else if (!report.empty()) {
    result.outcome = Outcome::kSanitizer;
    result.detail = report;
  } else if (WIFSIGNALED(status)) {
    result.outcome = Outcome::kCrash;
    result.detail = strsignal(WTERMSIG(status));
  } else {
    const int code = WEXITSTATUS(status);
    result.outcome = code == 0   ? Outcome::kOk
                     : code == 1 ? Outcome::kAssertion
                     : code == 2 ? Outcome::kScriptError
                     : code == 3 ? Outcome::kLeak
                                 : Outcome::kOther;
    result.detail = "exit " + std::to_string(code);
    if (code == 1 || code == 2 || code == 3) {
      result.detail = HostMessage(err, code);
    }
  }
  result.signature = OutcomeName(result.outcome);
  if (result.outcome == Outcome::kSanitizer) {
    result.signature += " " + report + " in " + FirstOwnFrame(err);
  } else if (result.outcome == Outcome::kAssertion) {
    // The assertion's own message, without the file and line that shrinking changes.
    const size_t colon = result.detail.find(": ");
    result.signature +=
        " " + (colon == std::string::npos ? result.detail : result.detail.substr(colon + 2));
  } else if (result.outcome == Outcome::kCrash || result.outcome == Outcome::kOther) {
    result.signature += " " + result.detail;
  }
  return result;
}

} // namespace fuzz
