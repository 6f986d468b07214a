// Library attach on POSIX systems: the paths of the library and of the host program, recorded
// when the loader maps the library.
#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include "host/FourD.h"
#include "host/HostText.h"
#include "host/PluginPaths.h"

bool IsPathSeparator(PA_Unichar unit) {
  return unit == '/';
}

namespace {

// A path that does not fit is left out rather than cut, since a cut path names something else.
void StorePath(const char* path, char* out, size_t capacity) {
  const size_t length = strlen(path);
  if (length < capacity) {
    memcpy(out, path, length + 1);
  }
}

void StoreWidePath(const char* path) {
  static PA_Unichar wide[PATH_MAX + 1];
  const size_t units = FourD::BytesToUni(path, strlen(path), wide, PATH_MAX + 1);
  if (units < kPluginFilePathUnits) {
    memcpy(sPluginFilePath, wide, (units + 1) * sizeof(PA_Unichar));
  }
}

void StoreFolder(const char* path) {
  const char* lastSeparator = strrchr(path, '/');
  const size_t length = lastSeparator != nullptr ? lastSeparator - path + 1 : 0;
  if (length < sizeof FourD::fPluginDir) {
    memcpy(FourD::fPluginDir, path, length);
    FourD::fPluginDir[length] = 0;
  }
}

void RecordLibrary() {
  Dl_info info;
  if (dladdr(reinterpret_cast<void*>(&RecordLibrary), &info) == 0 || info.dli_fname == nullptr) {
    return;
  }
  // The host may have loaded us by a relative path and change folders later.
  static char resolved[PATH_MAX];
  const char* path = realpath(info.dli_fname, resolved) != nullptr ? resolved : info.dli_fname;
  sPluginInstance = info.dli_fbase;
  FourD::fPluginInstance = info.dli_fbase;
  StoreWidePath(path);
  StorePath(path, FourD::fPluginFilePath, sizeof FourD::fPluginFilePath);
  StoreFolder(path);
}

void RecordProcess() {
  FourD::fProcessHandle = dlopen(nullptr, RTLD_LAZY);
  static char path[PATH_MAX];
  const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
  if (length <= 0) {
    return;
  }
  path[length] = 0;
  StorePath(path, FourD::fProcessFilePath, sizeof FourD::fProcessFilePath);
}

// Runs when the library is loaded, before the host's first call.
__attribute__((constructor)) void RecordModulePaths() {
  RecordLibrary();
  RecordProcess();
}

} // namespace
