// A stand-in for the plug-in's area command: it records every area event it is given, with what
// the host can be asked while the event is delivered, gives each area a reference at init, and
// lets a test write replies.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "FakePlugin.h"
#include "HostTestSupport.h"

namespace fakearea {

struct Received {
  uint16_t what = 0;
  intptr_t message = 0;
  intptr_t when = 0;
  Point where{};
  uint16_t modifiers = 0;
  Rect rect{};
  std::u16string name;
  std::u16string objectName;
  int32_t reference = 0;                 // the private word as it came
  void* updateContext = nullptr;         // GetUpdateHDC during the event
  int32_t formEvent = 0;                 // host command 388 during the event
  std::vector<unsigned char> initRecord; // the extended init record (602), copied
};

// Replies: called after recording, with the event and the private word.
using Reply = std::function<void(EventRecord& event, int32_t* word)>;

struct State {
  std::vector<Received> events;
  std::vector<std::string> calls; // every entry call in order: "event N" or "deinit"
  Reply reply;
  int32_t nextReference = 101;
};

inline State& Get() {
  static State state;
  return state;
}

inline int32_t FormEvent() {
  FDEngineBlock b = hosttest::NewBlock();
  b.fParam1 = 388;
  b = hosttest::Call(kFDExecuteCommandByID, b);
  return hosttest::Load<int32_t>(b.fValue);
}

inline void AreaCommand(void* params, void*) {
  auto** p = static_cast<void**>(params);
  auto* event = static_cast<EventRecord*>(p[0]);
  auto* word = static_cast<int32_t*>(p[3]);
  Received r;
  r.what = event->what;
  r.message = event->message;
  r.when = event->when;
  r.where = event->where;
  r.modifiers = event->modifiers;
  r.rect = *static_cast<Rect*>(p[1]);
  r.name = hosttest::Text(*static_cast<FDStringBlock*>(p[2]));
  r.objectName = hosttest::Text(*static_cast<FDStringBlock*>(p[5]));
  r.reference = *word;
  r.updateContext = hosttest::Call(kFDGetUpdateHDC, hosttest::NewBlock()).fPtr1;
  r.formEvent = FormEvent();
  if (event->what == 602 && event->message != 0) {
    const auto* record = reinterpret_cast<const unsigned char*>(event->message);
    r.initRecord.assign(record, record + 54);
  }
  Get().events.push_back(r);
  Get().calls.push_back("event " + std::to_string(event->what));
  if (event->what == 16 || event->what == 602) {
    *word = Get().nextReference++;
  } else if (event->what == 17) {
    *word = 0;
  }
  if (Get().reply) {
    Get().reply(*event, word);
  }
}

inline void Install() {
  Get() = State();
  fakeplugin::Install();
  fakeplugin::On(kFDAreaCommand, AreaCommand);
  fakeplugin::On(kFDDeinitPlugin, [](void*, void*) { Get().calls.push_back("deinit"); });
}

// The codes of the recorded events, in order.
inline std::vector<int> Codes() {
  std::vector<int> codes;
  for (const Received& r : Get().events) {
    codes.push_back(r.what);
  }
  return codes;
}

// (code, reference) pairs, to see which area got what.
inline std::vector<std::pair<int, int32_t>> CodesAndAreas() {
  std::vector<std::pair<int, int32_t>> out;
  for (const Received& r : Get().events) {
    out.emplace_back(r.what, r.reference);
  }
  return out;
}

} // namespace fakearea
