#include "AreaEvents.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <exception>
#include <vector>

#include "HostDrag.h"
#include "HostState.h"
#include "Surface.h"
#include "TextBlocks.h"
#include "WindowSystem.h"
#include "lang/PluginCommands.h"
#include "live/LivePresent.h"
#include "sdk/HostPlatform.h"
#include "zvhost/Host.h"

namespace zvhost {

namespace {

// The texts of one call live exactly as long as the call.
class TextParam {
public:
  explicit TextParam(const std::u16string& text) {
    CreateTextBlock(&fBlock);
    SetTextBlock(&fBlock, reinterpret_cast<const PA_Unichar*>(text.data()),
                 static_cast<int32_t>(text.size()));
  }
  ~TextParam() { DisposeTextBlock(&fBlock); }
  TextParam(const TextParam&) = delete;
  TextParam& operator=(const TextParam&) = delete;
  FDStringBlock* Block() { return &fBlock; }

private:
  FDStringBlock fBlock{};
};

// Restores what was being delivered when a nested delivery ends, even by a failed ASSERT.
class DeliveryScope {
public:
  DeliveryScope(const PluginArea* area, const EventRecord* event, FDDeviceContext* context)
      : fSaved(CurrentDelivery()) {
    CurrentDelivery() = Delivery{area, event, context};
  }
  ~DeliveryScope() { CurrentDelivery() = fSaved; }
  DeliveryScope(const DeliveryScope&) = delete;
  DeliveryScope& operator=(const DeliveryScope&) = delete;

private:
  Delivery fSaved;
};

EventRecord MakeEvent(uint16_t what) {
  EventRecord event{};
  event.what = what;
  return event;
}

bool IsShown(const PluginArea& area) {
  return area.window != nullptr && area.visible && area.window->OnCurrentPage(area);
}

std::vector<std::shared_ptr<PluginArea>> AllAreas() {
  std::vector<std::shared_ptr<PluginArea>> areas;
  for (const auto& window : Windows().All()) {
    areas.insert(areas.end(), window->areas.begin(), window->areas.end());
  }
  return areas;
}

// An area closed by code run inside an earlier event of the same turn gets no more events.
bool StillPlaced(const PluginArea& area) {
  return area.window != nullptr;
}

// How many events are being delivered, one inside the other.
int gDeliveryDepth = 0;

class DepthScope {
public:
  DepthScope() { ++gDeliveryDepth; }
  ~DepthScope() { --gDeliveryDepth; }
  DepthScope(const DepthScope&) = delete;
  DepthScope& operator=(const DepthScope&) = delete;
};

void SendDeinits(const std::shared_ptr<Window>& window);

// Windows closed during the event that just ended: their areas are deinitialised now that the
// plug-in is no longer inside any of them.
void FinishDeferredCloses() {
  for (const auto& window : Windows().TakeClosing()) {
    SendDeinits(window);
  }
}

void Deliver(const std::shared_ptr<PluginArea>& area, EventRecord& event,
             FDDeviceContext* context) {
  const std::shared_ptr<PluginArea> keepAlive = area;
  TextParam name(area->name);
  TextParam unused(u"");
  TextParam objectName(area->objectName);
  Rect rect = area->rect;
  void* params[6] = {
      &event, &rect, name.Block(), &area->privateWord, unused.Block(), objectName.Block()};
  {
    DepthScope depth;
    DeliveryScope scope(area.get(), &event, context);
    lang::CallPlugin(kFDAreaCommand, params, nullptr, nullptr);
  }
  if (gDeliveryDepth == 0) {
    FinishDeferredCloses();
  }
}

// The host's extended init record: byte offsets as the host lays them out, 32-bit window fields.
constexpr size_t kInitRecordSize = 54;

template <typename T>
void PutAt(std::array<unsigned char, kInitRecordSize>& record, size_t offset, T value) {
  std::memcpy(record.data() + offset, &value, sizeof value);
}

std::array<unsigned char, kInitRecordSize> InitRecord(const Window& window,
                                                      const PluginArea& area) {
  std::array<unsigned char, kInitRecordSize> record{};
  PutAt<int16_t>(record, 2, 3); // the host's values, as on a plain init
  PutAt<uint8_t>(record, 6, 9);
  PutAt<int32_t>(record, 12, 0xFFFFFF); // back colour
  PutAt<uint8_t>(record, 24, 1);        // an input form
  PutAt<int16_t>(record, 26, static_cast<int16_t>(area.page));
  const auto handle = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(window.HostPointer()));
  PutAt<uint32_t>(record, 38, handle); // window
  PutAt<uint32_t>(record, 42, handle); // port
  // The native window, as the window system's handles go, fits in 32 bits.
  PutAt<uint32_t>(record, 46,
                  static_cast<uint32_t>(reinterpret_cast<uintptr_t>(
                      NativeHandleOf(window.HostPointer())))); // native window
  return record;
}

void SendUpdate(const std::shared_ptr<PluginArea>& area) {
  // The surface stays valid even if code run while drawing closes the window.
  const std::shared_ptr<Window> window = Windows().Find(area->window->number);
  FDDeviceContext* context = SurfaceContext(*window);
  EventRecord event = MakeEvent(kAreaUpdate);
  event.message = reinterpret_cast<intptr_t>(context);
  Deliver(area, event, context);
}

} // namespace

