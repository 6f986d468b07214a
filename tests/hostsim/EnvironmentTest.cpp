// Program flags, processes, the clock and the keyboard, colours, and the window services that
// answer safely while there are no windows.
#include "HostTestSupport.h"
#include "tests/ParamNames.h"

namespace {

using namespace hosttest;

struct FlagsCase {
  zvhost::ProgramMode mode;
  int32_t flags;
};

class ProgramFlags : public HostTest, public ::testing::WithParamInterface<FlagsCase> {};

TEST_P(ProgramFlags, FollowTheMode) {
  zvhost::ResetHost(GetParam().mode, 0x1700);
  EXPECT_EQ(0x1700u, zvhost::HostVersion());
  FDEngineBlock b = NewBlock();
  b.fParam1 = kFDProgramFlagsRequest;
  b = Call(kFDGetProgramFlags, b);
  EXPECT_EQ(0, b.fError);
  EXPECT_EQ(GetParam().flags, b.fParam1);
}

INSTANTIATE_TEST_SUITE_P(
    Host, ProgramFlags,
    ::testing::Values(FlagsCase{zvhost::ProgramMode::SingleUser, 0},
                      FlagsCase{zvhost::ProgramMode::Client, kFDProgramClient},
                      FlagsCase{zvhost::ProgramMode::Server, kFDProgramServer}),
    paramnames::By([](const FlagsCase& c) { return "flags " + std::to_string(c.flags); }));

TEST_F(HostTest, ResourceIdAndRecords) {
  EXPECT_EQ(zvhost::kPluginResourceID, Call(kFDGetResourceID, NewBlock()).fParam1);
  EXPECT_EQ(-1, Call(kFDRecordNumber, NewBlock()).fParam1);
  EXPECT_EQ(kFDErrNotAvailable, Call(kFDGetFileName, NewBlock()).fError);
  EXPECT_EQ(kFDErrUnknownCommand, Call(-9999, NewBlock()).fError);
  zvhost::CallBackEntry()(kFDGetResourceID, nullptr); // no block: nothing happens
}

TEST_F(HostTest, ClockMovesOnlyWhenTold) {
  EXPECT_EQ(0u, TickCount());
  zvhost::AdvanceTicks(5);
  Run("ADVANCE TICKS(10)\nLOG(Tickcount)");
  EXPECT_EQ("15", fLog.at(0));
  EXPECT_EQ(15u, TickCount());
  EXPECT_EQ(30u, GetDblTime());
}

TEST_F(HostTest, KeyMapFollowsKeysDown) {
  KeyMap keys;
  zvhost::SetKeyDown(0x38, true); // shift
  zvhost::SetKeyDown(0x37, true);
  zvhost::SetKeyDown(0x37, false);
  zvhost::SetKeyDown(5000, true); // ignored
  GetKeys(keys);
  EXPECT_EQ(0x01, keys[7]);
  for (int i = 0; i < 16; ++i) {
    if (i != 7) {
      EXPECT_EQ(0, keys[i]) << i;
    }
  }
}

struct ColorCase {
  int32_t color;
  int16_t error;
  int32_t red;
  int32_t green;
  int32_t blue;
  uint32_t argb;
};

class Colors : public HostTest, public ::testing::WithParamInterface<ColorCase> {};

TEST_P(Colors, ConvertToChannelsAndArgb) {
  const ColorCase& c = GetParam();
  FDEngineBlock b = NewBlock();
  b.fParam1 = c.color;
  b = Call(kFDGetRGBColor, b);
  EXPECT_EQ(c.error, b.fError);
  EXPECT_EQ(c.red, b.fParam1);
  EXPECT_EQ(c.green, b.fParam2);
  EXPECT_EQ(c.blue, b.fParam3);
  FDEngineBlock argb = NewBlock();
  argb.fParam1 = c.color;
  EXPECT_EQ(c.argb, static_cast<uint32_t>(Call(kFDGetARGBFrom4DColor, argb).fParam1));
  if (c.error == 0) {
    FDEngineBlock back = NewBlock();
    back.fParam1 = c.red;
    back.fParam2 = c.green;
    back.fParam3 = c.blue;
    EXPECT_EQ(c.argb, static_cast<uint32_t>(Call(kFDGetARGBFromRGBColor, back).fParam1));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Host, Colors,
    ::testing::Values(ColorCase{0x00FF8000, 0, 0xFFFF, 0x8080, 0, 0xFFFF8000},
                      ColorCase{0, 0, 0, 0, 0, 0xFF000000},
                      ColorCase{0xFFFFFF, 0, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFFFFFF},
                      ColorCase{-254, 0, 0, 0x7878, 0xD7D7, 0xFF0078D7}, // highlight
                      ColorCase{-256, kFDErrBadParameter, 0, 0, 0, 0},   // none: transparent
                      ColorCase{-3, kFDErrBadParameter, 0, 0, 0, 0xFF000000}),
    paramnames::By([](const ColorCase& c) { return "argb " + std::to_string(c.argb); }));

TEST_F(HostTest, PlatformColors) {
  FDEngineBlock b = NewBlock();
  b.fParam1 = 13;
  EXPECT_EQ(0x0078D7, Call(kFDGetPlatformColor, b).fParam1);
  b.fParam1 = 999;
  EXPECT_EQ(kFDErrBadParameter, Call(kFDGetPlatformColor, b).fError);
}

TEST_F(HostTest, WindowServicesAnswerSafelyWithoutWindows) {
  EventRecord event;
  std::memset(&event, 0x5A, sizeof(event));
  FDEngineBlock b = NewBlock();
  b.fPtr1 = &event;
  b.fParam1 = 0xFFFF;
  b = Call(kFDGetNextEvent, b);
  EXPECT_EQ(0, b.fParam1);
  EXPECT_EQ(0, event.what);
  EXPECT_EQ(0, Call(kFDGetNextEvent, NewBlock()).fError); // no record: nothing written
  EXPECT_EQ(kFDErrNotAvailable, Call(kFDInvalidateAreaRect, NewBlock()).fError);
  EXPECT_EQ(kFDErrNotAvailable, Call(kFDSetAreaClipMode, NewBlock()).fError);
  EXPECT_EQ(kFDErrNotAvailable, Call(kFDCreateTip, NewBlock()).fError);
  EXPECT_EQ(kFDErrNotAvailable, Call(kFDStartDrag, NewBlock()).fError);
  EXPECT_EQ(kFDErrNotAvailable, Call(kFDGetAreaKeyEventInfo, NewBlock()).fError);
  EXPECT_EQ(nullptr, Call(kFDGetUpdateHDC, NewBlock()).fPtr1);
  FDEngineBlock map = NewBlock();
  map.fPtr1 = &event;
  EXPECT_EQ(nullptr, Call(kFDHWNDToMacWindow, map).fPtr2);
  EXPECT_EQ(0, Call(kFDGetDialogFromWindow, map).fParam1);
  EXPECT_EQ(0, Call(kFDGetWindowProcess, map).fParam1);
}

} // namespace
