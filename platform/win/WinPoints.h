// Points between windows. "Global" points are client coordinates of the host's process window.
#pragma once

#include "platform/win/CGGeometry.h"
#include "sdk/HostPlatform.h"

class ZorvinArea;

class WinPoints {
public:
  static CGPoint GetLocalMouse(HWND window);
  static CGPoint GetGlobalMouse();
  static CGPoint GlobalToLocalPoint(GrafPtr window, CGPoint point);
  static CGPoint LocalToGlobalPoint(GrafPtr window, CGPoint point);
  static GrafPtr FindWindowAtGlobalPoint(CGPoint point);
  static ZorvinArea* FindAreaAtGlobalPoint(CGPoint point);
};