void SendAreaEvent(const std::shared_ptr<PluginArea>& area, EventRecord& event,
                   FDDeviceContext* updateContext) {
  Deliver(area, event, updateContext);
}

void SendUpdateEvent(const std::shared_ptr<PluginArea>& area) {
  if (StillPlaced(*area) && IsShown(*area)) {
    SendUpdate(area);
  }
}

std::shared_ptr<PluginArea> PlaceArea(const std::shared_ptr<Window>& window,
                                      const std::u16string& name, const Rect& rect, int32_t page,
                                      const std::u16string& objectMethod) {
  auto area = std::make_shared<PluginArea>();
  area->objectMethod = objectMethod;
  area->window = window.get();
  area->name = name;
  area->objectName = name;
  area->rect = rect;
  area->page = page;
  // A form draws what it shows when it first appears.
  area->redrawRequested = true;
  window->areas.push_back(area);
  std::array<unsigned char, kInitRecordSize> record = InitRecord(*window, *area);
  EventRecord init = MakeEvent(kAreaInitExtended);
  init.message = reinterpret_cast<intptr_t>(record.data());
  if (reinterpret_cast<uintptr_t>(window->HostPointer()) > UINT32_MAX) {
    // A window the record cannot carry: the plain init, which leaves the plug-in to ask.
    init = MakeEvent(kAreaInit);
  }
  init.modifiers = 1; // an input form
  SendAreaEvent(area, init);
  return area;
}

void CloseWindow(const std::shared_ptr<Window>& window) {
  // Forgotten first, so that nothing run during the deinit events reaches it again.
  Windows().Remove(window->number);
  if (gDeliveryDepth > 0) {
    // Deleting an area while the plug-in is inside one of its events would pull the area out
    // from under it.
    Windows().DeferClose(window);
    return;
  }
  SendDeinits(window);
}

void CloseEveryWindow() {
  std::exception_ptr failure;
  for (const auto& window : Windows().All()) {
    try {
      CloseWindow(window);
    } catch (...) {
      failure = failure ? failure : std::current_exception();
    }
  }
  if (gDeliveryDepth == 0) {
    FinishDeferredCloses();
  }
  if (failure) {
    std::rethrow_exception(failure);
  }
}

namespace {

void SendDeinits(const std::shared_ptr<Window>& window) {
  const std::vector<std::shared_ptr<PluginArea>> areas = window->areas;
  // Every area is deinitialised even when one of them fails; the first failure is raised after.
  std::exception_ptr failure;
  for (const auto& area : areas) {
    EventRecord deinit = MakeEvent(kAreaDeinit);
    try {
      SendAreaEvent(area, deinit);
    } catch (...) {
      if (!failure) {
        failure = std::current_exception();
      }
    }
  }
  if (failure) {
    std::rethrow_exception(failure);
  }
}

} // namespace

void EventLoopTurn() {
  const std::vector<std::shared_ptr<PluginArea>> areas = AllAreas();
  for (const auto& area : areas) {
    if (!StillPlaced(*area)) {
      continue;
    }
    EventRecord cycle = MakeEvent(kAreaEndOfCycle);
    SendAreaEvent(area, cycle);
    if (cycle.modifiers == 1) {
      area->redrawRequested = true;
    }
  }
  for (const auto& area : areas) {
    if (!StillPlaced(*area)) {
      continue;
    }
    const bool wanted = area->redrawRequested || !area->invalidations.empty();
    // Cleared before the update, so that what the plug-in invalidates while drawing waits for
    // the next turn; a hidden area has nothing to draw.
    area->redrawRequested = false;
    area->invalidations.clear();
    if (wanted && IsShown(*area)) {
      SendUpdate(area);
    }
  }
  for (const auto& area : areas) {
    if (StillPlaced(*area)) {
      EventRecord idle = MakeEvent(kAreaIdle);
      idle.when = static_cast<intptr_t>(TickCount());
      SendAreaEvent(area, idle);
    }
  }
  live::PresentWindows(true);
}

