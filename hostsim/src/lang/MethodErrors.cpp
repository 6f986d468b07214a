#include "MethodErrors.h"

#include <cstdio>
#include <string>

namespace zvhost::lang {

namespace {

struct ErrorLog {
  int count = 0;
  std::string last;
  int repeats = 0; // of `last`, not yet written
};

ErrorLog& Log() {
  static ErrorLog log;
  return log;
}

} // namespace

void ReportMethodError(const ScriptError& error) {
  ErrorLog& log = Log();
  ++log.count;
  std::string text = error.Text();
  if (log.count > 1 && text == log.last) {
    ++log.repeats;
    return;
  }
  FlushMethodErrors();
  // Standard output may hold LOG lines written before the error; they come first.
  std::fflush(stdout);
  std::fprintf(stderr, "%s\n", text.c_str());
  log.last = std::move(text);
}

void FlushMethodErrors() {
  ErrorLog& log = Log();
  if (log.repeats > 0) {
    std::fprintf(stderr, "(the same error %d more time%s)\n", log.repeats,
                 log.repeats == 1 ? "" : "s");
    log.repeats = 0;
  }
}

int MethodErrorCount() {
  return Log().count;
}

void ResetMethodErrors() {
  Log() = ErrorLog{};
}

} // namespace zvhost::lang
