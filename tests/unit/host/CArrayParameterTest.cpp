#include "host/CArray.h"
#include "tests/unit/host/HostTestSupport.h"

namespace {

// A command that resizes the array it is passed, as commands with array outputs do:
// ZVTEST_ResizeArray(array; size) -> error.
void ResizeEntry(int32_t, void* params, void*, void* result) {
  void** cells = static_cast<void**>(params);
  auto* array = static_cast<CArray*>(cells[0]);
  int32_t size = *static_cast<int32_t*>(cells[1]);
  *static_cast<intptr_t*>(result) = array->SetArraySize(size);
}

class CArrayParameterTest : public hosttest::HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    zvhost::PluginCommand command;
    command.selector = 1;
    command.resultType = kFDTypeLongOut;
    for (uint8_t arrayKind : {kFDTypeTextArrayOut, kFDTypeLongArrayOut}) {
      command.name = arrayKind == kFDTypeTextArrayOut ? "ZVTEST_ResizeTexts" : "ZVTEST_ResizeLongs";
      command.paramTypes = {arrayKind, kFDTypeLongIn};
      zvhost::RegisterPluginCommand(command);
    }
    zvhost::SetPluginEntry(&ResizeEntry);
  }
  void TearDown() override {
    zvhost::SetPluginEntry(nullptr);
    HostTest::TearDown();
  }
};

TEST_F(CArrayParameterTest, HostTextArrayShrinksAndGrowsInPlace) {
  Run("ARRAY TEXT(t;3)\nt{1}:=\"a\"\nt{2}:=\"b\"\nt{3}:=\"c\"");
  int textsBefore = zvhost::CountLiveObjects().textBlocks;
  Run("ASSERT(ZVTEST_ResizeTexts(t;0)=0)\nASSERT(Size of array(t)=0)");
  EXPECT_EQ(zvhost::CountLiveObjects().textBlocks, textsBefore - 3);
  Run("ASSERT(ZVTEST_ResizeTexts(t;2)=0)\nASSERT(Size of array(t)=2)\nASSERT(t{2}=\"\")\n"
      "t{2}:=\"grown\"\nASSERT(t{2}=\"grown\")");
  Run("ASSERT(ZVTEST_ResizeTexts(t;-1)=-50)\nASSERT(Size of array(t)=2)");
}

TEST_F(CArrayParameterTest, HostLongArrayGrowsWithZeroes) {
  Run("ARRAY LONGINT(a;2)\na{1}:=11\na{2}:=22\nASSERT(ZVTEST_ResizeLongs(a;5)=0)\n"
      "ASSERT(Size of array(a)=5)\nASSERT(a{2}=22)\nASSERT(a{3}=0)\nASSERT(a{5}=0)\n"
      "a{5}:=55\nASSERT(ZVTEST_ResizeLongs(a;1)=0)\nASSERT(Size of array(a)=1)\nASSERT(a{1}=11)");
}

} // namespace
