// Environment, processes, command names and the record operations of a host without tables.
#include "Callback.h"
#include "Forms.h"
#include "HostState.h"
#include "Utf.h"

namespace zvhost::callback {

namespace {

struct CommandName {
  int32_t number;
  const char16_t* name;
};

// The declaration commands, the ones plug-ins ask names of.
constexpr CommandName kCommandNames[] = {
    {283, u"C_LONGINT"}, {284, u"C_TEXT"},    {285, u"C_REAL"},
    {286, u"C_PICTURE"}, {301, u"C_POINTER"}, {305, u"C_BOOLEAN"},
    {306, u"C_TIME"},    {307, u"C_DATE"},    {604, u"C_BLOB"},
};

} // namespace

void GetResourceID(FDEngineBlock& b) {
  b.fParam1 = kPluginResourceID;
}

void GetProgramFlags(FDEngineBlock& b) {
  switch (State().fMode) {
  case ProgramMode::Client:
    b.fParam1 = kFDProgramClient;
    break;
  case ProgramMode::Server:
    b.fParam1 = kFDProgramServer;
    break;
  case ProgramMode::SingleUser:
    b.fParam1 = 0;
    break;
  }
}

void CurrentProcessNumber(FDEngineBlock& b) {
  b.fParam1 = State().fCurrentProcess;
}

void GetWindowProcess(FDEngineBlock& b) {
  const Window* window = Windows().FromPointer(b.fPtr1);
  b.fParam1 = window != nullptr ? window->process : 0;
}

void GetCommandName(FDEngineBlock& b) {
  b.fUString[0] = 0;
  for (const CommandName& command : kCommandNames) {
    if (command.number == b.fParam1) {
      CopyTerminated(command.name, b.fUString, kFDMaxStringUnits);
      return;
    }
  }
  b.fError = kFDErrNotFound;
}

void RecordNumber(FDEngineBlock& b) {
  b.fParam1 = -1;
}

void GetFileName(FDEngineBlock& b) {
  b.fUString[0] = 0;
  b.fError = kFDErrNotAvailable;
}

void GetFieldType(FDEngineBlock& b) {
  b.fParam1 = 0;
  b.fError = kFDErrNotAvailable;
}

void Yield(FDEngineBlock&) {}

} // namespace zvhost::callback
