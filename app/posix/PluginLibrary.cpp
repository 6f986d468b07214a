#include "PluginLibrary.h"

#include <dlfcn.h>

#include <filesystem>

PluginLibrary::~PluginLibrary() {
  Close();
}

bool PluginLibrary::Open(const std::string& path, std::string* message) {
  fPath = path;
  // Kept mapped after dlclose: the text libraries it pulls in start worker threads that may still
  // be running when the plug-in is closed, and unmapping their code under them would crash.
  fHandle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
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
