// A build without the grid: same entry and table, but only the version commands work.
#if !ZORVI_WITH_GRID

#include <gtest/gtest.h>

#include <string.h>

#include "ParamBlock.h"
#include "PluginFixture.h"

class WithoutGrid : public PluginTest {};

TEST_F(WithoutGrid, EveryCommandButTheVersionCommandsAnswersMinus2093AndWritesNothing) {
  int checked = 0;
  for (int selector = 2; selector <= kZorviCommandCount; ++selector) {
    const CommandInfo& command = gZorvi_GlueTable[selector - 1];
    const GlueProc glue = command.fGlue;
    if (glue == nullptr || selector == 67 || selector == 68) {
      continue;
    }
    const char* name = command.fName;
    SCOPED_TRACE(name);
    ParamBlock block(selector);
    block.SetLong(0, 1);
    std::vector<std::vector<unsigned char>> before;
    for (size_t i = 0; i < block.Count(); ++i) {
      before.emplace_back(block.Bytes(i), block.Bytes(i) + 32);
    }
    EXPECT_EQ(block.Run(), -2093);
    for (size_t i = 0; i < block.Count(); ++i) {
      EXPECT_EQ(memcmp(before[i].data(), block.Bytes(i), 32), 0) << "parameter " << i;
      if (block.KindAt(i) == kFDText) {
        EXPECT_EQ(block.TextAt(i), u"old");
      }
    }
    ++checked;
  }
  EXPECT_EQ(checked, 46);
}

TEST_F(WithoutGrid, AreaCommandDoesNothing) {
  EventRecord event{};
  event.what = 16; // init
  Rect rect{0, 0, 50, 50};
  FDStringBlock name{}, unused{}, object{};
  int32_t refCell = 0;
  void* params[] = {&event, &rect, &name, &refCell, &unused, &object};
  FourDPackex(kFDAreaCommand, params, nullptr, nullptr);
  EXPECT_EQ(refCell, 0);
  EXPECT_EQ(event.what, 16);
  EXPECT_EQ(event.message, 0);
}

TEST_F(WithoutGrid, VersionCommandsStillWork) {
  ParamBlock version(67);
  EXPECT_EQ(version.Run(), 0);
  EXPECT_EQ(version.TextAt(0), u"F0000171");
  EXPECT_EQ(version.TextAt(1), u"Zorvi v.1.7.1");
  ParamBlock quickTime(68);
  EXPECT_EQ(quickTime.Run(), 0);
  EXPECT_EQ(quickTime.TextAt(0), u"old");
}

#endif
