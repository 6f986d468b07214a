#include "host/PluginPaths.h"

#include <string.h>

#include <new>

#include "host/FourD.h"
#include "host/HostText.h"

void* sPluginInstance = nullptr;
PA_Unichar sPluginFilePath[kPluginFilePathUnits] = {};

namespace {

constexpr PA_Unichar kResources[] = {'R', 'e', 's', 'o', 'u', 'r', 'c', 'e', 's'};
constexpr size_t kResourcesUnits = sizeof kResources / sizeof kResources[0];

} // namespace

size_t MakeResourcesFolderPath(const PA_Unichar* libraryPath, PA_Unichar* out, size_t capacity) {
  const size_t length = FourD::UniLength(libraryPath);
  size_t keep = 0;
  int separators = 0;
  for (size_t i = length; i > 0 && separators < 2; --i) {
    if (IsPathSeparator(libraryPath[i - 1]) && ++separators == 2) {
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
