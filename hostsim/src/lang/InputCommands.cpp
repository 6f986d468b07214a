// What a person does with the mouse and keyboard, for databases and tests: MOUSE CLICK,
// MOUSE DRAG, MOUSE WHEEL, MOUSE MOVE, HOST DRAG, POST KEY, KEY DOWN and SELECT ALL; Form event
// code for object methods, and Last tip.
#include <utility>

#include "../AreaEvents.h"
#include "../HostDrag.h"
#include "../HostState.h"
#include "../MouseInput.h"
#include "../WindowSystem.h"
#include "Commands.h"
#include "FormArgs.h"

namespace zvhost::lang {

namespace {

// A count of polls or ticks from parameter i, `fallback` when it is not given.
int32_t CountArg(CommandContext& c, size_t i, int32_t fallback, int32_t minimum) {
  if (c.Count() <= i) {
    return fallback;
  }
  const int32_t value = c.LongArg(i);
  if (value < minimum || value > 100000) {
    c.Fail("parameter " + std::to_string(i + 1) + " is outside " + std::to_string(minimum) +
           " to 100000");
  }
  return value;
}

Value MouseClick(CommandContext& c) {
  c.ExpectCount(3, 5);
  const std::shared_ptr<Window> window = WindowArg(c, 0);
  const int16_t x = ShortArg(c, 1);
  const int16_t y = ShortArg(c, 2);
  const uint16_t modifiers = c.Count() > 3 ? WordArg(c, 3) : 0;
  if (c.Count() > 4) {
    const int32_t ticks = c.LongArg(4);
    if (ticks < 0) {
      c.Fail("the clock does not go back");
    }
    State().fTicks += static_cast<uint32_t>(ticks);
  }
  ClickAt(window, x, y, modifiers);
  return Value();
}

// MOUSE DRAG($w; x; y; toX; toY{; modifiers{; steps{; holdTicks}}})
Value MouseDrag(CommandContext& c) {
  c.ExpectCount(5, 8);
  const std::shared_ptr<Window> window = WindowArg(c, 0);
  const int16_t x = ShortArg(c, 1);
  const int16_t y = ShortArg(c, 2);
  const int16_t toX = ShortArg(c, 3);
  const int16_t toY = ShortArg(c, 4);
  const uint16_t modifiers = c.Count() > 5 ? WordArg(c, 5) : 0;
  const int32_t steps = CountArg(c, 6, 10, 1);
  const int32_t holdTicks = CountArg(c, 7, 0, 0);
  DragAt(window, x, y, toX, toY, modifiers, steps, holdTicks);
  return Value();
}

Value MouseWheel(CommandContext& c) {
  c.ExpectCount(4, 5);
  const std::shared_ptr<Window> window = WindowArg(c, 0);
  const int16_t x = ShortArg(c, 1);
  const int16_t y = ShortArg(c, 2);
  const int16_t delta = ShortArg(c, 3);
  const uint16_t modifiers = c.Count() > 4 ? WordArg(c, 4) : 0;
  WheelAt(window, x, y, delta, modifiers);
  return Value();
}

// HOST DRAG($w; x; y; toX; toY{; steps{; holdTicks}})
Value HostDrag(CommandContext& c) {
  c.ExpectCount(5, 7);
  const std::shared_ptr<Window> window = WindowArg(c, 0);
  const int16_t x = ShortArg(c, 1);
  const int16_t y = ShortArg(c, 2);
  const int16_t toX = ShortArg(c, 3);
  const int16_t toY = ShortArg(c, 4);
  const int32_t steps = CountArg(c, 5, 10, 1);
  const int32_t holdTicks = CountArg(c, 6, 0, 0);
  const POINT from{window->frame.left + x, window->frame.top + y};
  const POINT to{window->frame.left + toX, window->frame.top + toY};
  // The object dragged is the area under the press, or a form object of a pixel there.
  Rect dragged{y, x, static_cast<int16_t>(y + 1), static_cast<int16_t>(x + 1)};
  if (const std::shared_ptr<PluginArea> source = AreaAt(*window, x, y)) {
    dragged = source->rect;
  }
  MoveMouseTo(from.x, from.y);
  PressScope press(StraightPath(from, to, steps, holdTicks));
  WalkHostDrag(dragged);
  return Value();
}

// POST KEY(character{; keyCode{; afterTicks}}): the character is a code or a one-character text.
Value PostKey(CommandContext& c) {
  c.ExpectCount(1, 3);
  const Value first = c.Arg(0);
  int32_t character = 0;
  if (first.Kind() == kFDText && first.TextValue().size() == 1) {
    character = first.TextValue()[0];
  } else {
    character = c.LongArg(0);
  }
  const int32_t keyCode = c.Count() > 1 ? c.LongArg(1) : 0;
  if (character < 0 || character > 255 || keyCode < 0 || keyCode > 255) {
    c.Fail("a character and a key code are 0 to 255");
  }
  const uint32_t due = State().fTicks + static_cast<uint32_t>(CountArg(c, 2, 0, 0));
  auto& queue = State().fPostedKeys;
  // Kept in the order they fall due; keys due at the same tick keep the order they came in.
  auto it = queue.begin();
  while (it != queue.end() && it->due <= due) {
    ++it;
  }
  queue.insert(it, HostState::PostedKey{due, (keyCode << 8) | character});
  return Value();
}

// KEY DOWN($w; keyCode{; character{; modifiers}})
Value KeyDown(CommandContext& c) {
  c.ExpectCount(2, 4);
  const std::shared_ptr<Window> window = WindowArg(c, 0);
  const int32_t keyCode = c.LongArg(1);
  const int32_t character = c.Count() > 2 ? c.LongArg(2) : 0;
  const uint16_t modifiers = c.Count() > 3 ? WordArg(c, 3) : 0;
  if (character < 0 || character > 255 || keyCode < 0 || keyCode > 255) {
    c.Fail("a character and a key code are 0 to 255");
  }
  KeyToFocus(window, keyCode, character, modifiers);
  return Value();
}

Value SelectAll(CommandContext& c) {
  c.ExpectCount(1, 1);
  SelectAllInFocus(WindowArg(c, 0));
  return Value();
}

Value MouseMove(CommandContext& c) {
  c.ExpectCount(3, 3);
  const std::shared_ptr<Window> window = WindowArg(c, 0);
  const int16_t x = ShortArg(c, 1);
  const int16_t y = ShortArg(c, 2);
  MoveAt(window, x, y);
  return Value();
}

} // namespace

void RegisterInputCommands() {
  RegisterCommand(u"MOUSE CLICK", MouseClick);
  RegisterCommand(u"MOUSE DRAG", MouseDrag);
  RegisterCommand(u"MOUSE WHEEL", MouseWheel);
  RegisterCommand(u"POST KEY", PostKey);
  RegisterCommand(u"HOST DRAG", HostDrag);
  RegisterCommand(u"KEY DOWN", KeyDown);
  RegisterCommand(u"SELECT ALL", SelectAll);
  RegisterCommand(u"MOUSE MOVE", MouseMove);
  RegisterCommand(u"Last tip", [](CommandContext& c) {
    c.ExpectCount(0, 0);
    return Value::Text(std::exchange(State().fLastTip, std::u16string()));
  });
  RegisterCommand(u"Form event code", [](CommandContext& c) {
    c.ExpectCount(0, 0);
    return Value::Long(RunningFormEvent());
  });
}

} // namespace zvhost::lang
