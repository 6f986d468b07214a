#include <gtest/gtest.h>

#include "host/CArray.h"
#include "host/CFourDVars.h"
#include "host/FourD.h"
#include "host/ValueBlock.h"

namespace {

// Whatever other tests bound, these run with no host entry at all.
class UninitialisedHostTest : public ::testing::Test {
protected:
  void SetUp() override {
    fSaved = FourD::fCallBack11Address;
    FourD::fCallBack11Address = nullptr;
  }
  void TearDown() override { FourD::fCallBack11Address = fSaved; }
  FDCallBack fSaved = nullptr;
};

TEST_F(UninitialisedHostTest, WrappersAnswerAnErrorInsteadOfCalling) {
  EXPECT_FALSE(FourD::IsInitialized());
  const PA_Unichar name[] = {'x', 0};
  ValueBlock value;
  ClearValueBlock(&value, kFDLongint);
  EXPECT_EQ(FourD::GetVariable(name, &value), kFDErrNotAvailable);
  EXPECT_EQ(FourD::SetVariable(name, &value, 0), kFDErrNotAvailable);
  FDHandle tokens = reinterpret_cast<FDHandle>(1);
  EXPECT_EQ(FourD::TokenizeProcV12(name, 1, &tokens), kFDErrNotAvailable);
  EXPECT_EQ(tokens, nullptr);
  EXPECT_EQ(FourD::NewHandle(8), nullptr);
  EXPECT_EQ(FourD::LastMemoryError(), kFDErrNotAvailable);
  FDStringBlock text{};
  EXPECT_EQ(FourD::CreateFDString(&text), kFDErrNotAvailable);
  EXPECT_EQ(FourD::CurrentProcess(), 0);
  EXPECT_EQ(FourD::GetUpdateHDC(), nullptr);
  EXPECT_FALSE(FourD::GetNextEvent(-1, nullptr));
  char command[16] = "junk";
  EXPECT_EQ(FourD::GetCommandName(283, command, sizeof command), kFDErrNotAvailable);
  EXPECT_STREQ(command, "");
  int32_t width = 5, height = 5;
  EXPECT_EQ(FourD::GetPictureDimensions(nullptr, &width, &height), kFDErrNotAvailable);
  EXPECT_EQ(width, 0);
  FourD::Yield();
  FourD::DisposeHandleV11(tokens);
}

TEST_F(UninitialisedHostTest, VariablesAndArraysFailQuietly) {
  CFourDLongVar var("n");
  EXPECT_EQ(var.SetLongValue(4), kFDErrNotAvailable);
  int32_t value = 7;
  EXPECT_EQ(var.GetLongValue(&value), kFDErrNotAvailable);
  EXPECT_EQ(value, 0);
  PA_Unichar declaration[kFourDDeclarationCapacity];
  var.GetDeclaration(declaration);
  EXPECT_EQ(declaration[0], 0);

  // An array block whose data handle is gone: reads give zero, resizing reports the host.
  CArray array{};
  unsigned char kind = kFDArrayLongint;
  memcpy(&array, &kind, 1);
  int32_t element = 3;
  array.At(0, element);
  EXPECT_EQ(element, 0);
  EXPECT_EQ(array.SetArraySize(-1), kFDErrBadParameter);
  EXPECT_EQ(array.SetArraySize(2), kFDErrNotAvailable);
  EXPECT_EQ(array.GetArraySize(), 0);
  FourD::Init(nullptr);
}

} // namespace
