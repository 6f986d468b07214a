#include <gtest/gtest.h>

#include "util/ZVKeys.h"
#include "zvhost/Host.h"

namespace {

class KeysTest : public ::testing::Test {
protected:
  void SetUp() override { zvhost::ResetHost(); }
  void TearDown() override { zvhost::ResetHost(); }
};

TEST_F(KeysTest, ModifierKeysGiveTheirEventBits) {
  struct Case {
    int keyCode;
    uint16_t mask;
  } cases[] = {{55, 0x100}, {56, 0x200}, {57, 0x400}, {58, 0x800}, {59, 0x1000}};
  EXPECT_EQ(GetModifiers(), 0);
  for (const Case& c : cases) {
    zvhost::SetKeyDown(c.keyCode, true);
    EXPECT_EQ(GetModifiers(), c.mask) << c.keyCode;
    EXPECT_TRUE(KeyPressed(static_cast<int16_t>(c.keyCode)));
    zvhost::SetKeyDown(c.keyCode, false);
  }
  zvhost::SetKeyDown(55, true);
  zvhost::SetKeyDown(56, true);
  EXPECT_EQ(GetModifiers(), 0x300);
}

TEST_F(KeysTest, KeyPressedReadsOneKeyOnly) {
  zvhost::SetKeyDown(123, true);
  EXPECT_TRUE(KeyPressed(123));
  EXPECT_FALSE(KeyPressed(122));
  EXPECT_FALSE(KeyPressed(124));
  EXPECT_FALSE(KeyPressed(-1));
  EXPECT_FALSE(KeyPressed(128));
  EXPECT_EQ(GetModifiers(), 0);
}

TEST(TradCharCode, IsTheLowByteOfTheMessage) {
  EventRecord event{};
  event.message = 0x1C41;
  EXPECT_EQ(GetTradCharCode(&event), 0x41);
  EXPECT_EQ(GetTradCharCode(nullptr), 0);
}

} // namespace
