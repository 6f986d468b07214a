// Makes the emulated host know the plug-in's commands by name, as a database calls them.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "plugin/CommandManifest.h"
#include "plugin/PlugInfo.h"
#include "zvhost/Host.h"

// 0 when the host read the manifest; `tag` keeps the files of parallel tests apart.
inline int LoadZorviCommandsIntoHost(const std::string& tag) {
  const std::string path =
      ::testing::TempDir() + tag + "_" + std::to_string(getpid()) + ".manifest";
  {
    std::ofstream out(path);
    out << FormatCommandManifest(gZorvi_GlueTable, kZorviCommandCount);
  }
  const int error = zvhost::LoadCommandManifest(path);
  std::remove(path.c_str());
  return error;
}