void GotoPage(const std::shared_ptr<Window>& window, int32_t page) {
  window->page = page;
  // The form is drawn anew: nothing of the page left, not even what its areas drew on the
  // window directly, stays on screen.
  EraseSurfaceRect(*window, Rect{0, 0, static_cast<int16_t>(SurfaceHeight(*window)),
                                 static_cast<int16_t>(SurfaceWidth(*window))});
  const std::vector<std::shared_ptr<PluginArea>> areas = window->areas;
  for (const auto& area : areas) {
    if (!StillPlaced(*area)) {
      continue;
    }
    area->redrawRequested = true;
    EventRecord change = MakeEvent(kAreaPageChange);
    change.when = page;
    change.where.v = area->visible ? 1 : 0;
    SendAreaEvent(area, change);
  }
}

namespace {

// The form is drawn anew where an area no longer shows: its white background there, and every
// area still shown over that place draws itself again at the next turn.
void EraseFormRect(Window& window, const Rect& rect) {
  EraseSurfaceRect(window, rect);
  for (const auto& other : window.areas) {
    const Rect& r = other->rect;
    if (IsShown(*other) && r.left < rect.right && rect.left < r.right && r.top < rect.bottom &&
        rect.top < r.bottom) {
      other->redrawRequested = true;
    }
  }
}

} // namespace

void SetAreaVisible(const std::shared_ptr<PluginArea>& area, bool visible) {
  if (!visible && IsShown(*area)) {
    EraseFormRect(*area->window, area->rect);
  }
  area->visible = visible;
  if (IsShown(*area)) {
    area->redrawRequested = true;
  }
  EventRecord change = MakeEvent(kAreaVisibility);
  change.where.v = visible ? 1 : 0;
  SendAreaEvent(area, change);
}

void MoveArea(const std::shared_ptr<PluginArea>& area, const Rect& rect) {
  const Rect old = area->rect;
  area->rect = rect;
  if (IsShown(*area)) {
    EraseFormRect(*area->window, old);
  }
  area->redrawRequested = true;
}

std::shared_ptr<PluginArea> AreaAt(const Window& window, int16_t x, int16_t y) {
  for (auto it = window.areas.rbegin(); it != window.areas.rend(); ++it) {
    const Rect& r = (*it)->rect;
    if (IsShown(**it) && x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
      return *it;
    }
  }
  return nullptr;
}

namespace {

// The modifier keys an input event names are held while it is delivered, so that whoever reads
// the keyboard then (as a real user's fingers would have it) sees them down.
class HeldModifierKeys {
public:
  explicit HeldModifierKeys(uint16_t modifiers) {
    std::memcpy(fSaved, State().fKeys, sizeof fSaved);
    static const struct {
      int keyCode;
      uint16_t mask;
    } kKeys[] = {{55, kFDCommandKeyMask},
                 {56, kFDShiftKeyMask},
                 {57, kFDAlphaLockMask},
                 {58, kFDOptionKeyMask},
                 {59, kFDControlKeyMask}};
    for (const auto& key : kKeys) {
      if ((modifiers & key.mask) != 0) {
        SetKeyDown(key.keyCode, true);
      }
    }
  }
  ~HeldModifierKeys() { std::memcpy(State().fKeys, fSaved, sizeof fSaved); }
  HeldModifierKeys(const HeldModifierKeys&) = delete;
  HeldModifierKeys& operator=(const HeldModifierKeys&) = delete;

private:
  KeyMap fSaved;
};

} // namespace

void SendMouseEvent(const std::shared_ptr<PluginArea>& area, uint16_t what, int16_t x, int16_t y,
                    uint16_t modifiers, intptr_t message) {
  const HeldModifierKeys held(modifiers);
  EventRecord event = MakeEvent(what);
  event.message = message;
  event.when = static_cast<intptr_t>(TickCount());
  event.where = Point{y, x};
  event.modifiers = modifiers;
  SendAreaEvent(area, event);
}

