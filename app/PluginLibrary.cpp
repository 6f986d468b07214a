#include "PluginLibrary.h"

#include <dlfcn.h>

#include <filesystem>

PluginLibrary::~PluginLibrary() {
  Close();
}

bool PluginLibrary::Open(const std::string& path, std::string* message) {
  fPath = path;
  fHandle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (fHandle == nullptr) {
    *message = "cannot load " + path + ": " + dlerror();
    return false;
  }
  fEntry = reinterpret_cast<FourDPackexProc>(dlsym(fHandle, "FourDPackex"));
  if (fEntry == nullptr) {
    *message = path + " has no FourDPackex entry point";
    Close();
    return false;
  }
  return true;
}

void PluginLibrary::Close() {
  if (fHandle != nullptr) {
    dlclose(fHandle);
  }
  fHandle = nullptr;
  fEntry = nullptr;
}

std::string PluginLibrary::ManifestPath() const {
  namespace fs = std::filesystem;
  return (fs::path(fPath).parent_path() / ".." / "manifest.txt").lexically_normal().string();
}
