// The host's process window on Windows: the host registers it under a window class named like a
// prefix of its program's path, the whole path first.
#pragma once

#include <windows.h>

// The window of the longest prefix of `programPath` that names a window class, else the active
// window (null when there is none).
HWND FindProcessWindow(const char* programPath);
