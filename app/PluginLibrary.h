// The plug-in library as zorvi-host loads it: dlopen, its entry point, and the command
// manifest that lies beside its folder.
#pragma once

#include <string>

#include "sdk/FourDPluginAPI.h"

class PluginLibrary {
public:
  PluginLibrary() = default;
  ~PluginLibrary();
  PluginLibrary(const PluginLibrary&) = delete;
  PluginLibrary& operator=(const PluginLibrary&) = delete;

  // False with a message when the library or its entry point cannot be had.
  bool Open(const std::string& path, std::string* message);
  void Close();

  FourDPackexProc Entry() const { return fEntry; }
  // <dir of the library>/../manifest.txt
  std::string ManifestPath() const;

private:
  void* fHandle = nullptr;
  FourDPackexProc fEntry = nullptr;
  std::string fPath;
};
