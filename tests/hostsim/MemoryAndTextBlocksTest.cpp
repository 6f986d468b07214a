// Memory handles (the eight operations, lock state, -109 and -108) and text blocks (created,
// set, emptied and disposed of by the host; ordered with case and diacritic switches).
#include "HostTestSupport.h"
#include "tests/ParamNames.h"

namespace {

using namespace hosttest;

FDEngineBlock Memory(int32_t op, FDHandle handle, int32_t value = 0) {
  FDEngineBlock b = NewBlock();
  b.fParam1 = op;
  b.fHandle = handle;
  b.fParam2 = value;
  return Call(kFDMemory, b);
}

TEST_F(HostTest, HandleOperations) {
  const FDEngineBlock made = Memory(kFDMemNew, nullptr, 10);
  ASSERT_EQ(0, made.fError);
  FDHandle h = made.fHandle;
  ASSERT_NE(nullptr, h);
  EXPECT_EQ(1, zvhost::CountLiveObjects().handles);
  EXPECT_EQ(10, Memory(kFDMemGetSize, h).fParam2);
  EXPECT_EQ(0, (*h)[9]); // cleared
  std::memcpy(*h, "0123456789", 10);
  ASSERT_EQ(0, Memory(kFDMemSetSize, h, 4000).fError);
  EXPECT_EQ(4000, Memory(kFDMemGetSize, h).fParam2);
  EXPECT_EQ(0, std::memcmp(*h, "0123456789", 10)); // contents kept across a move
  EXPECT_EQ(0, (*h)[3999]);

  EXPECT_EQ(0, Memory(kFDMemGetState, h).fParam2 & kFDMemLockedState);
  ASSERT_EQ(0, Memory(kFDMemLock, h).fError);
  EXPECT_NE(0, Memory(kFDMemGetState, h).fParam2 & kFDMemLockedState);
  // A locked block cannot move, so it cannot grow past what it holds; it can shrink.
  EXPECT_EQ(kFDErrNoMemory, Memory(kFDMemSetSize, h, 100000).fError);
  EXPECT_EQ(0, Memory(kFDMemSetSize, h, 8).fError);
  ASSERT_EQ(0, Memory(kFDMemUnlock, h).fError);
  EXPECT_EQ(0, Memory(kFDMemGetState, h).fParam2 & kFDMemLockedState);
  ASSERT_EQ(0, Memory(kFDMemSetState, h, kFDMemLockedState).fError);
  EXPECT_EQ(kFDMemLockedState, Memory(kFDMemGetState, h).fParam2);

  ASSERT_EQ(0, Memory(kFDMemDispose, h).fError);
  EXPECT_EQ(0, zvhost::CountLiveObjects().handles);
}

TEST_F(HostTest, EmptyHandleHasData) {
  FDHandle h = Memory(kFDMemNew, nullptr, 0).fHandle;
  ASSERT_NE(nullptr, h);
  EXPECT_NE(nullptr, *h);
  EXPECT_EQ(0, Memory(kFDMemGetSize, h).fParam2);
  Memory(kFDMemDispose, h);
}

class NullHandle : public HostTest, public ::testing::WithParamInterface<int32_t> {};

TEST_P(NullHandle, GivesMinus109) {
  EXPECT_EQ(kFDErrNilHandle, Memory(GetParam(), nullptr, 4).fError);
}

INSTANTIATE_TEST_SUITE_P(Host, NullHandle,
                         ::testing::Values(kFDMemDispose, kFDMemSetSize, kFDMemGetSize, kFDMemLock,
                                           kFDMemUnlock, kFDMemGetState, kFDMemSetState),
                         paramnames::By([](int32_t op) {
                           return "operation " + std::to_string(op);
                         }));

TEST_F(HostTest, BadHandleRequestsAreErrors) {
  char* notOurs = nullptr;
  EXPECT_EQ(kFDErrBadParameter, Memory(kFDMemDispose, &notOurs).fError);
  EXPECT_EQ(kFDErrBadParameter, Memory(kFDMemGetSize, &notOurs).fError);
  EXPECT_EQ(kFDErrBadParameter, Memory(kFDMemNew, nullptr, -1).fError);
  FDHandle h = Memory(kFDMemNew, nullptr, 1).fHandle;
  EXPECT_EQ(kFDErrBadParameter, Memory(99, h).fError);
  Memory(kFDMemDispose, h);
}

TEST_F(HostTest, FailedAllocationGivesMinus108) {
  zvhost::SetHostMemoryLimit(1000);
  FDEngineBlock b = Memory(kFDMemNew, nullptr, 2000);
  EXPECT_EQ(kFDErrNoMemory, b.fError);
  EXPECT_EQ(nullptr, b.fHandle);
  FDHandle h = Memory(kFDMemNew, nullptr, 600).fHandle;
  ASSERT_NE(nullptr, h);
  EXPECT_EQ(kFDErrNoMemory, Memory(kFDMemSetSize, h, 1200).fError);
  EXPECT_EQ(600, Memory(kFDMemGetSize, h).fParam2); // unchanged
  Memory(kFDMemDispose, h);
  // The language reports it as an error, not a crash.
  std::string message;
  EXPECT_NE(0, zvhost::RunCode("ARRAY LONGINT($a;100000)", &message));
}

FDEngineBlock TextOp(int16_t selector, FDStringBlock* block, const char16_t* text = nullptr,
                     int32_t count = 0) {
  FDEngineBlock b = NewBlock();
  b.fPtr1 = block;
  b.fPtr2 = const_cast<PA_Unichar*>(U(text));
  b.fParam1 = count;
  return Call(selector, b);
}

TEST_F(HostTest, TextBlockLifecycle) {
  FDStringBlock block;
  std::memset(&block, 0xAB, sizeof(block)); // whatever was there is not looked at
  ASSERT_EQ(0, TextOp(kFDCreateFDString, &block).fError);
  ASSERT_NE(nullptr, block.fString);
  EXPECT_EQ(0, block.fLength);
  EXPECT_EQ(0, block.fString[0]);

  ASSERT_EQ(0, TextOp(kFDSetFDString, &block, u"abcdef", 3).fError);
  EXPECT_EQ(u"abc", Text(block));
  EXPECT_EQ(0, block.fString[3]); // zero-terminated
  EXPECT_EQ(1, zvhost::CountLiveObjects().textBlocks);

  ASSERT_EQ(0, TextOp(kFDSetEmptyFDString, &block).fError);
  EXPECT_EQ(0, block.fLength);
  EXPECT_EQ(1, zvhost::CountLiveObjects().textBlocks);

  ASSERT_EQ(0, TextOp(kFDDisposeFDString, &block).fError);
  EXPECT_EQ(nullptr, block.fString);
  EXPECT_EQ(0, block.fLength);
  EXPECT_EQ(0, block.fHostWord1);
  EXPECT_EQ(0, zvhost::CountLiveObjects().textBlocks);
  // Disposing of an empty block again is harmless.
  EXPECT_EQ(0, TextOp(kFDDisposeFDString, &block).fError);
}

TEST_F(HostTest, BadTextBlockRequestsAreErrors) {
  PA_Unichar foreign[] = {u'x', 0};
  FDStringBlock forged{1, foreign, 0, 0};
  EXPECT_EQ(kFDErrBadParameter, TextOp(kFDDisposeFDString, &forged).fError);
  EXPECT_EQ(kFDErrBadParameter, TextOp(kFDSetFDString, &forged, u"y", 1).fError);
  EXPECT_EQ(foreign, forged.fString); // left alone
  FDStringBlock block{};
  EXPECT_EQ(kFDErrBadParameter, TextOp(kFDSetFDString, &block, u"y", -1).fError);
  EXPECT_EQ(kFDErrBadParameter, TextOp(kFDSetFDString, &block, nullptr, 2).fError);
  EXPECT_EQ(kFDErrBadParameter, TextOp(kFDCreateFDString, nullptr).fError);
}

struct CompareCase {
  const char16_t* a;
  const char16_t* b;
  int32_t options;
  int32_t expected;
};

class CompareUniStrings : public HostTest, public ::testing::WithParamInterface<CompareCase> {};

TEST_P(CompareUniStrings, OrdersWithSwitches) {
  const CompareCase& c = GetParam();
  FDEngineBlock b = NewBlock();
  b.fPtr1 = const_cast<PA_Unichar*>(U(c.a));
  b.fParam1 = static_cast<int32_t>(std::char_traits<char16_t>::length(c.a));
  b.fPtr2 = const_cast<PA_Unichar*>(U(c.b));
  b.fParam2 = static_cast<int32_t>(std::char_traits<char16_t>::length(c.b));
  b.fParam3 = c.options;
  b = Call(kFDCompareUniStrings, b);
  EXPECT_EQ(0, b.fError);
  EXPECT_EQ(c.expected, b.fParam4);
}

constexpr int32_t kCase = kFDCompareCaseSensitive;
constexpr int32_t kMarks = kFDCompareDiacriticSensitive;

INSTANTIATE_TEST_SUITE_P(
    Host, CompareUniStrings,
    ::testing::Values(
        CompareCase{u"abc", u"abc", kCase | kMarks, 0},
        CompareCase{u"abc", u"abd", kCase | kMarks, -1}, CompareCase{u"abd", u"abc", 0, 1},
        CompareCase{u"ab", u"abc", 0, -1}, CompareCase{u"", u"", 0, 0},
        CompareCase{u"ABC", u"abc", 0, 0}, CompareCase{u"ABC", u"abc", kCase, -1},
        CompareCase{u"été", u"ete", 0, 0}, CompareCase{u"été", u"ete", kMarks, 1},
        CompareCase{u"ÉTÉ", u"ete", kMarks, 1}, CompareCase{u"ÉTÉ", u"été", 0, 0},
        CompareCase{u"ÉTÉ", u"été", kMarks, 0}, CompareCase{u"ÉTÉ", u"ete", kCase, -1},
        CompareCase{u"Straße", u"STRASSE", 0, 1}, CompareCase{u"Łódź", u"lodz", 0, 0}),
    paramnames::By([](const CompareCase& c) {
      return paramnames::Narrow(c.a) + " " + paramnames::Narrow(c.b) + " options " +
             std::to_string(c.options);
    }));

} // namespace
