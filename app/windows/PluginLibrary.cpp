#include "PluginLibrary.h"

#include <windows.h>

#include <filesystem>

PluginLibrary::~PluginLibrary() {
  Close();
}

bool PluginLibrary::Open(const std::string& path, std::string* message) {
  fPath = path;
  fHandle = LoadLibraryA(path.c_str());
  if (fHandle == nullptr) {
    *message = "cannot load " + path + ": error " + std::to_string(GetLastError());
    return false;
  }
  fEntry = reinterpret_cast<FourDPackexProc>(
      reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(fHandle), "FourDPackex")));
  if (fEntry == nullptr) {
    *message = path + " has no FourDPackex entry point";
    Close();
    return false;
  }
  return true;
}

// Left loaded: the plug-in's worker threads may still be winding down when it is closed.
void PluginLibrary::Close() {
  fHandle = nullptr;
  fEntry = nullptr;
}

std::string PluginLibrary::ManifestPath() const {
  namespace fs = std::filesystem;
  return (fs::path(fPath).parent_path() / ".." / "manifest.txt").lexically_normal().string();
}
