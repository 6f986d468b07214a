// The driver API of Host.h: state, runs, methods, processes, the plug-in and its commands.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <new>
#include <sstream>

#include "AreaEvents.h"
#include "Forms.h"
#include "HostState.h"
#include "ObjectStore.h"
#include "SizedImages.h"
#include "Utf.h"
#include "WindowSystem.h"
#include "lang/Abort.h"
#include "lang/Interpreter.h"
#include "lang/MethodErrors.h"
#include "lang/Methods.h"
#include "lang/Parser.h"
#include "lang/PluginCommands.h"
#include "live/LiveLoop.h"
#include "zvhost/Host.h"
#include "zvhost/LiveDisplay.h"

namespace zvhost {

namespace {

template <typename Body>
int Guarded(std::string* message, Body&& body) {
  if (message != nullptr) {
    message->clear();
  }
  try {
    // A failure left over from code run outside any run belongs to this one.
    lang::ThrowIfAborted();
    body();
    lang::ThrowIfAborted();
    return kFDErrNone;
  } catch (const lang::ScriptError& error) {
    if (message != nullptr) {
      *message = error.Text();
    }
    return error.code;
  } catch (const std::bad_alloc&) {
    if (message != nullptr) {
      *message = "out of memory";
    }
    return kFDErrNoMemory;
  } catch (const std::exception& error) {
    if (message != nullptr) {
      *message = error.what();
    }
    return kFDErrRuntime;
  } catch (...) {
    if (message != nullptr) {
      *message = "unexpected failure";
    }
    return kFDErrRuntime;
  }
}

bool ReadFile(const std::filesystem::path& path, std::string* contents) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    return false;
  }
  std::ostringstream buffer;
  buffer << file.rdbuf();
  *contents = buffer.str();
  // A byte order mark is not part of the method.
  if (contents->rfind("\xEF\xBB\xBF", 0) == 0) {
    contents->erase(0, 3);
  }
  return true;
}

void Notify(int32_t selector, int32_t process) {
  if (State().fPlugin != nullptr) {
    State().fPlugin(selector, reinterpret_cast<void*>(static_cast<intptr_t>(process)), nullptr,
                    nullptr);
  }
}

} // namespace

void ClearHostState() {
  HostState& state = State();
  state.fProcesses.clear();
  state.fInterprocess.Clear();
  state.fCurrentProcess = 1;
  state.fNextProcess = 2;
  state.fLoopbackConnected = false;
  lang::Methods().Clear();
  Windows().Clear();
  CurrentDelivery() = Delivery{};
  EditMenuItems() = 0;
}

void CloseAllWindows() {
  try {
    CloseEveryWindow();
  } catch (...) {
    // The windows are closed all the same; a failed ASSERT at the end of a run changes nothing.
  }
}

void ResetHost(ProgramMode mode, uint32_t hostVersion) {
  ClearHostState();
  ClearSizedImages();
  Objects().DisposeAll();
  Objects().SetMemoryLimit(size_t{1} << 30);
  lang::ClearPendingAbort();
  lang::ResetMethodErrors();
  HostState& state = State();
  state.fMode = mode;
  state.fVersion = hostVersion;
  state.fTicks = 0;
  std::fill(std::begin(state.fKeys), std::end(state.fKeys), 0);
  state.fMouseX = 0;
  state.fMouseY = 0;
  state.fTimeline.clear();
  state.fTimelineNext = 0;
  state.fPostedKeys.clear();
  state.fLastTip.clear();
  state.fDatabaseFolder.clear();
  state.fPort = nullptr;
  ResetWindowSystem();
}

uint32_t HostVersion() {
  return State().fVersion;
}

void* HostWindow(int32_t windowNumber) {
  const std::shared_ptr<Window> window = Windows().Find(windowNumber);
  return window ? window->HostPointer() : nullptr;
}

LiveObjects CountLiveObjects() {
  LiveObjects live = Objects().Count();
  live.surfaces = Windows().Count();
  return live;
}

void SetHostMemoryLimit(size_t bytes) {
  Objects().SetMemoryLimit(bytes);
}

int RunCode(const std::string& utf8, std::string* message) {
  return Guarded(message, [&] {
    const std::shared_ptr<lang::Program> program = lang::Parse(Utf8ToUtf16(utf8), "");
    lang::Frame frame;
    lang::Execute(*program, frame);
  });
}

int DefineMethod(const std::string& name, const std::string& utf8, const std::string& label,
                 std::string* message) {
  if (message != nullptr) {
    message->clear();
  }
  if (name.empty()) {
    if (message != nullptr) {
      *message = "a method needs a name";
    }
    return kFDErrBadParameter;
  }
  lang::Methods().Define(Utf8ToUtf16(name), Utf8ToUtf16(utf8), label);
  return kFDErrNone;
}

int LoadDatabase(const std::string& folder, std::string* message) {
  namespace fs = std::filesystem;
  const fs::path methods = fs::path(folder) / "Methods";
  std::error_code error;
  std::vector<fs::path> files;
  for (fs::directory_iterator it(methods, error), end; !error && it != end; it.increment(error)) {
    if (it->path().extension() == ".4dm") {
      files.push_back(it->path());
    }
  }
  if (error) {
    if (message != nullptr) {
      *message = "no Methods folder in " + folder;
    }
    return kFDErrNotFound;
  }
  for (const fs::path& file : files) {
    std::string source;
    if (!ReadFile(file, &source)) {
      if (message != nullptr) {
        *message = "cannot read " + file.string();
      }
      return kFDErrNotFound;
    }
    const std::string name = file.stem().string();
    DefineMethod(name, source, "Methods/" + file.filename().string());
  }
  SetDatabaseFolder(folder);
  return kFDErrNone;
}

