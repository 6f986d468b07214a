// A plug-in initialised against the emulator through the recording host entry, and a
// recording manager whose areas the tests drive event by event.
#pragma once

#include <gtest/gtest.h>

#include "../plugin/PluginFixture.h"
#include "RecordingArea.h"
#include "area/AreaEvents.h"

class AreaTest : public PluginTest {
protected:
  void SetUp() override {
    AreaTestHost::Reset();
    gAreaLifeLog.clear();
    InitPlugin(zvhost::ProgramMode::SingleUser, 0x1400, AreaTestHost::Entry);
  }

  // A new area on `page` (0: every page) whose first event has already been handled.
  RecordingArea* NewArea(int16_t page = 1, intptr_t when = 0) {
    int32_t ref = NewAreaRef(page, when);
    RecordingArea* area = fManager.AreaOf(ref);
    if (area != nullptr) {
      Send(area, kAreaIdle);
      area->fCalls.clear();
    }
    return area;
  }

  int32_t NewAreaRef(int16_t page, intptr_t when = 0) {
    EventRecord event{};
    event.what = kAreaInit;
    event.when = when;
    int32_t ref = 0;
    fManager.DispatchEvent(&event, &fRect, u16(u"grid"), u16(u"object"), &ref);
    if (RecordingArea* area = fManager.AreaOf(ref)) {
      area->Params().fPage = page;
    }
    return ref;
  }

  EventRecord Send(RecordingArea* area, uint16_t what, intptr_t message = 7, intptr_t when = 0,
                   Point where = {0, 0}, uint16_t modifiers = 0x55) {
    EventRecord event{what, message, when, where, modifiers};
    int32_t ref = area->GetAreaRef();
    fManager.DispatchEvent(&event, &fRect, u16(u"grid"), u16(u"object"), &ref);
    return event;
  }

  static const PA_Unichar* u16(const char16_t* text) {
    return reinterpret_cast<const PA_Unichar*>(text);
  }

  Rect fRect{10, 20, 110, 220}; // top, left, bottom, right
  RecordingManager fManager;
};
