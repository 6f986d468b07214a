// The real window system under the emulator on Windows: the process window whose client
// coordinates are the global ones, and the class of the host windows placed in it.
#pragma once

#include <windows.h>

#include <string>

namespace zvhost {

// Made on first use: a top-level window whose class name is the executable's full path, as
// plug-ins look the host's process window up.
HWND ProcessWindow();
// The class of the host windows: children of the process window that own their device context.
const wchar_t* HostWindowClass();

// Posted to a host window that a person asked to close: its procedure cannot close it itself,
// since the emulator decides when a window goes.
constexpr UINT kHostCloseRequest = WM_APP + 1;

// GDI+ is started once, on first use, and left running until the process ends.
bool EnsureGdiplus();

// UTF-8 to the window system's wide text.
std::wstring WideText(const char* utf8);

} // namespace zvhost