namespace {

// The focus frame's 2-pixel pen is centred 3 pixels outside its area, so it reaches 4 pixels
// out: once it goes, what lies under that ring is painted again, the window's white first, then
// the areas it overlaps.
void RepaintFocusRing(Window& window, const PluginArea& area) {
  constexpr int32_t kFrameOutset = 4;
  const Rect& r = area.rect;
  auto band = [&window](int32_t top, int32_t left, int32_t bottom, int32_t right) {
    auto clamp = [](int32_t v) { return static_cast<int16_t>(std::clamp(v, -32768, 32767)); };
    EraseSurfaceRect(window, Rect{clamp(top), clamp(left), clamp(bottom), clamp(right)});
  };
  band(r.top - kFrameOutset, r.left - kFrameOutset, r.top, r.right + kFrameOutset);
  band(r.bottom, r.left - kFrameOutset, r.bottom + kFrameOutset, r.right + kFrameOutset);
  band(r.top, r.left - kFrameOutset, r.bottom, r.left);
  band(r.top, r.right, r.bottom, r.right + kFrameOutset);
  const std::vector<std::shared_ptr<PluginArea>> areas = window.areas;
  for (const auto& other : areas) {
    const Rect& o = other->rect;
    const bool overlaps = o.left < r.right + kFrameOutset && o.right > r.left - kFrameOutset &&
                          o.top < r.bottom + kFrameOutset && o.bottom > r.top - kFrameOutset;
    if (other.get() != &area && overlaps) {
      SendUpdateEvent(other);
    }
  }
}

} // namespace

void FocusOnClick(const std::shared_ptr<Window>& window,
                  const std::shared_ptr<PluginArea>& target) {
  const std::shared_ptr<PluginArea> current = window->focus.lock();
  if (current == target) {
    return;
  }
  EventRecord ask = MakeEvent(kAreaMayTakeFocus);
  SendAreaEvent(target, ask);
  constexpr intptr_t kTakesFocus = 101;
  if (ask.message != kTakesFocus || !StillPlaced(*target)) {
    return;
  }
  window->focus = target;
  if (current && StillPlaced(*current)) {
    EventRecord lost = MakeEvent(kAreaFocusLost);
    SendAreaEvent(current, lost);
    if (StillPlaced(*current)) {
      RepaintFocusRing(*window, *current);
    }
  }
  if (StillPlaced(*target) && window->focus.lock() == target) {
    EventRecord gained = MakeEvent(kAreaFocusGained);
    SendAreaEvent(target, gained);
  }
}

void FocusFirstArea(const std::shared_ptr<Window>& window) {
  const std::vector<std::shared_ptr<PluginArea>> areas = window->areas;
  for (const auto& area : areas) {
    // Code an area runs while asked may close the window.
    if (FocusedArea(*window) || Windows().Find(window->number) != window) {
      return;
    }
    if (StillPlaced(*area) && IsShown(*area)) {
      FocusOnClick(window, area);
    }
  }
}

std::shared_ptr<PluginArea> FocusedArea(const Window& window) {
  std::shared_ptr<PluginArea> area = window.focus.lock();
  return area && StillPlaced(*area) ? area : nullptr;
}

namespace {

int16_t LocalMouseX(const Window& window) {
  return static_cast<int16_t>(State().fMouseX - window.frame.left);
}

int16_t LocalMouseY(const Window& window) {
  return static_cast<int16_t>(State().fMouseY - window.frame.top);
}

} // namespace

void KeyToFocus(const std::shared_ptr<Window>& window, int32_t keyCode, int32_t character,
                uint16_t modifiers) {
  if (const std::shared_ptr<PluginArea> area = FocusedArea(*window)) {
    // As key events carry them: the character in the low byte, the key code above it.
    SendMouseEvent(area, kAreaKeyDown, LocalMouseX(*window), LocalMouseY(*window), modifiers,
                   (keyCode << 8) | character);
  }
}

void SelectAllInFocus(const std::shared_ptr<Window>& window) {
  if (const std::shared_ptr<PluginArea> area = FocusedArea(*window)) {
    SendMouseEvent(area, kAreaSelectAll, LocalMouseX(*window), LocalMouseY(*window), 0);
  }
}

bool MoveAt(const std::shared_ptr<Window>& window, int16_t x, int16_t y) {
  MoveMouseTo(window->frame.left + x, window->frame.top + y);
  const std::shared_ptr<PluginArea> area = AreaAt(*window, x, y);
  if (!area) {
    return false;
  }
  SendMouseEvent(area, kAreaCursor, x, y, 0);
  return true;
}

bool ClickAt(const std::shared_ptr<Window>& window, int16_t x, int16_t y, uint16_t modifiers) {
  MoveMouseTo(window->frame.left + x, window->frame.top + y);
  const std::shared_ptr<PluginArea> target = AreaAt(*window, x, y);
  if (!target) {
    return false;
  }
  FocusOnClick(window, target);
  if (!StillPlaced(*target)) {
    return true;
  }
  SendMouseEvent(target, kAreaMouseDown, x, y, modifiers);
  if (!RunPendingHostDrag() && StillPlaced(*target)) {
    SendMouseEvent(target, kAreaMouseUp, x, y, modifiers);
  }
  return true;
}

} // namespace zvhost
