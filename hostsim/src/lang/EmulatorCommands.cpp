// The emulator's own commands for databases and tests: LOG, ASSERT, ADVANCE TICKS.
#include <cstdio>

#include "../Formatter.h"
#include "../HostState.h"
#include "../Utf.h"
#include "Commands.h"
#include "zvhost/Host.h"

namespace zvhost::lang {

namespace {

Value Log(CommandContext& c) {
  c.ExpectCount(1, SIZE_MAX);
  std::u16string line;
  for (size_t i = 0; i < c.Count(); ++i) {
    if (i > 0) {
      line += u'\t';
    }
    line += PlainText(c.Arg(i));
  }
  const std::string utf8 = Utf16ToUtf8(line);
  if (State().fLogSink) {
    State().fLogSink(utf8);
  } else {
    std::fputs((utf8 + "\n").c_str(), stdout);
    std::fflush(stdout);
  }
  return Value();
}

Value Assert(CommandContext& c) {
  c.ExpectCount(1, 2);
  if (c.BooleanArg(0)) {
    return Value();
  }
  std::string message = "assertion failed";
  if (c.Count() == 2) {
    message += ": " + Utf16ToUtf8(PlainText(c.Arg(1)));
  }
  throw ScriptError{kHostAssertionFailed, c.GetFrame().Label(), c.Line(), message};
}

} // namespace

void RegisterEmulatorCommands() {
  RegisterCommand(u"LOG", Log);
  RegisterCommand(u"ASSERT", Assert);
  RegisterCommand(u"ADVANCE TICKS", [](CommandContext& c) {
    c.ExpectCount(1, 1);
    const int32_t ticks = c.LongArg(0);
    if (ticks < 0) {
      c.Fail("the clock does not go back");
    }
    State().fTicks += static_cast<uint32_t>(ticks);
    return Value();
  });
}

} // namespace zvhost::lang
