// Helpers for the emulator's tests: calling the callback entry, UTF-16 texts, captured LOG
// lines, and a fixture that starts from a fresh host and checks nothing leaked.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "zvhost/Host.h"

namespace hosttest {

inline FDEngineBlock NewBlock() {
  FDEngineBlock b;
  std::memset(&b, 0, sizeof(b));
  return b;
}

inline FDEngineBlock Call(int16_t selector, FDEngineBlock b) {
  zvhost::CallBackEntry()(selector, &b);
  return b;
}

inline const PA_Unichar* U(const char16_t* text) {
  return reinterpret_cast<const PA_Unichar*>(text);
}

inline std::u16string Text(const FDStringBlock& block) {
  return block.fString == nullptr ? std::u16string()
                                  : std::u16string(reinterpret_cast<const char16_t*>(block.fString),
                                                   static_cast<size_t>(block.fLength));
}

inline std::u16string Terminated(const PA_Unichar* text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text));
}

template <typename T>
T Load(const ValueBlock& v, size_t offset = kValueBlockValueOffset) {
  T out;
  std::memcpy(&out, v.fBytes + offset, sizeof(T));
  return out;
}

template <typename T>
void Put(ValueBlock& v, uint8_t kind, const T& value) {
  std::memset(&v, 0, sizeof(v));
  v.fBytes[0] = kind;
  std::memcpy(v.fBytes + kValueBlockValueOffset, &value, sizeof(T));
}

// A fresh host for every test; LOG lines are captured; live objects must be back to zero once
// the host has dropped its own state.
class HostTest : public ::testing::Test {
protected:
  void SetUp() override {
    zvhost::ResetHost();
    zvhost::SetLogSink([this](const std::string& line) { fLog.push_back(line); });
  }
  void TearDown() override {
    zvhost::SetPluginEntry(nullptr);
    zvhost::ClearHostState();
    EXPECT_EQ(0, zvhost::CountLiveObjects().Total()) << "host objects leaked";
    zvhost::SetLogSink(nullptr);
    zvhost::ResetHost();
  }

  // Runs code that must succeed.
  void Run(const std::string& code) {
    std::string message;
    ASSERT_EQ(0, zvhost::RunCode(code, &message)) << message;
  }

  std::vector<std::string> fLog;
};

} // namespace hosttest
