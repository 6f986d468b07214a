// The area's scroll bars: controls of the host's compatibility layer, each backed by a native
// scroll-bar window. Live thumb tracking runs through a window procedure that subclasses the host
// window once, however many areas it holds; arrows and the page area track through the layer.
#pragma once

#include <stdint.h>

#include "sdk/HostPlatform.h"

class ZorvinArea;

class ZorvinAreaControlsWin {
public:
  static ControlHandle CreateScrollbar(GrafPtr window, ZorvinArea* area);
  static int32_t GetScrollbarSize();

  static void TagOneLiveScrollbar(ControlHandle control);
  static void UntagOneLiveScrollbar(ControlHandle control);
  static bool IsScrollbarTagged(ControlHandle control);
  static void TagLiveScrollbars(ZorvinArea* area);
  static void UntagLiveScrollbars(ZorvinArea* area);

  static void InstallLiveScrollWndProc(ZorvinArea* area);
  static void RemoveLiveScrollWndProc(ZorvinArea* area);
  static LRESULT CALLBACK WndScrollProc(HWND window, uint32_t message, WPARAM wParam,
                                        LPARAM lParam);
  static void LiveScroll(ControlHandle control, uint32_t message, WPARAM wParam);
  static void SynchControlHWND(ControlHandle control);
  static void DrawScrollbar(ControlHandle control);

  static int16_t HandleControlClick(ZorvinArea* area, ControlHandle control, int16_t part,
                                    Point where);
  static int16_t TrackLiveControl(ControlHandle control, Point where);
  static void ScrollActionProc(ControlHandle control, int16_t part);
};