void SetDatabaseFolder(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code error;
  // Forward slashes on every platform, so that a method joins names to it alike.
  std::string path = fs::weakly_canonical(fs::absolute(folder, error), error).generic_string();
  if (path.empty() || path.back() != '/') {
    path += '/';
  }
  State().fDatabaseFolder = path;
}

int RunMethod(const std::string& name, const std::vector<std::string>& textArgs,
              std::string* message) {
  return Guarded(message, [&] {
    const lang::Frame caller;
    if (lang::Methods().Find(Utf8ToUtf16(name)) == nullptr) {
      throw lang::ScriptError{kFDErrNotFound, "", 0, "no method named " + name};
    }
    std::vector<Value> params;
    for (const std::string& arg : textArgs) {
      params.push_back(Value::Text(Utf8ToUtf16(arg)));
    }
    lang::CallMethod(Utf8ToUtf16(name), std::move(params), 0, caller);
  });
}

int RunLiveWindows(std::string* message) {
  return Guarded(message, [] { live::RunLoop(); });
}

int SumUpMethodErrors() {
  lang::FlushMethodErrors();
  return lang::MethodErrorCount();
}

void SetLogSink(std::function<void(const std::string&)> sink) {
  State().fLogSink = std::move(sink);
}

void SetKeyDown(int keyCode, bool down) {
  if (keyCode < 0 || keyCode >= static_cast<int>(sizeof(KeyMap) * 8)) {
    return;
  }
  unsigned char& byte = State().fKeys[keyCode / 8];
  const auto bit = static_cast<unsigned char>(1u << (keyCode % 8));
  byte = down ? static_cast<unsigned char>(byte | bit) : static_cast<unsigned char>(byte & ~bit);
}

void AdvanceTicks(uint32_t ticks) {
  State().fTicks += ticks;
}

int32_t StartProcess() {
  HostState& state = State();
  const int32_t number = state.fNextProcess++;
  state.fProcesses[number] = std::make_unique<Process>(number);
  Notify(kFDProcessStart, number);
  return number;
}

void EndProcess(int32_t number) {
  HostState& state = State();
  if (FindProcess(number) == nullptr) {
    return;
  }
  // A process's windows go with it, before the plug-in hears that it ended.
  for (const auto& window : Windows().All()) {
    if (window->process == number) {
      try {
        CloseWindow(window);
      } catch (...) {
        // Closed all the same; the process is ending whatever its areas answer.
      }
    }
  }
  Notify(kFDProcessEnd, number);
  state.fProcesses.erase(number);
  if (state.fCurrentProcess == number) {
    state.fCurrentProcess = 1;
  }
}

bool SetCurrentProcess(int32_t number) {
  if (number != 1 && FindProcess(number) == nullptr) {
    return false;
  }
  State().fCurrentProcess = number;
  return true;
}

void SetPluginEntry(FourDPackexProc entry) {
  State().fPlugin = entry;
  State().fLoopbackConnected = false;
}

void RegisterPluginCommand(const PluginCommand& command) {
  lang::AddPluginCommand(command);
}

int LoadCommandManifest(const std::string& path, std::string* message) {
  std::string contents;
  if (!ReadFile(path, &contents)) {
    if (message != nullptr) {
      *message = "cannot read " + path;
    }
    return kFDErrNotFound;
  }
  std::istringstream lines(contents);
  std::string line;
  int number = 0;
  std::vector<PluginCommand> commands;
  while (std::getline(lines, line)) {
    ++number;
    if (line.find_first_not_of(" \t\r") == std::string::npos) {
      continue;
    }
    std::istringstream fields(line);
    PluginCommand command;
    std::string flags;
    std::string result;
    std::string params;
    fields >> command.selector >> command.name >> flags >> result >> params;
    std::string extra;
    bool ok = !fields.fail() && !(fields >> extra) && flags.size() == 8 && result.size() == 2 &&
              command.selector > 0;
    try {
      if (ok) {
        command.flags = static_cast<uint32_t>(std::stoul(flags, nullptr, 16));
        command.resultType = static_cast<uint8_t>(std::stoul(result, nullptr, 16));
        if (params != "-") {
          std::istringstream codes(params);
          for (std::string code; std::getline(codes, code, ',');) {
            ok = ok && code.size() == 2;
            command.paramTypes.push_back(static_cast<uint8_t>(std::stoul(code, nullptr, 16)));
          }
        }
      }
    } catch (const std::exception&) {
      ok = false;
    }
    if (!ok) {
      if (message != nullptr) {
        *message = path + ":" + std::to_string(number) + ": malformed command line";
      }
      return kFDErrBadParameter;
    }
    commands.push_back(std::move(command));
  }
  for (const PluginCommand& command : commands) {
    RegisterPluginCommand(command);
  }
  return kFDErrNone;
}

} // namespace zvhost
