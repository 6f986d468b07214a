// Library attach on Windows: DllMain and FourDDllMain record the module handles and paths of the
// library and the host program, and find the host's main window.
#include <windows.h>
// A 16-bit relic that windows.h still defines, and a name the host interface uses.
#undef Yield

#include <string.h>

#include "host/FourD.h"
#include "host/PluginPaths.h"
#include "host/windows/ProcessWindow.h"

bool IsPathSeparator(PA_Unichar unit) {
  return unit == '\\' || unit == '/';
}

namespace {

// A path that does not fit is left out rather than cut, since a cut path names something else.
void StoreModulePath(HMODULE module, char* out, DWORD capacity) {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(module, path, MAX_PATH + 1);
  if (length > 0 && length < capacity) {
    memcpy(out, path, length + 1);
  }
}

void StoreFolder(const char* path) {
  const char* lastSeparator = strrchr(path, '\\');
  const size_t length = lastSeparator != nullptr ? lastSeparator - path + 1 : 0;
  memcpy(FourD::fPluginDir, path, length);
  FourD::fPluginDir[length] = 0;
}

} // namespace

extern "C" BOOL WINAPI FourDDllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason != DLL_PROCESS_ATTACH) {
    return TRUE;
  }
  FourD::fPluginInstance = instance;
  FourD::fProcessHandle = GetModuleHandleW(nullptr);
  StoreModulePath(instance, FourD::fPluginFilePath, sizeof FourD::fPluginFilePath);
  StoreFolder(FourD::fPluginFilePath);
  StoreModulePath(nullptr, FourD::fProcessFilePath, sizeof FourD::fProcessFilePath);
  if (FourD::fProcessWindow == nullptr) {
    FourD::fProcessWindow = FindProcessWindow(FourD::fProcessFilePath);
  }
  FourD::fAppInstance = reinterpret_cast<void*>(
      GetWindowLongPtrA(static_cast<HWND>(FourD::fProcessWindow), GWLP_HINSTANCE));
  return TRUE;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  if (reason != DLL_PROCESS_ATTACH) {
    return TRUE;
  }
  sPluginInstance = instance;
  static_assert(sizeof(WCHAR) == sizeof(PA_Unichar));
  WCHAR path[kPluginFilePathUnits + 1] = {};
  const DWORD units = GetModuleFileNameW(instance, path, kPluginFilePathUnits + 1);
  if (units > 0 && units < kPluginFilePathUnits) {
    memcpy(sPluginFilePath, path, (units + 1) * sizeof(WCHAR));
  }
  return FourDDllMain(instance, reason, reserved);
}
