#include "host/ValueBlock.h"
#include "tests/unit/host/HostTestSupport.h"

namespace {

using hosttest::HostTest;
using hosttest::Str;
using hosttest::U;
using hosttest::Uni;

std::u16string Text(const FDStringBlock& block) {
  return Str(block.fString, block.fLength);
}

TEST_F(HostTest, TextBlocksAreMadeSetAndReleasedThroughTheHost) {
  FDStringBlock block{};
  ASSERT_EQ(FourD::CreateFDString(&block), 0);
  EXPECT_EQ(block.fLength, 0);
  std::u16string hello = Uni("hello");
  ASSERT_EQ(FourD::SetFDString(&block, U(hello), 5), 0);
  EXPECT_EQ(Text(block), hello);
  EXPECT_EQ(zvhost::CountLiveObjects().textBlocks, 1);
  EXPECT_EQ(FourD::SetEmptyFDString(&block), 0);
  EXPECT_EQ(block.fLength, 0);
  EXPECT_EQ(FourD::DisposeFDStringBlock(&block), 0);
  EXPECT_EQ(block.fString, nullptr);
  EXPECT_EQ(FourD::SetFDString(&block, nullptr, 3), kFDErrBadParameter);
  EXPECT_EQ(FourD::CreateFDString(nullptr), kFDErrBadParameter);
}

TEST_F(HostTest, MemoryHandlesResizeLockAndReportErrors) {
  FDHandle handle = FourD::NewHandle(10);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(FourD::GetHandleSize(handle), 10);
  EXPECT_EQ(FourD::SetHandleSize(handle, 40), 0);
  EXPECT_EQ(FourD::GetHandleSize(handle), 40);
  EXPECT_EQ(FourD::HLock(handle), 0);
  EXPECT_NE(FourD::HGetState(handle) & kFDMemLockedState, 0);
  signed char locked = FourD::HGetState(handle);
  EXPECT_EQ(FourD::HUnlock(handle), 0);
  EXPECT_EQ(FourD::HGetState(handle) & kFDMemLockedState, 0);
  EXPECT_EQ(FourD::HSetState(handle, locked), 0);
  EXPECT_NE(FourD::HGetState(handle) & kFDMemLockedState, 0);
  EXPECT_EQ(FourD::DisposeHandle(handle), 0);

  EXPECT_EQ(FourD::DisposeHandle(nullptr), kFDErrNilHandle);
  EXPECT_EQ(FourD::LastMemoryError(), kFDErrNilHandle);
  zvhost::SetHostMemoryLimit(64);
  EXPECT_EQ(FourD::NewHandle(1000), nullptr);
  EXPECT_EQ(FourD::LastMemoryError(), kFDErrNoMemory);
}

TEST_F(HostTest, ExpressionsTokenizeRunAndGiveTheirTokensBack) {
  std::u16string source = Uni("3*4+1");
  FDHandle tokens = nullptr;
  ASSERT_EQ(FourD::TokenizeProcV12(U(source), static_cast<int32_t>(source.size()), &tokens), 0);
  ASSERT_NE(tokens, nullptr);
  ValueBlock result;
  ClearValueBlock(&result, kFDUndefined);
  ASSERT_EQ(FourD::ExecTokenizedFuncV12(tokens, &result), 0);
  int32_t value = 0;
  EXPECT_EQ(Value2Long(&result, &value), 0);
  EXPECT_EQ(value, 13);
  FreeValueBlock(&result);
  FourD::DisposeHandleV11(tokens);

  std::u16string broken = Uni("3*(");
  EXPECT_NE(FourD::TokenizeProcV12(U(broken), static_cast<int32_t>(broken.size()), &tokens), 0);
  EXPECT_EQ(tokens, nullptr);
}

TEST_F(HostTest, MethodsAreFoundAndCalledWithValueBlocks) {
  ASSERT_EQ(zvhost::DefineMethod("Twice", "$0:=$1*2"), 0);
  std::u16string name = Uni("Twice");
  int32_t id = FourD::GetMethodID(U(name));
  ASSERT_NE(id, 0);
  ValueBlock blocks[2];
  ClearValueBlock(&blocks[0], kFDUndefined);
  ClearValueBlock(&blocks[1], kFDLongint);
  SetValueLong(&blocks[1], 21);
  ASSERT_EQ(FourD::CallMethodID(id, 1, blocks), 0);
  int32_t value = 0;
  Value2Long(&blocks[0], &value);
  EXPECT_EQ(value, 42);
  FreeValueBlock(&blocks[0]);
  std::u16string missing = Uni("NoSuchMethod");
  EXPECT_EQ(FourD::GetMethodID(U(missing)), 0);
}

TEST_F(HostTest, FormattersGiveThePlainRenderingWithoutAFormat) {
  PA_Unichar out[32];
  ASSERT_EQ(FourD::FormatLong(1234, nullptr, out, 32), 0);
  EXPECT_EQ(Str(out), u"1234");
  ASSERT_EQ(FourD::FormatReal(2.5, nullptr, out, 32), 0);
  EXPECT_EQ(Str(out), u"2.5");
  ASSERT_EQ(FourD::FormatBoolean(true, nullptr, out, 32), 0);
  EXPECT_EQ(Str(out), u"True");
  ASSERT_EQ(FourD::FormatLong(1234, nullptr, out, 3), 0); // cut to the buffer
  EXPECT_EQ(Str(out), u"12");
  EXPECT_EQ(FourD::FormatLong(1, nullptr, nullptr, 3), kFDErrBadParameter);
}

TEST_F(HostTest, CommandNamesComeBackNarrow) {
  struct Case {
    int32_t command;
    const char* name;
  } cases[] = {{283, "C_LONGINT"}, {284, "C_TEXT"}, {285, "C_REAL"}, {604, "C_BLOB"}};
  for (const Case& c : cases) {
    char name[64];
    ASSERT_EQ(FourD::GetCommandName(c.command, name, sizeof name), 0);
    EXPECT_STREQ(name, c.name);
  }
  char small[4];
  ASSERT_EQ(FourD::GetCommandName(283, small, sizeof small), 0);
  EXPECT_STREQ(small, "C_L");
}

TEST_F(HostTest, TextComparisonHonoursTheCaseSwitch) {
  std::u16string a = Uni("Apple"), b = Uni("apple");
  int32_t n = 5;
  EXPECT_EQ(FourD::CompareUniStrings(U(a), n, U(b), n, 0), 0);
  EXPECT_NE(FourD::CompareUniStrings(U(a), n, U(b), n, kFDCompareCaseSensitive), 0);
  std::u16string c = Uni("banana");
  EXPECT_EQ(FourD::CompareUniStrings(U(a), n, U(c), 6, 0), -1);
}

TEST_F(HostTest, PicturesCarryTheirSizeThroughHostCommands) {
  FDPicture picture = NewPicture();
  ASSERT_NE(picture, nullptr);
  int32_t width = 0, height = 0;
  ASSERT_EQ(FourD::GetPictureDimensions(picture, &width, &height), 0);
  EXPECT_EQ(width, 3);
  EXPECT_EQ(height, 2);
  int32_t byteSize = 0;
  ASSERT_EQ(FourD::GetPictureSizeByCommand(picture, &byteSize), 0);
  EXPECT_EQ(byteSize, static_cast<int32_t>(sizeof hosttest::kRedPng));
  EXPECT_EQ(FourD::GetPictureByteSize(picture), byteSize);

  FDPicture copy = nullptr;
  ASSERT_EQ(FourD::DuplicateFDPicture(picture, &copy), 0);
  FDNativeImage* image = nullptr;
  ASSERT_EQ(FourD::CreateNativeImageForScreen(copy, &image), 0);
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->fWidth, 3);
  EXPECT_EQ(image->fPixels[0], 0xFFFF0000u);
  FourD::DisposeNativeImage(image);
  EXPECT_EQ(FourD::DisposeFDPicture(copy), 0);
  EXPECT_EQ(FourD::DisposeFDPicture(picture), 0);
  EXPECT_EQ(FourD::CreateFDPicture(nullptr, 4, &picture), kFDErrBadParameter);
  EXPECT_EQ(picture, nullptr);
}

TEST_F(HostTest, FormEventIsZeroOutsideForms) {
  int32_t event = -1;
  EXPECT_EQ(FourD::CurrentFormEvent(&event), 0);
  EXPECT_EQ(event, 0);
}

} // namespace
