// Windows, the pages of their forms and the plug-in areas placed on them. Windows and areas are
// shared so that one closed while the plug-in is still inside one of its events stays valid
// until that event returns.
#pragma once

#include <stdint.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "sdk/HostPlatform.h"

namespace zvhost {

struct Window;

// One request of the plug-in to have (part of) an area redrawn.
struct Invalidation {
  bool wholeArea = true;
  Rect rect{};
  bool immediately = false;
};

struct PluginArea {
  // Identity and placement
  Window* window = nullptr; // the window that holds the area; cleared when it closes
  std::u16string name;
  std::u16string objectName;
  Rect rect{};
  int32_t page = 0; // 0: every page
  bool visible = true;

  // The plug-in's private word: the host keeps it, the plug-in writes its reference into it.
  int32_t privateWord = 0;

  // What the plug-in asked of the host
  std::vector<Invalidation> invalidations; // since the last update phase
  bool redrawRequested = false;
  int32_t clipMode = 0;

  // The form object's drag and drop options, once a method has set them.
  bool hasDragOptions = false;
  bool dragOptions[4] = {}; // draggable, automatic drag, droppable, automatic drop
  // The database method called with the form events of host drag and drop; empty for none.
  std::u16string objectMethod;
};

struct Window {
#ifdef _WIN32
  Window() = default;
  ~Window(); // the real window goes once nothing uses its device context any more
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
#endif
  // The host window record: what the plug-in knows the window by (its GrafPtr and its HWND).
  // It outlives the window, so that a stale pointer reads as a closed window.
  unsigned char* record = nullptr;
  int32_t number = 0;
  Rect frame{}; // screen coordinates
  int32_t process = 1;
  int32_t page = 1;
  std::vector<std::shared_ptr<PluginArea>> areas; // in placement order

#ifdef _WIN32
  // The real window, child of the process window, and the device context it owns.
  HWND native = nullptr;
  FDDeviceContext* context = nullptr;
#else
  // The pixel surface: premultiplied ARGB32, white when opened.
  std::vector<uint32_t> pixels;
  FDDeviceContext context{};
#endif

  std::u16string title;

  // The last tip text the plug-in set for the window.
  std::u16string tip;

  // The area that has the focus, when one has it; whether the live loop gave it its opening
  // focus yet.
  std::weak_ptr<PluginArea> focus;
  bool focusOffered = false;

  bool OnCurrentPage(const PluginArea& area) const { return area.page == 0 || area.page == page; }
  void* HostPointer() const { return record; }
};

class WindowList {
public:
  // A new window with a white surface; null when the surface cannot be had.
  std::shared_ptr<Window> Open(const Rect& frame, int32_t process, std::u16string title = {});
  // Forgets the window and destroys its controls and native windows; its areas are not told
  // (see CloseWindow in AreaEvents.h). The front window is the active one.
  void Remove(int32_t number);
  void Clear(); // numbering starts again at 1

  std::shared_ptr<Window> Find(int32_t number) const;
  // The window whose host pointer this is; null for anything else.
  Window* FromPointer(const void* pointer) const;
  // The area whose private word holds `reference` (never 0).
  std::shared_ptr<PluginArea> FindArea(int32_t reference) const;
  // The area whose private word lives at `cell`.
  std::shared_ptr<PluginArea> FindAreaByCell(const int32_t* cell) const;
  // The area of that form object name, preferring the one an event is being delivered to.
  std::shared_ptr<PluginArea> FindAreaByObjectName(std::u16string_view name) const;
  std::vector<std::shared_ptr<Window>> All() const { return fWindows; }
  // Surfaces alive: open windows and those whose closing waits.
  int Count() const { return static_cast<int>(fWindows.size() + fClosing.size()); }

  // A window closed while an event is being delivered: removed at once, its areas deinitialised
  // once the outermost event has returned.
  void DeferClose(std::shared_ptr<Window> window);
  std::vector<std::shared_ptr<Window>> TakeClosing();

private:
  void Activate();                               // the most recently opened window is in front
  std::vector<std::shared_ptr<Window>> fWindows; // in opening order
  std::vector<std::shared_ptr<Window>> fClosing;
  int32_t fNextNumber = 1;
};

WindowList& Windows();

// What the host is delivering right now: the event (for Form event and key information) and
// the device context of an update in progress.
struct Delivery {
  const PluginArea* area = nullptr;
  const EventRecord* event = nullptr;
  FDDeviceContext* updateContext = nullptr;
  void* port = nullptr; // set by SetPort during the event
};
Delivery& CurrentDelivery();

// The edit menu items the plug-in last enabled.
int32_t& EditMenuItems();

} // namespace zvhost
