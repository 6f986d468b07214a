// zorvi-host: loads the plug-in, initialises it, runs a database's method main (or one method
// file) with the command-line arguments as text parameters, deinitialises the plug-in and
// reports host objects it leaked. Windows still open at the end are closed first. With --window
// the windows are shown on the desktop and a person drives them: once main has returned, the
// event loop runs until the last window is closed.
//
// Exit status: 0 success, 1 an ASSERT failed, 2 a script error (in main, or in code run for the
// plug-in or the form unless --keep-going), 3 host objects leaked, 4 the host could not start
// (usage, plug-in, manifest or database).
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "Console.h"
#include "LiveWindows.h"
#include "PluginLibrary.h"
#include "zvhost/Host.h"

namespace {

enum ExitStatus { kOk = 0, kAssertion = 1, kScriptError = 2, kLeak = 3, kCannotStart = 4 };

struct Options {
  std::string plugin;
  std::string target;
  std::vector<std::string> args;
  uint32_t hostVersion = 0x1400;
  zvhost::ProgramMode mode = zvhost::ProgramMode::SingleUser;
  bool live = false;
  bool keepGoing = false; // errors in code run for the plug-in or the form leave the status 0
};

void Usage() {
  std::fputs("usage: zorvi-host [--plugin PATH] [--host-version HEX] [--client] [--window] "
             "[--keep-going] DATABASE_DIR_OR_METHOD_FILE [ARG...]\n",
             stderr);
}

bool ParseOptions(int argc, char** argv, Options* options) {
  const char* fromEnvironment = std::getenv("ZORVI_PLUGIN");
  options->plugin = fromEnvironment != nullptr ? fromEnvironment : ZORVI_DEFAULT_PLUGIN;
  int i = 1;
  for (; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--plugin" && i + 1 < argc) {
      options->plugin = argv[++i];
    } else if (arg == "--host-version" && i + 1 < argc) {
      options->hostVersion = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 16));
    } else if (arg == "--client") {
      options->mode = zvhost::ProgramMode::Client;
    } else if (arg == "--window") {
      options->live = true;
    } else if (arg == "--keep-going") {
      options->keepGoing = true;
    } else if (arg.rfind("--", 0) == 0) {
      return false;
    } else {
      break;
    }
  }
  if (i >= argc) {
    return false;
  }
  options->target = argv[i++];
  options->args.assign(argv + i, argv + argc);
  return true;
}

// Defines the methods to run and answers the name of the one to start with.
bool LoadTarget(const std::string& target, std::string* method, std::string* message) {
  namespace fs = std::filesystem;
  std::error_code error;
  if (fs::is_directory(target, error)) {
    *method = "main";
    return zvhost::LoadDatabase(target, message) == 0;
  }
  std::ifstream file(target, std::ios::binary);
  if (!file) {
    *message = "cannot read " + target;
    return false;
  }
  std::ostringstream source;
  source << file.rdbuf();
  *method = fs::path(target).stem().string();
  // A lone method file's database folder is the folder it lies in.
  zvhost::SetDatabaseFolder(fs::path(target).parent_path().empty()
                                ? std::string(".")
                                : fs::path(target).parent_path().string());
  return zvhost::DefineMethod(*method, source.str(), target, message) == 0;
}

void InitPlugin(FourDPackexProc entry, uint32_t hostVersion) {
  FDPackInitBlock init{};
  init.fHostVersion = hostVersion;
  init.fCallBack = zvhost::CallBackEntry();
  int32_t result = 0;
  entry(kFDInitPlugin, &init, nullptr, &result);
}

int Run(const Options& options) {
  // The emulator shows windows on the display for as long as the run lasts.
  LiveWindows display;
  std::string message;
  if (options.live && !display.Open(&message)) {
    std::fprintf(stderr, "zorvi-host: %s\n", message.c_str());
    return kCannotStart;
  }
  zvhost::ResetHost(options.mode, options.hostVersion);
  PluginLibrary library;
  if (!library.Open(options.plugin, &message) ||
      zvhost::LoadCommandManifest(library.ManifestPath(), &message) != 0) {
    std::fprintf(stderr, "zorvi-host: %s\n", message.c_str());
    return kCannotStart;
  }
  std::string method;
  if (!LoadTarget(options.target, &method, &message)) {
    std::fprintf(stderr, "zorvi-host: %s\n", message.c_str());
    return kCannotStart;
  }
  zvhost::SetPluginEntry(library.Entry());
  InitPlugin(library.Entry(), options.hostVersion);
  if (options.mode == zvhost::ProgramMode::Client) {
    zvhost::ConnectLoopbackClient();
  }

  int error = zvhost::RunMethod(method, options.args, &message);
  if (error == 0 && display.IsOpen()) {
    error = display.Run(&message);
  }
  int status = kOk;
  // What the methods' errors held back comes before the run's own failure.
  zvhost::SumUpMethodErrors();
  if (error != 0) {
    std::fprintf(stderr, "%s\n", message.c_str());
    status = error == zvhost::kHostAssertionFailed ? kAssertion : kScriptError;
  }

  // The run's windows close before the plug-in goes, so its areas are deinitialised first.
  zvhost::CloseAllWindows();
  const int methodErrors = zvhost::SumUpMethodErrors();
  if (status == kOk && methodErrors > 0 && !options.keepGoing) {
    std::fprintf(stderr,
                 "zorvi-host: %d error%s in methods run for the plug-in or the form "
                 "(--keep-going ignores them)\n",
                 methodErrors, methodErrors == 1 ? "" : "s");
    status = kScriptError;
  }
  zvhost::DisconnectLoopbackClient();
  int32_t result = 0;
  library.Entry()(kFDDeinitPlugin, nullptr, nullptr, &result);
  zvhost::SetPluginEntry(nullptr);
  library.Close();
  zvhost::ClearHostState();
  const zvhost::LiveObjects live = zvhost::CountLiveObjects();
  if (live.Total() > 0) {
    std::fprintf(stderr,
                 "zorvi-host: leaked host objects: %d text blocks, %d pictures, %d handles, %d "
                 "native images, %d window surfaces\n",
                 live.textBlocks, live.pictures, live.handles, live.nativeImages, live.surfaces);
    status = status == kOk ? kLeak : status;
  }
  return status;
}

} // namespace

int main(int argc, char** argv) {
  PrepareConsole();
  Options options;
  if (!ParseOptions(argc, argv, &options)) {
    Usage();
    return kCannotStart;
  }
  std::fflush(stdout);
  const int status = Run(options);
  std::fflush(stdout);
  return status;
}
