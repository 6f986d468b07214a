// A plug-in side bound to a freshly reset emulated host, with checks that nothing leaks.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "host/FourD.h"
#include "zvhost/Host.h"

namespace hosttest {

inline std::u16string Uni(const char* ascii) {
  return std::u16string(ascii, ascii + strlen(ascii));
}

// The host's units are uint16_t; the tests write texts as u"" literals.
inline const PA_Unichar* U(const std::u16string& text) {
  return reinterpret_cast<const PA_Unichar*>(text.c_str());
}
inline const PA_Unichar* U(const char16_t* text) {
  return reinterpret_cast<const PA_Unichar*>(text);
}
inline std::u16string Str(const PA_Unichar* text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}
inline std::u16string Str(const PA_Unichar* text, int32_t length) {
  return text ? std::u16string(reinterpret_cast<const char16_t*>(text), static_cast<size_t>(length))
              : u"";
}

// A 3 x 2 PNG, opaque red.
inline const unsigned char kRedPng[] = {
    0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44,
    0x52, 0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x06, 0x00, 0x00, 0x00, 0x9D,
    0x74, 0x66, 0x1A, 0x00, 0x00, 0x00, 0x11, 0x49, 0x44, 0x41, 0x54, 0x78, 0x9C, 0x63, 0xF8,
    0xCF, 0xC0, 0xF0, 0x1F, 0x86, 0x19, 0x90, 0x39, 0x00, 0x9B, 0x7E, 0x0B, 0xF5, 0x72, 0xB0,
    0xB9, 0x3C, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

class HostTest : public ::testing::Test {
protected:
  void SetUp() override { Bind(zvhost::ProgramMode::SingleUser, 0x1400); }

  // What the host itself holds goes; whatever the plug-in side still holds shows as a leak.
  void TearDown() override {
    zvhost::ClearHostState();
    zvhost::LiveObjects live = zvhost::CountLiveObjects();
    EXPECT_EQ(live.textBlocks, 0);
    EXPECT_EQ(live.pictures, 0);
    EXPECT_EQ(live.handles, 0);
    EXPECT_EQ(live.nativeImages, 0);
    zvhost::ResetHost();
  }

  void Bind(zvhost::ProgramMode mode, uint32_t version) {
    zvhost::ResetHost(mode, version);
    fInitBlock = FDPackInitBlock{};
    fInitBlock.fHostVersion = version;
    fInitBlock.fCallBack = zvhost::CallBackEntry();
    FourD::Init(&fInitBlock);
  }

  void Run(const std::string& code) {
    std::string message;
    ASSERT_EQ(zvhost::RunCode(code, &message), 0) << message;
  }

  FDPicture NewPicture() {
    FDPicture picture = nullptr;
    EXPECT_EQ(FourD::CreateFDPicture(kRedPng, sizeof kRedPng, &picture), 0);
    return picture;
  }

  FDPackInitBlock fInitBlock{};
};

} // namespace hosttest
