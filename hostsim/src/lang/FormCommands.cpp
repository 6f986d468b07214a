// Windows, forms and plug-in areas for databases and tests: Open window, CLOSE WINDOW, Plugin
// area, Live windows, AREA EVENT, IDLE, FORM GOTO PAGE, OBJECT SET VISIBLE, OBJECT SET COORDINATES,
// SNAPSHOT($w; path), OBJECT SET DRAG AND DROP OPTIONS($ref; draggable; automaticDrag;
// droppable; automaticDrop), and the invalidation records tests read back:
//   Invalidation count($ref)          what the plug-in invalidated since the last IDLE drew
//   INVALIDATIONS($ref; textArray)    one text each: "area" or "left;top;right;bottom", then
//                                     " immediately" when it asked for an immediate redraw
#include "../AreaEvents.h"
#include "../ArrayElements.h"
#include "../Forms.h"
#include "../HostDrag.h"
#include "../HostState.h"
#include "../ImageCodecs.h"
#include "../Snapshot.h"
#include "../Surface.h"
#include "../Utf.h"
#include "../live/LiveSession.h"
#include "Commands.h"
#include "FormArgs.h"

namespace zvhost::lang {

int16_t ShortArg(CommandContext& c, size_t i) {
  const int32_t value = c.LongArg(i);
  if (value < INT16_MIN || value > INT16_MAX) {
    c.Fail("parameter " + std::to_string(i + 1) + " is outside -32768 to 32767");
  }
  return static_cast<int16_t>(value);
}

uint16_t WordArg(CommandContext& c, size_t i) {
  const int32_t value = c.LongArg(i);
  if (value < 0 || value > UINT16_MAX) {
    c.Fail("parameter " + std::to_string(i + 1) + " is outside 0 to 65535");
  }
  return static_cast<uint16_t>(value);
}

// left; top; right; bottom from parameter `first` on.
Rect RectArgs(CommandContext& c, size_t first) {
  Rect rect{};
  rect.left = ShortArg(c, first);
  rect.top = ShortArg(c, first + 1);
  rect.right = ShortArg(c, first + 2);
  rect.bottom = ShortArg(c, first + 3);
  if (rect.right < rect.left || rect.bottom < rect.top) {
    c.Fail("the right and bottom sides cannot come before the left and top ones");
  }
  return rect;
}

std::shared_ptr<Window> WindowArg(CommandContext& c, size_t i) {
  const int32_t number = c.LongArg(i);
  std::shared_ptr<Window> window = Windows().Find(number);
  if (!window) {
    c.Fail("no open window " + std::to_string(number));
  }
  return window;
}

std::shared_ptr<PluginArea> AreaArg(CommandContext& c, size_t i) {
  const int32_t reference = c.LongArg(i);
  std::shared_ptr<PluginArea> area = Windows().FindArea(reference);
  if (!area) {
    c.Fail("no plug-in area " + std::to_string(reference));
  }
  return area;
}

namespace {

// The largest side of a window surface, so that a typo cannot ask for gigabytes.
constexpr int32_t kMaxWindowSide = 8192;

// Events whose fields the plug-in reads as host pointers: a number from a method there would
// send it into memory that is not a record.
bool CarriesHostPointer(uint16_t what) {
  switch (what) {
  case 26:  // drawing record in the form editor
  case 80:  // drag and drop information
  case 81:  // drag record
  case 82:  // drop
  case 85:  // drag began
  case 600: // advanced properties
  case 601:
  case 602: // extended init record
    return true;
  default:
    return false;
  }
}

// Open window(left; top; right; bottom{; type{; title}}): the type is the host's window kind,
// which the emulator does not draw.
Value OpenWindow(CommandContext& c) {
  c.ExpectCount(4, 6);
  const Rect frame = RectArgs(c, 0);
  const int32_t width = frame.right - frame.left;
  const int32_t height = frame.bottom - frame.top;
  if (width <= 0 || height <= 0 || width > kMaxWindowSide || height > kMaxWindowSide) {
    c.Fail("a window is 1 to " + std::to_string(kMaxWindowSide) + " pixels on each side");
  }
  if (c.Count() > 4) {
    c.LongArg(4);
  }
  const std::u16string title = c.Count() > 5 ? c.TextArg(5) : std::u16string();
  const std::shared_ptr<Window> window = Windows().Open(frame, State().fCurrentProcess, title);
  if (!window) {
    c.Fail("not enough memory for the window's surface");
  }
  return Value::Long(window->number);
}

Value PluginAreaCommand(CommandContext& c) {
  c.ExpectCount(6, 8);
  const std::shared_ptr<Window> window = WindowArg(c, 0);
  const std::u16string name = c.TextArg(1);
  const Rect rect = RectArgs(c, 2);
  const int32_t page = c.Count() >= 7 ? c.LongArg(6) : 0;
  if (page < 0) {
    c.Fail("a page is 0 (every page) or more");
  }
  const std::u16string objectMethod = c.Count() == 8 ? c.TextArg(7) : std::u16string();
  const std::shared_ptr<PluginArea> area = PlaceArea(window, name, rect, page, objectMethod);
  return Value::Long(area->privateWord);
}

// AREA EVENT($ref; what{; message{; when{; v{; h{; modifiers}}}}})
Value AreaEvent(CommandContext& c) {
  c.ExpectCount(2, 7);
  const std::shared_ptr<PluginArea> area = AreaArg(c, 0);
  EventRecord event{};
  event.what = WordArg(c, 1);
  if (CarriesHostPointer(event.what)) {
    c.Fail("event " + std::to_string(event.what) +
           " carries a host record; it has its own command");
  }
  event.message = c.Count() > 2 ? c.LongArg(2) : 0;
  event.when = c.Count() > 3 ? c.LongArg(3) : 0;
  event.where.v = c.Count() > 4 ? ShortArg(c, 4) : 0;
  event.where.h = c.Count() > 5 ? ShortArg(c, 5) : 0;
  event.modifiers = c.Count() > 6 ? WordArg(c, 6) : 0;
  if (event.what == kAreaUpdate) {
    // An update always draws on the window's surface, whatever the method passed.
    const std::shared_ptr<Window> window =
        area->window != nullptr ? Windows().Find(area->window->number) : nullptr;
    if (!window) {
      c.Fail("the area's window is closed");
    }
    FDDeviceContext* context = SurfaceContext(*window);
    event.message = reinterpret_cast<intptr_t>(context);
    SendAreaEvent(area, event, context);
  } else {
    SendAreaEvent(area, event);
  }
  if (event.what == kAreaMouseDown) {
    RunPendingHostDrag();
  }
  if (c.Count() > 2 && IsVariableNode(c.ArgNode(2))) {
    c.AssignArg(2, Value::Long(static_cast<int32_t>(event.message)));
  }
  if (c.Count() > 6 && IsVariableNode(c.ArgNode(6))) {
    c.AssignArg(6, Value::Long(event.modifiers));
  }
  return Value();
}

Value Snapshot(CommandContext& c) {
  c.ExpectCount(2, 2);
  const std::shared_ptr<Window> window = WindowArg(c, 0);
  const std::string path = Utf16ToUtf8(c.TextArg(1));
  const std::vector<uint32_t> pixels = SnapshotPixels(*window);
  if (path.empty() ||
      !WritePngFile(path.c_str(), pixels.data(), SurfaceWidth(*window), SurfaceHeight(*window))) {
    c.Fail("cannot write \"" + path + "\"");
  }
  return Value();
}

std::u16string Describe(const Invalidation& invalidation) {
  std::string text = "area";
  if (!invalidation.wholeArea) {
    const Rect& r = invalidation.rect;
    text = std::to_string(r.left) + ";" + std::to_string(r.top) + ";" + std::to_string(r.right) +
           ";" + std::to_string(r.bottom);
  }
  if (invalidation.immediately) {
    text += " immediately";
  }
  return std::u16string(text.begin(), text.end());
}

Value InvalidationTexts(CommandContext& c) {
  c.ExpectCount(2, 2);
  const std::shared_ptr<PluginArea> area = AreaArg(c, 0);
  Variable& variable = c.VariableArg(1);
  const auto count = static_cast<int32_t>(area->invalidations.size());
  Value array;
  if (int err = Value::NewArray(kFDArrayText, count, &array)) {
    c.Fail("cannot make the array (error " + std::to_string(err) + ")");
  }
  ArrayView view(array.ArrayBlock());
  for (int32_t i = 0; i < count; ++i) {
    std::string error;
    if (!StoreElement(view, i + 1, Value::Text(Describe(area->invalidations[i])), &error)) {
      c.Fail(error);
    }
  }
  variable.value.Replace(std::move(array));
  variable.typed = true;
  return Value();
}

} // namespace

void RegisterFormCommands() {
  RegisterCommand(u"Open window", OpenWindow);
  RegisterCommand(u"CLOSE WINDOW", [](CommandContext& c) {
    c.ExpectCount(1, 1);
    CloseWindow(WindowArg(c, 0));
    return Value();
  });
  RegisterCommand(u"Plugin area", PluginAreaCommand);
  RegisterCommand(u"AREA EVENT", AreaEvent);
  RegisterCommand(u"IDLE", [](CommandContext& c) {
    c.ExpectCount(0, 0);
    EventLoopTurn();
    return Value();
  });
  RegisterCommand(u"FORM GOTO PAGE", [](CommandContext& c) {
    c.ExpectCount(2, 2);
    const std::shared_ptr<Window> window = WindowArg(c, 0);
    const int32_t page = c.LongArg(1);
    if (page < 1) {
      c.Fail("pages are numbered from 1");
    }
    GotoPage(window, page);
    return Value();
  });
  RegisterCommand(u"OBJECT SET VISIBLE", [](CommandContext& c) {
    c.ExpectCount(2, 2);
    SetAreaVisible(AreaArg(c, 0), c.BooleanArg(1));
    return Value();
  });
  RegisterCommand(u"OBJECT SET COORDINATES", [](CommandContext& c) {
    c.ExpectCount(5, 5);
    MoveArea(AreaArg(c, 0), RectArgs(c, 1));
    return Value();
  });
  RegisterCommand(u"SNAPSHOT", Snapshot);
  // True when the windows are shown on a desktop and a person drives them (zorvi-host --window).
  RegisterCommand(u"Live windows", [](CommandContext& c) {
    c.ExpectCount(0, 0);
    return Value::Boolean(live::Display() != nullptr);
  });
  RegisterCommand(u"OBJECT SET DRAG AND DROP OPTIONS", [](CommandContext& c) {
    c.ExpectCount(5, 5);
    const std::shared_ptr<PluginArea> area = AreaArg(c, 0);
    for (size_t i = 0; i < 4; ++i) {
      area->dragOptions[i] = c.BooleanArg(i + 1);
    }
    area->hasDragOptions = true;
    return Value();
  });
  RegisterCommand(u"Invalidation count", [](CommandContext& c) {
    c.ExpectCount(1, 1);
    return Value::Long(static_cast<int32_t>(AreaArg(c, 0)->invalidations.size()));
  });
  RegisterCommand(u"INVALIDATIONS", InvalidationTexts);
}

} // namespace zvhost::lang
