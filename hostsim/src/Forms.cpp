#include "Forms.h"

#include <algorithm>
#include <utility>

#include "Controls.h"
#include "Surface.h"
#include "live/LiveSession.h"

namespace zvhost {

std::shared_ptr<Window> WindowList::Open(const Rect& frame, int32_t process, std::u16string title) {
  auto window = std::make_shared<Window>();
  window->frame = frame;
  window->title = std::move(title);
  if (!CreateSurface(*window)) {
    return nullptr;
  }
  window->number = fNextNumber++;
  window->process = process;
  fWindows.push_back(window);
  Activate();
  live::WindowOpened(*window);
  return window;
}

void WindowList::Remove(int32_t number) {
  auto it = std::find_if(fWindows.begin(), fWindows.end(),
                         [number](const auto& window) { return window->number == number; });
  if (it == fWindows.end()) {
    return;
  }
  for (const auto& area : (*it)->areas) {
    area->window = nullptr;
  }
  DisposeControlsOf(it->get());
  DestroySurface(**it);
  live::WindowClosed(number);
  fWindows.erase(it);
  Activate();
}

void WindowList::Activate() {
  for (const auto& window : fWindows) {
    window->record[kWindowRecordHiliteOffset] = window == fWindows.back() ? 1 : 0;
  }
}

void WindowList::Clear() {
  while (!fWindows.empty()) {
    Remove(fWindows.back()->number);
  }
  fClosing.clear();
  // No window is left to confuse with a new one, and a fresh host numbers them as a run does.
  fNextNumber = 1;
}

void WindowList::DeferClose(std::shared_ptr<Window> window) {
  fClosing.push_back(std::move(window));
}

std::vector<std::shared_ptr<Window>> WindowList::TakeClosing() {
  return std::exchange(fClosing, {});
}

std::shared_ptr<Window> WindowList::Find(int32_t number) const {
  for (const auto& window : fWindows) {
    if (window->number == number) {
      return window;
    }
  }
  return nullptr;
}

Window* WindowList::FromPointer(const void* pointer) const {
  for (const auto& window : fWindows) {
    if (pointer != nullptr && window->record == pointer) {
      return window.get();
    }
  }
  return nullptr;
}

std::shared_ptr<PluginArea> WindowList::FindArea(int32_t reference) const {
  if (reference == 0) {
    return nullptr;
  }
  for (const auto& window : fWindows) {
    for (const auto& area : window->areas) {
      if (area->privateWord == reference) {
        return area;
      }
    }
  }
  return nullptr;
}

std::shared_ptr<PluginArea> WindowList::FindAreaByCell(const int32_t* cell) const {
  for (const auto& window : fWindows) {
    for (const auto& area : window->areas) {
      if (&area->privateWord == cell) {
        return area;
      }
    }
  }
  return nullptr;
}

std::shared_ptr<PluginArea> WindowList::FindAreaByObjectName(std::u16string_view name) const {
  std::shared_ptr<PluginArea> found;
  for (const auto& window : fWindows) {
    for (const auto& area : window->areas) {
      if (area->objectName != name) {
        continue;
      }
      if (area.get() == CurrentDelivery().area) {
        return area;
      }
      if (!found) {
        found = area;
      }
    }
  }
  return found;
}

WindowList& Windows() {
  static WindowList windows;
  return windows;
}

Delivery& CurrentDelivery() {
  static Delivery delivery;
  return delivery;
}

int32_t& EditMenuItems() {
  static int32_t items = 0;
  return items;
}

} // namespace zvhost
