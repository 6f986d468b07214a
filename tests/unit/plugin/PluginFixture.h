// Runs each test against a fresh emulated host with the plug-in initialised through its entry
// point, and checks after deinitialisation that no host object was left behind.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "plugin/Entry.h"
#include "sdk/FourDPluginAPI.h"
#include "zvhost/Host.h"

class PluginTest : public ::testing::Test {
protected:
  void SetUp() override { InitPlugin(zvhost::ProgramMode::SingleUser, 0x1400); }

  void TearDown() override {
    FourDPackex(kFDDeinitPlugin, nullptr, nullptr, nullptr);
    EXPECT_EQ(zvhost::CountLiveObjects().Total(), 0);
  }

  // `entry` stands between the plug-in and the host when given.
  void InitPlugin(zvhost::ProgramMode mode, uint32_t hostVersion, FDCallBack entry = nullptr) {
    zvhost::ResetHost(mode, hostVersion);
    fInitBlock = FDPackInitBlock{};
    fInitBlock.fHostVersion = hostVersion;
    fInitBlock.fCallBack = entry != nullptr ? entry : zvhost::CallBackEntry();
    FourDPackex(kFDInitPlugin, &fInitBlock, nullptr, nullptr);
  }

  FDPackInitBlock fInitBlock{};
};

inline std::u16string TextOf(const FDStringBlock& block) {
  if (block.fString == nullptr) {
    return {};
  }
  return std::u16string(reinterpret_cast<const char16_t*>(block.fString), block.fLength);
}
