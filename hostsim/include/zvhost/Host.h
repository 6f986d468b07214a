// The emulated host as programs and tests drive it: its callback entry, its state, the host
// language, and the counts of live host objects.
#pragma once

#include <stdint.h>

#include <functional>
#include <string>
#include <vector>

#include "sdk/HostPlatform.h"

namespace zvhost {

enum class ProgramMode { SingleUser, Client, Server };

struct LiveObjects {
  int textBlocks = 0;
  int pictures = 0;
  int handles = 0; // memory handles, token handles included
  int nativeImages = 0;
  int surfaces = 0; // windows' pixel surfaces
  int Total() const { return textBlocks + pictures + handles + nativeImages + surfaces; }
};

// The resource id the host hands the plug-in (selector -23).
constexpr int32_t kPluginResourceID = 15000;
// RunCode's answer when an ASSERT failed.
constexpr int kHostAssertionFailed = -10520;

// The callback entry the host hands a plug-in in FDPackInitBlock::fCallBack.
ZVHOST_API FDCallBack CallBackEntry();

// Drops every variable, process, method and host object and starts afresh. The plug-in entry
// and its registered commands stay.
ZVHOST_API void ResetHost(ProgramMode mode = ProgramMode::SingleUser,
                          uint32_t hostVersion = 0x1400);
ZVHOST_API uint32_t HostVersion();
ZVHOST_API LiveObjects CountLiveObjects();
// Releases what the host itself holds (variables, processes, methods) and leaves the objects
// others hold, so that CountLiveObjects then shows what they leaked.
ZVHOST_API void ClearHostState();
// Closes every window, deinitialising its areas (event 17): the end of a run, before the
// plug-in is deinitialised. ClearHostState and ResetHost drop windows without telling anyone.
ZVHOST_API void CloseAllWindows();
// The host window of an open window (Open window's number): what the window services of the
// callback entry take. On Linux it is also its native handle; on Windows the real window is
// another value (kFDMacWindowToHWND). Null for no such window.
ZVHOST_API void* HostWindow(int32_t windowNumber);
// Allocations of memory handles beyond this many live bytes fail with -108.
ZVHOST_API void SetHostMemoryLimit(size_t bytes);

// Runs host-language statements in the current process. Returns 0, or the host error of a
// syntax or run-time error (kHostAssertionFailed for a failed ASSERT), with a "line: message"
// text in `message`.
ZVHOST_API int RunCode(const std::string& utf8, std::string* message = nullptr);

// Database methods. `label` names the method's file in messages ("file:line: message").
ZVHOST_API int DefineMethod(const std::string& name, const std::string& utf8,
                            const std::string& label = "", std::string* message = nullptr);
// Loads every Methods/NAME.4dm of a database folder; labels are "Methods/NAME.4dm".
ZVHOST_API int LoadDatabase(const std::string& folder, std::string* message = nullptr);
// The folder Get 4D folder(Database folder) answers (LoadDatabase sets it to the database's).
ZVHOST_API void SetDatabaseFolder(const std::string& folder);
// Runs a method with text parameters $1..$n; same answers as RunCode, message
// "label:line: message".
ZVHOST_API int RunMethod(const std::string& name, const std::vector<std::string>& textArgs,
                         std::string* message = nullptr);

// Errors in code the host ran for the plug-in or the form (cell and count expressions, event
// handlers, object methods) do not end the run: each was written to standard error as it
// happened ("label:line: message") and its caller got the host's error. Writes what was held
// back of them (repeats of one error) and answers how many there were since ResetHost.
ZVHOST_API int SumUpMethodErrors();

// Where LOG writes its lines (each without its newline); stdout when unset.
ZVHOST_API void SetLogSink(std::function<void(const std::string&)> sink);

// Keyboard state for GetKeys.
ZVHOST_API void SetKeyDown(int keyCode, bool down);
// The tick clock moves only when told.
ZVHOST_API void AdvanceTicks(uint32_t ticks);

// Processes: the main run is process 1. A new process is announced to the plug-in (-3), and
// its end too (-4).
ZVHOST_API int32_t StartProcess();
ZVHOST_API void EndProcess(int32_t number);
ZVHOST_API bool SetCurrentProcess(int32_t number);

// The plug-in: its entry receives the server-side selectors of the loopback channel, and its
// commands become callable by name.
ZVHOST_API void SetPluginEntry(FourDPackexProc entry);
// Connects the loopback client (-201 with its cookie); answers the plug-in's reply (1 accepts).
ZVHOST_API int32_t ConnectLoopbackClient();
ZVHOST_API void DisconnectLoopbackClient(); // -202
constexpr int32_t kLoopbackCookie = 0x5A56; // the loopback client's cookie

struct PluginCommand {
  int32_t selector = 0;
  std::string name;
  uint32_t flags = 0; // 0x80000000: the area command, not callable by name
  uint8_t resultType = 0;
  std::vector<uint8_t> paramTypes;
};
ZVHOST_API void RegisterPluginCommand(const PluginCommand& command);
// Reads a command manifest: one line per command, "<selector> <name> <flags 8 hex> <result
// type 2 hex> <param codes 2 hex each, comma-separated, or ->". Registers every command.
ZVHOST_API int LoadCommandManifest(const std::string& path, std::string* message = nullptr);

} // namespace zvhost
