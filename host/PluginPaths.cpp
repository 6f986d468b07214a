#include "host/PluginPaths.h"

#include <dlfcn.h>
#include <limits.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include <new>

#include "host/FourD.h"
#include "host/HostText.h"

void* sPluginInstance = nullptr;
PA_Unichar sPluginFilePath[kPluginFilePathUnits] = {};

namespace {

constexpr PA_Unichar kResources[] = {'R', 'e', 's', 'o', 'u', 'r', 'c', 'e', 's'};
constexpr size_t kResourcesUnits = sizeof kResources / sizeof kResources[0];

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

size_t MakeResourcesFolderPath(const PA_Unichar* libraryPath, PA_Unichar* out, size_t capacity) {
  const size_t length = FourD::UniLength(libraryPath);
  size_t keep = 0;
  int separators = 0;
  for (size_t i = length; i > 0 && separators < 2; --i) {
    if (libraryPath[i - 1] == '/' && ++separators == 2) {
      keep = i;
    }
  }
  if (keep + kResourcesUnits + 1 > capacity) {
    return 0;
  }
  memcpy(out, libraryPath, keep * sizeof(PA_Unichar));
  memcpy(out + keep, kResources, sizeof kResources);
  out[keep + kResourcesUnits] = 0;
  return keep + kResourcesUnits;
}

const PA_Unichar* GetPluginBundleResourcesFolderPath() {
  static PA_Unichar* sResourcesFolderPath = nullptr;
  if (sResourcesFolderPath != nullptr) {
    return sResourcesFolderPath;
  }
  const size_t capacity = FourD::UniLength(sPluginFilePath) + kResourcesUnits + 1;
  auto* path = new (std::nothrow) PA_Unichar[capacity];
  if (path == nullptr) {
    return nullptr;
  }
  MakeResourcesFolderPath(sPluginFilePath, path, capacity);
  sResourcesFolderPath = path;
  return sResourcesFolderPath;
}
