// Running zorvi-host on one database with a time bound, and what came of it.
#pragma once

#include <string>

namespace fuzz {

enum class Outcome {
  kOk,          // exit 0
  kAssertion,   // exit 1: an ASSERT of the program failed
  kScriptError, // exit 2: the program is not valid host language (a generator fault)
  kLeak,        // exit 3: host objects alive after deinitialisation
  kSanitizer,   // a sanitizer report on standard error
  kCrash,       // killed by a signal
  kHang,        // still running at the time bound
  kOther,       // any other exit status
};

const char* OutcomeName(Outcome outcome);

// A finding when the outcome is a fault of the product rather than of the program.
bool IsFinding(Outcome outcome);

struct RunResult {
  Outcome outcome = Outcome::kOk;
  std::string detail;    // signal, exit status or the first line of the report
  std::string signature; // the outcome and where it happened: equal for one fault class
  std::string stderrText;
  double seconds = 0;
};

struct HostCommand {
  std::string host;
  std::string plugin;
  double timeoutSeconds = 20;
};

// Runs the database in `folder` (as the current directory) and classifies the outcome.
RunResult RunDatabase(const HostCommand& command, const std::string& folder);

} // namespace fuzz
