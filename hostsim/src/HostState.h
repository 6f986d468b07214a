// The emulated host's state: program mode, processes and their variables, the interprocess
// scope, the tick clock and the keyboard, and the plug-in loaded into it.
#pragma once

#include <stdint.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Variables.h"
#include "zvhost/Host.h"
#ifdef _WIN32
#include <windef.h> // POINT
#endif

namespace zvhost {

struct HostState {
  ProgramMode fMode = ProgramMode::SingleUser;
  uint32_t fVersion = 0x1400;

  // Processes
  std::map<int32_t, std::unique_ptr<Process>> fProcesses;
  int32_t fCurrentProcess = 1;
  int32_t fNextProcess = 2;
  VariableTable fInterprocess;

  // Clock, keyboard and mouse
  uint32_t fTicks = 0;
  KeyMap fKeys{};
  int32_t fMouseX = 0; // screen coordinates
  int32_t fMouseY = 0;

  // A press being played: the points the pointer takes at the button's next polls, screen
  // coordinates; the button is down while some are left.
  std::vector<POINT> fTimeline;
  size_t fTimelineNext = 0;

  // Key events queued for GetNextEvent, in the order they fall due
  struct PostedKey {
    uint32_t due = 0; // tick count
    intptr_t message = 0;
    bool live = false; // typed by a person during a press; dropped when the press ends
  };
  std::vector<PostedKey> fPostedKeys;

  // The text of the last tip the plug-in asked for, until Last tip reads it
  std::u16string fLastTip;
  uint32_t fTipRequests = 0; // counts the plug-in's requests, so a caller sees one was made

  // The folder of the database being run, absolute and ending with "/"; empty when none
  std::string fDatabaseFolder;

  // The port last set outside any event
  void* fPort = nullptr;

  // Where LOG writes; stdout when unset
  std::function<void(const std::string&)> fLogSink;

  // The plug-in, and the loopback client of the server channel
  FourDPackexProc fPlugin = nullptr;
  bool fLoopbackConnected = false;
};

HostState& State();
Process& CurrentProcess();
Process* FindProcess(int32_t number);
// Looks a variable up: "<>name" in the interprocess scope, otherwise the current process.
Variable* FindVariable(std::u16string_view name, bool interprocess);
Variable& EnsureVariable(std::u16string_view name, bool interprocess);

} // namespace zvhost
