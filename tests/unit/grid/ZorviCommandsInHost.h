// The whole plug-in in the emulated host, its commands known by name as a database calls them.
#pragma once

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "../plugin/PluginFixture.h"
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

// A fixture's part in that: the host calls the plug-in, runs code, and forgets it all after.
class GridInHost : public PluginTest {
protected:
  void StartGrid(const std::string& tag, FourDPackexProc entry = FourDPackex) {
    zvhost::SetPluginEntry(entry);
    ASSERT_EQ(LoadZorviCommandsIntoHost(tag), 0);
  }
  void StopGrid() {
    zvhost::CloseAllWindows();
    zvhost::SetPluginEntry(nullptr);
    zvhost::ClearHostState();
  }
  // The pixel at point (x, y) of the first window as 0xRRGGBB (the surfaces are opaque).
  static uint32_t Pixel(int x, int y) {
    const FDDeviceContext* dc = GetDC(zvhost::HostWindow(1));
    if (dc == nullptr || x < 0 || y < 0 || x >= dc->fWidth || y >= dc->fHeight) {
      return 0xDEAD;
    }
    const auto* row = reinterpret_cast<const unsigned char*>(dc->fPixels) + y * dc->fRowBytes;
    return reinterpret_cast<const uint32_t*>(row)[x] & 0xFFFFFF;
  }
  void Run(const std::string& code) {
    std::string message;
    ASSERT_EQ(zvhost::RunCode(code, &message), 0) << message;
  }
};
