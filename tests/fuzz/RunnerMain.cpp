// zorvi-fuzz: runs zorvi-host on generated databases, one per seed, classifies each outcome,
// keeps every failing database and shrinks the first of each fault class to a short repro.
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

#include "Database.h"
#include "Generator.h"
#include "Outcome.h"
#include "Shrink.h"

namespace {

namespace fs = std::filesystem;

struct Options {
  uint64_t start = 1;
  uint64_t seeds = 20;
  unsigned shapes = 0;
  fuzz::HostCommand host{ZORVI_FUZZ_HOST, ZORVI_FUZZ_PLUGIN, 20};
  std::string out = "fuzz-findings";
  double budgetSeconds = 0; // 0: no bound
  bool shrink = true;
  std::string reduce; // a database folder to shrink instead of generating
  bool verbose = false;
  fuzz::ShrinkLimits limits;
};

void Usage() {
  std::fputs(
      "usage: zorvi-fuzz [--start SEED] [--seeds N] [--shapes LIST|all] [--timeout SECONDS]\n"
      "                  [--budget SECONDS] [--out DIR] [--no-shrink] [--verbose]\n"
      "                  [--shrink-runs N] [--shrink-seconds SECONDS]\n"
      "                  [--host PATH] [--plugin PATH]\n"
      "       zorvi-fuzz --reduce DATABASE_DIR [--timeout SECONDS] [--out DIR] [--shrink-...]\n"
      "Exit 0 when no program failed, 1 when some did, 64 on a usage error.\nShapes:\n",
      stderr);
  size_t count = 0;
  const fuzz::ShapeInfo* shapes = fuzz::Shapes(&count);
  for (size_t i = 0; i < count; ++i) {
    std::fprintf(stderr, "  %-18s %s\n", shapes[i].name, shapes[i].what);
  }
}

bool ParseOptions(int argc, char** argv, Options* o) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--start" && hasValue) {
      o->start = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--seeds" && hasValue) {
      o->seeds = std::strtoull(argv[++i], nullptr, 10);
    } else if (arg == "--shapes" && hasValue) {
      std::string error;
      if (!fuzz::ParseShapes(argv[++i], &o->shapes, &error)) {
        std::fprintf(stderr, "zorvi-fuzz: %s\n", error.c_str());
        return false;
      }
    } else if (arg == "--timeout" && hasValue) {
      o->host.timeoutSeconds = std::strtod(argv[++i], nullptr);
    } else if (arg == "--budget" && hasValue) {
      o->budgetSeconds = std::strtod(argv[++i], nullptr);
    } else if (arg == "--out" && hasValue) {
      o->out = argv[++i];
    } else if (arg == "--host" && hasValue) {
      o->host.host = argv[++i];
    } else if (arg == "--plugin" && hasValue) {
      o->host.plugin = argv[++i];
    } else if (arg == "--reduce" && hasValue) {
      o->reduce = argv[++i];
    } else if (arg == "--shrink-runs" && hasValue) {
      o->limits.maxRuns = std::atoi(argv[++i]);
    } else if (arg == "--shrink-seconds" && hasValue) {
      o->limits.maxSeconds = std::strtod(argv[++i], nullptr);
    } else if (arg == "--no-shrink") {
      o->shrink = false;
    } else if (arg == "--verbose") {
      o->verbose = true;
    } else {
      return false;
    }
  }
  return true;
}

// The same fault: the same outcome and, for reports and assertions, the same kind of report.
bool SameFault(const fuzz::RunResult& a, const fuzz::RunResult& b) {
  if (a.outcome != b.outcome) {
    return false;
  }
  if (a.outcome == fuzz::Outcome::kSanitizer || a.outcome == fuzz::Outcome::kCrash ||
      a.outcome == fuzz::Outcome::kOther) {
    return a.detail == b.detail;
  }
  return a.outcome != fuzz::Outcome::kAssertion || a.signature == b.signature;
}

void Save(const fuzz::Database& database, const fuzz::RunResult& result, const fs::path& folder) {
  fuzz::WriteDatabase(database, folder.string());
  std::ofstream(folder / "outcome.txt") << result.signature << "\n" << result.detail << "\n";
  std::ofstream(folder / "stderr.txt") << result.stderrText;
}

fuzz::Database ShrinkFailing(const Options& o, const fuzz::Database& database,
                             const fuzz::RunResult& failing, const fs::path& scratch,
                             fuzz::RunResult* last) {
  int runs = 0;
  const auto start = std::chrono::steady_clock::now();
  *last = failing;
  auto stillFails = [&](const fuzz::Database& candidate) {
    fuzz::WriteDatabase(candidate, scratch.string());
    const fuzz::RunResult result = fuzz::RunDatabase(o.host, scratch.string());
    if (!SameFault(result, failing)) {
      return false;
    }
    *last = result;
    return true;
  };
  const fuzz::Database best = fuzz::Shrink(database, stillFails, o.limits, &runs);
  size_t lines = 0;
  for (const auto& method : best.methods) {
    lines += method.second.size();
  }
  std::printf("  shrunk to %zu lines in %zu methods (%d runs, %.0f s)\n", lines,
              best.methods.size(), runs,
              std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  return best;
}

int Reduce(const Options& o, const fs::path& scratch) {
  fuzz::Database database;
  if (!fuzz::ReadDatabase(o.reduce, &database)) {
    std::fprintf(stderr, "zorvi-fuzz: no Methods/main.4dm in %s\n", o.reduce.c_str());
    return 64;
  }
  fuzz::WriteDatabase(database, scratch.string());
  const fuzz::RunResult result = fuzz::RunDatabase(o.host, scratch.string());
  std::printf("%s: %s\n", fuzz::OutcomeName(result.outcome), result.detail.c_str());
  if (!fuzz::IsFinding(result.outcome)) {
    return 0;
  }
  fuzz::RunResult last;
  const fuzz::Database best = ShrinkFailing(o, database, result, scratch, &last);
  Save(best, last, fs::path(o.out) / "reduced");
  std::printf("  in %s\n", (fs::path(o.out) / "reduced").c_str());
  return 1;
}

} // namespace

