// Arrays made by the language live in host handles in the host array block layout.
#include <gtest/gtest.h>

#include <cstring>

#include "zvhost/Host.h"

namespace {

FDEngineBlock Block() {
  FDEngineBlock b;
  std::memset(&b, 0, sizeof(b));
  return b;
}

TEST(ArraysInHandles, TextArrayBlockLayout) {
  zvhost::ResetHost();
  std::string message;
  ASSERT_EQ(0, zvhost::RunCode("ARRAY TEXT(names;2)\nnames{1}:=\"ab\"\nnames{2}:=\"c\"", &message))
      << message;
  FDEngineBlock b = Block();
  const char16_t name[] = u"names";
  b.fUName = reinterpret_cast<const PA_Unichar*>(name);
  zvhost::CallBackEntry()(kFDGetVariable, &b);
  ASSERT_EQ(0, b.fError);
  EXPECT_EQ(kFDArrayText, b.fValue.fBytes[0]);
  int32_t count = 0;
  std::memcpy(&count, b.fValue.fBytes + kFDArrayCountOffset, 4);
  EXPECT_EQ(2, count);
  FDHandle h = nullptr;
  std::memcpy(&h, b.fValue.fBytes + kFDArrayHandleOffset, sizeof(h));
  ASSERT_NE(nullptr, h);
  FDStringBlock first;
  std::memcpy(&first, *h + sizeof(FDStringBlock), sizeof(first));
  ASSERT_EQ(2, first.fLength);
  EXPECT_EQ(u'a', first.fString[0]);
  EXPECT_EQ(u'b', first.fString[1]);
  EXPECT_EQ(0, first.fString[2]);
}

} // namespace
