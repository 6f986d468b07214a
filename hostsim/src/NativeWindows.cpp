// The registry of native windows, and the window system's services on them that are not about
// scroll bars: properties, window procedures, parents, points, the mouse and surfaces.
#include "NativeWindows.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <deque>
#include <memory>

#include <sys/mman.h>

#include "Forms.h"
#include "HostState.h"

namespace zvhost::native {

namespace {

constexpr int32_t kScrollBarThickness = 16;

using Record = std::array<unsigned char, kWindowRecordSize>;

// Records are handed out once and kept for the life of the process.
std::deque<Record>& Records() {
  static std::deque<Record> records;
  return records;
}

// Handles fit in 32 bits, as native window handles do on the host's platform, so that host
// records with 32-bit window fields (the extended init record) carry them whole. Records come
// from blocks mapped low for that; the heap stands in where no such mapping can be had.
unsigned char* NewRecord() {
  constexpr size_t kRecordsPerBlock = 1024;
  static unsigned char* block = nullptr;
  static size_t used = kRecordsPerBlock;
#ifdef MAP_32BIT
  if (used == kRecordsPerBlock) {
    void* mapped = mmap(nullptr, kRecordsPerBlock * kWindowRecordSize, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
    if (mapped != MAP_FAILED) {
      block = static_cast<unsigned char*>(mapped);
      used = 0;
    }
  }
#endif
  if (used == kRecordsPerBlock) {
    return Records().emplace_back().data();
  }
  return block + kWindowRecordSize * used++;
}

std::vector<std::unique_ptr<NativeWindow>>& Registry() {
  static std::vector<std::unique_ptr<NativeWindow>> windows;
  return windows;
}

LRESULT DefaultProcedure(HWND window, uint32_t message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcA(window, message, wParam, lParam);
}

NativeWindow* Register(Kind kind, HWND parent) {
  unsigned char* record = NewRecord();
  std::memset(record, 0, kWindowRecordSize);
  auto window = std::make_unique<NativeWindow>();
  window->kind = kind;
  window->handle = record;
  window->parent = parent;
  window->procedure = &DefaultProcedure;
  Registry().push_back(std::move(window));
  return Registry().back().get();
}

// A property name is a UTF-16 text, or an atom: a small number in the pointer.
bool PropKey(const PA_Unichar* name, std::u16string* key) {
  if (name == nullptr) {
    return false;
  }
  const auto value = reinterpret_cast<uintptr_t>(name);
  if (value < 0x10000) {
    key->assign(1, u'#');
    key->push_back(static_cast<char16_t>(value));
    return true;
  }
  key->clear();
  for (const PA_Unichar* p = name; *p != 0; ++p) {
    key->push_back(static_cast<char16_t>(*p));
  }
  return true;
}

} // namespace

unsigned char* CreateHostWindow(Window* window) {
  NativeWindow* native = Register(Kind::Host, GetProcessWindow());
  native->host = window;
  auto* record = static_cast<unsigned char*>(native->handle);
  // Open windows have a control list, even an empty one.
  const uint32_t open = 1;
  std::memcpy(record + kWindowRecordControlListOffset, &open, sizeof open);
  return record;
}

void DestroyHostWindow(unsigned char* record) {
  if (record == nullptr) {
    return;
  }
  Destroy(record);
  std::memset(record, 0, kWindowRecordSize);
}

HWND CreateScrollBarWindow(HWND parent, ControlHandle control) {
  NativeWindow* native = Register(Kind::ScrollBar, parent);
  native->control = control;
  return native->handle;
}

void Destroy(HWND window) {
  auto& registry = Registry();
  std::vector<HWND> doomed{window};
  for (size_t i = 0; i < doomed.size(); ++i) {
    for (const auto& candidate : registry) {
      if (candidate->parent == doomed[i]) {
        doomed.push_back(candidate->handle);
      }
    }
  }
  std::erase_if(registry, [&](const auto& candidate) {
    return std::find(doomed.begin(), doomed.end(), candidate->handle) != doomed.end();
  });
}

void ResetProcessWindow() {
  NativeWindow* process = Find(GetProcessWindow());
  process->props.clear();
  process->procedure = &DefaultProcedure;
}

NativeWindow* Find(HWND window) {
  if (window == nullptr) {
    return nullptr;
  }
  for (const auto& candidate : Registry()) {
    if (candidate->handle == window) {
      return candidate.get();
    }
  }
  return nullptr;
}

bool ClientOrigin(HWND window, int32_t* x, int32_t* y) {
  const NativeWindow* native = Find(window);
  if (native == nullptr) {
    return false;
  }
  *x = 0;
  *y = 0;
  switch (native->kind) {
  case Kind::Process:
    break;
  case Kind::Host:
    *x = native->host->frame.left;
    *y = native->host->frame.top;
    break;
  case Kind::ScrollBar:
    if (!ClientOrigin(native->parent, x, y) || native->control == nullptr ||
        *native->control == nullptr) {
      return false;
    }
    *x += (*native->control)->contrlRect.left;
    *y += (*native->control)->contrlRect.top;
    break;
  }
  return true;
}

void SetMouse(int32_t x, int32_t y) {
  State().fMouseX = x;
  State().fMouseY = y;
}

} // namespace zvhost::native

using zvhost::native::Find;
using zvhost::native::NativeWindow;

extern "C" {

int32_t SetPropW(HWND window, const PA_Unichar* name, void* value) {
  NativeWindow* native = Find(window);
  std::u16string key;
  if (native == nullptr || !zvhost::native::PropKey(name, &key)) {
    return 0;
  }
  for (auto& prop : native->props) {
    if (prop.first == key) {
      prop.second = value;
      return 1;
    }
  }
  native->props.emplace_back(std::move(key), value);
  return 1;
}

void* GetPropW(HWND window, const PA_Unichar* name) {
  const NativeWindow* native = Find(window);
  std::u16string key;
  if (native == nullptr || !zvhost::native::PropKey(name, &key)) {
    return nullptr;
  }
  for (const auto& prop : native->props) {
    if (prop.first == key) {
      return prop.second;
    }
  }
  return nullptr;
}

void* RemovePropW(HWND window, const PA_Unichar* name) {
  NativeWindow* native = Find(window);
  std::u16string key;
  if (native == nullptr || !zvhost::native::PropKey(name, &key)) {
    return nullptr;
  }
  for (auto it = native->props.begin(); it != native->props.end(); ++it) {
    if (it->first == key) {
      void* value = it->second;
      native->props.erase(it);
      return value;
    }
  }
  return nullptr;
}

intptr_t GetWindowLongPtrA(HWND window, int32_t index) {
  const NativeWindow* native = Find(window);
  if (native == nullptr || index != GWLP_WNDPROC) {
    return 0;
  }
  return reinterpret_cast<intptr_t>(native->procedure);
}

intptr_t SetWindowLongPtrA(HWND window, int32_t index, intptr_t value) {
  NativeWindow* native = Find(window);
  // A window without a procedure could not take messages at all.
  if (native == nullptr || index != GWLP_WNDPROC || value == 0) {
    return 0;
  }
  const auto previous = reinterpret_cast<intptr_t>(native->procedure);
  native->procedure = reinterpret_cast<WNDPROC>(value);
  return previous;
}

LRESULT CallWindowProcA(WNDPROC procedure, HWND window, uint32_t message, WPARAM wParam,
                        LPARAM lParam) {
  return procedure != nullptr ? procedure(window, message, wParam, lParam) : 0;
}

LRESULT DefWindowProcA(HWND, uint32_t, WPARAM, LPARAM) {
  return 0;
}

LRESULT SendMessageA(HWND window, uint32_t message, WPARAM wParam, LPARAM lParam) {
  const NativeWindow* native = Find(window);
  if (native == nullptr) {
    return 0;
  }
  // Copied first: the procedure may destroy the window it runs for.
  const WNDPROC procedure = native->procedure;
  return procedure(window, message, wParam, lParam);
}

int32_t GetSystemMetrics(int32_t index) {
  return index == SM_CXVSCROLL ? zvhost::native::kScrollBarThickness : 0;
}

int32_t GetCursorPos(POINT* point) {
  if (point == nullptr) {
    return 0;
  }
  point->x = zvhost::State().fMouseX;
  point->y = zvhost::State().fMouseY;
  return 1;
}

int32_t ScreenToClient(HWND window, POINT* point) {
  int32_t x = 0;
  int32_t y = 0;
  if (point == nullptr || !zvhost::native::ClientOrigin(window, &x, &y)) {
    return 0;
  }
  point->x -= x;
  point->y -= y;
  return 1;
}

int32_t ClientToScreen(HWND window, POINT* point) {
  int32_t x = 0;
  int32_t y = 0;
  if (point == nullptr || !zvhost::native::ClientOrigin(window, &x, &y)) {
    return 0;
  }
  point->x += x;
  point->y += y;
  return 1;
}

int32_t IsWindow(HWND window) {
  return Find(window) != nullptr ? 1 : 0;
}

HWND GetParent(HWND window) {
  const NativeWindow* native = Find(window);
  // The process window is the desktop's child, not ours to report.
  if (native == nullptr || native->kind == zvhost::native::Kind::Process) {
    return nullptr;
  }
  return native->parent;
}

HWND GetProcessWindow(void) {
  static HWND process = zvhost::native::Register(zvhost::native::Kind::Process, nullptr)->handle;
  return process;
}

FDDeviceContext* GetDC(HWND window) {
  const NativeWindow* native = Find(window);
  if (native == nullptr || native->kind != zvhost::native::Kind::Host) {
    return nullptr;
  }
  return &native->host->context;
}

int32_t GetClientRect(HWND window, RECT* rect) {
  const FDDeviceContext* dc = GetDC(window);
  if (dc == nullptr || rect == nullptr) {
    return 0;
  }
  *rect = RECT{0, 0, dc->fWidth, dc->fHeight};
  return 1;
}

int32_t ReleaseDC(HWND window, FDDeviceContext* dc) {
  // The surface stays the window's: giving it back only checks that it was that window's.
  return dc != nullptr && GetDC(window) == dc ? 1 : 0;
}

} // extern "C"
