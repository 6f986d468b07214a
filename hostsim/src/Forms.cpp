#include "Forms.h"

#include <algorithm>
#include <new>
#include <utility>

#include "Controls.h"
#include "NativeWindows.h"
#include "live/LiveSession.h"

namespace zvhost {

namespace {
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
} // namespace

std::shared_ptr<Window> WindowList::Open(const Rect& frame, int32_t process, std::u16string title) {
  auto window = std::make_shared<Window>();
  const int32_t width = frame.right - frame.left;
  const int32_t height = frame.bottom - frame.top;
  try {
    window->pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), kOpaqueWhite);
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  window->number = fNextNumber++;
  window->frame = frame;
  window->process = process;
  window->title = std::move(title);
  window->context = FDDeviceContext{width, height, width * 4, window->pixels.data()};
  window->record = native::CreateHostWindow(window.get());
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
  native::DestroyHostWindow((*it)->record);
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
