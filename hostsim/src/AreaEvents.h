// Area events as the host delivers them: through the area command (selector 1) with its block
// of six pointers, one event at a time, and the turns of the event loop built from them.
#pragma once

#include <stdint.h>

#include <memory>
#include <string>

#include "Forms.h"

namespace zvhost {

// Event codes the host sends.
enum AreaEventCode : uint16_t {
  kAreaIdle = 0,
  kAreaMouseDown = 1,
  kAreaMouseUp = 2,
  kAreaKeyDown = 3,
  kAreaAutoKey = 5,
  kAreaUpdate = 6,
  kAreaInit = 16,
  kAreaDeinit = 17,
  kAreaCursor = 18,
  kAreaMayTakeFocus = 20,
  kAreaFocusGained = 21,
  kAreaFocusLost = 22,
  kAreaSelectAll = 35,
  kAreaScrollWheel = 39,
  kAreaPageChange = 71,
  kAreaEndOfCycle = 72,
  kAreaVisibility = 86,
  kAreaInitExtended = 602
};

// Delivers one event; the plug-in's replies are left in `event`. `updateContext` is the surface
// of an update in progress. May raise a failed ASSERT of code the plug-in had the host run.
void SendAreaEvent(const std::shared_ptr<PluginArea>& area, EventRecord& event,
                   FDDeviceContext* updateContext = nullptr);

// An update on the window's surface, when the area is shown.
void SendUpdateEvent(const std::shared_ptr<PluginArea>& area);

// Places an area on the window and sends its extended init event (602: an input form, with the
// area's page and window in the host's init record).
std::shared_ptr<PluginArea> PlaceArea(const std::shared_ptr<Window>& window,
                                      const std::u16string& name, const Rect& rect, int32_t page,
                                      const std::u16string& objectMethod = {});

// Forgets the window and sends the deinit event to each of its areas; while an event is being
// delivered, the deinit events wait until it has returned.
void CloseWindow(const std::shared_ptr<Window>& window);
void CloseEveryWindow();

// One turn of the event loop: end of cycle to every area, updates where asked, then idle.
void EventLoopTurn();

void GotoPage(const std::shared_ptr<Window>& window, int32_t page);
void SetAreaVisible(const std::shared_ptr<PluginArea>& area, bool visible);
void MoveArea(const std::shared_ptr<PluginArea>& area, const Rect& rect);

// The topmost shown area under the window point, or null.
std::shared_ptr<PluginArea> AreaAt(const Window& window, int16_t x, int16_t y);
// A mouse event at a window point, stamped with the clock.
void SendMouseEvent(const std::shared_ptr<PluginArea>& area, uint16_t what, int16_t x, int16_t y,
                    uint16_t modifiers, intptr_t message = 0);

// A press on an area that accepts the focus (asked with 20, reply 101) gives it the focus: 22 to
// the area that loses it, then 21 to the one that gains it.
void FocusOnClick(const std::shared_ptr<Window>& window, const std::shared_ptr<PluginArea>& target);

// When no area of the window has the focus, gives it to the first shown area that takes it, in
// placement order (the form's entry order), as the host does when a form opens.
void FocusFirstArea(const std::shared_ptr<Window>& window);

// The window's focused area, null when none has the focus.
std::shared_ptr<PluginArea> FocusedArea(const Window& window);
// A key event (3) to the window's focused area, at the pointer; nothing when none has the focus.
void KeyToFocus(const std::shared_ptr<Window>& window, int32_t keyCode, int32_t character,
                uint16_t modifiers);
// The edit menu's Select All (35) to the window's focused area.
void SelectAllInFocus(const std::shared_ptr<Window>& window);
// Moves the pointer to the window point and sends a cursor event (18) to the topmost shown area
// under it; false when none is there.
bool MoveAt(const std::shared_ptr<Window>& window, int16_t x, int16_t y);

// Mouse down then up on the topmost shown area under the window point, where the mouse then
// is (unless the mouse-down started a host drag, which takes the release); false when no area
// is there.
bool ClickAt(const std::shared_ptr<Window>& window, int16_t x, int16_t y, uint16_t modifiers);

} // namespace zvhost