int main(int argc, char** argv) {
  Options o;
  if (argc == 2 && std::string(argv[1]) == "--help") {
    Usage();
    return 0;
  }
  if (!ParseOptions(argc, argv, &o)) {
    Usage();
    return 64;
  }
  // Sanitizer builds: reports on standard error, leaks checked, null for impossible sizes.
  setenv("ASAN_OPTIONS", "detect_leaks=1:allocator_may_return_null=1", 0);
  setenv("UBSAN_OPTIONS", "print_stacktrace=1:halt_on_error=1", 0);
  setenv("LSAN_OPTIONS", "suppressions=" ZORVI_FUZZ_SOURCE_DIR "/.ci/lsan.supp", 0);

  // The host runs in each database's folder: relative paths would no longer name anything.
  o.host.host = fs::absolute(o.host.host).string();
  o.host.plugin = fs::absolute(o.host.plugin).string();
  if (access(o.host.host.c_str(), X_OK) != 0 || access(o.host.plugin.c_str(), R_OK) != 0) {
    std::fprintf(stderr, "zorvi-fuzz: no host %s or plug-in %s\n", o.host.host.c_str(),
                 o.host.plugin.c_str());
    return 64;
  }

  char scratchName[] = "/tmp/zorvi-fuzz-XXXXXX";
  if (mkdtemp(scratchName) == nullptr) {
    std::perror("zorvi-fuzz: mkdtemp");
    return 64;
  }
  const fs::path scratch = scratchName;
  std::error_code ignored;
  fs::create_directories(o.out, ignored);
  if (!o.reduce.empty()) {
    const int status = Reduce(o, scratch);
    fs::remove_all(scratch, ignored);
    return status;
  }

  const auto start = std::chrono::steady_clock::now();
  std::map<fuzz::Outcome, int> counts;
  std::map<std::string, int> scriptErrors;
  std::map<std::string, uint64_t> classes; // signature -> first seed
  uint64_t ran = 0;
  double slowest = 0;
  for (uint64_t seed = o.start; seed < o.start + o.seeds; ++seed) {
    const double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (o.budgetSeconds > 0 && elapsed > o.budgetSeconds) {
      std::printf("time budget spent after %llu programs\n", static_cast<unsigned long long>(ran));
      break;
    }
    const fuzz::Database database = fuzz::Generate(seed, o.shapes);
    const fs::path folder = scratch / "run";
    fuzz::WriteDatabase(database, folder.string());
    const fuzz::RunResult result = fuzz::RunDatabase(o.host, folder.string());
    ++ran;
    ++counts[result.outcome];
    slowest = std::max(slowest, result.seconds);
    if (o.verbose) {
      std::printf("seed %llu: %s (%.1f s)\n", static_cast<unsigned long long>(seed),
                  result.signature.c_str(), result.seconds);
      std::fflush(stdout);
    }
    if (result.outcome == fuzz::Outcome::kScriptError) {
      const size_t colon = result.detail.find(": ");
      ++scriptErrors[colon == std::string::npos ? result.detail : result.detail.substr(colon + 2)];
    }
    if (!fuzz::IsFinding(result.outcome)) {
      continue;
    }
    const std::string name =
        "seed-" + std::to_string(seed) + "-" + fuzz::OutcomeName(result.outcome);
    Save(database, result, fs::path(o.out) / name);
    std::printf("seed %llu: %s (%s)\n", static_cast<unsigned long long>(seed),
                result.signature.c_str(), result.detail.c_str());
    std::fflush(stdout);
    if (classes.count(result.signature) == 0) {
      classes[result.signature] = seed;
      if (o.shrink) {
        fuzz::RunResult last;
        const fuzz::Database best = ShrinkFailing(o, database, result, scratch / "shrink", &last);
        Save(best, last, fs::path(o.out) / (name + "-shrunk"));
      }
    }
  }
  fs::remove_all(scratch, ignored);

  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%llu programs from seed %llu in %.0f s (slowest %.1f s):",
              static_cast<unsigned long long>(ran), static_cast<unsigned long long>(o.start),
              seconds, slowest);
  for (const auto& [outcome, count] : counts) {
    std::printf(" %s %d", fuzz::OutcomeName(outcome), count);
  }
  std::printf("\n");
  for (const auto& [message, count] : scriptErrors) {
    std::printf("  script error x%d: %s\n", count, message.c_str());
  }
  for (const auto& [signature, seed] : classes) {
    std::printf("  fault class (first seed %llu): %s\n", static_cast<unsigned long long>(seed),
                signature.c_str());
  }
  if (!classes.empty()) {
    std::printf("failing programs are in %s\n", o.out.c_str());
  }
  return classes.empty() ? 0 : 1;
}
