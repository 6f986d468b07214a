// Code the plug-in has the host run: tokenized formulas in counted token handles, methods by
// id with value-block parameters, and errors as codes.
#include "HostTestSupport.h"

namespace {

using namespace hosttest;

FDHandle Tokenize(const std::u16string& text, int16_t* error = nullptr) {
  FDEngineBlock b = NewBlock();
  b.fPtr1 = const_cast<char16_t*>(text.data());
  b.fParam1 = static_cast<int32_t>(text.size());
  b = Call(kFDTokenizeProc, b);
  if (error != nullptr) {
    *error = b.fError;
  }
  return b.fHandle;
}

FDEngineBlock Evaluate(FDHandle tokens) {
  FDEngineBlock b = NewBlock();
  b.fHandle = tokens;
  return Call(kFDExecTokenizedFunc, b);
}

int16_t DisposeTokens(FDHandle tokens) {
  FDEngineBlock b = NewBlock();
  b.fHandle = tokens;
  return Call(kFDDisposeTokens, b).fError;
}

TEST_F(HostTest, FormulaInACountedTokenHandle) {
  Run("gZVCurrentCell:=4");
  FDHandle tokens = Tokenize(u"gZVCurrentCell*10+2");
  ASSERT_NE(nullptr, tokens);
  EXPECT_EQ(1, zvhost::CountLiveObjects().handles);
  for (int cell = 1; cell <= 3; ++cell) {
    FDEngineBlock set = NewBlock();
    set.fUName = U(u"gZVCurrentCell");
    Put<int32_t>(set.fValue, kFDLongint, cell);
    Call(kFDSetVariable, set);
    const FDEngineBlock result = Evaluate(tokens);
    ASSERT_EQ(0, result.fError);
    EXPECT_EQ(kFDLongint, result.fValue.fBytes[0]);
    EXPECT_EQ(cell * 10 + 2, Load<int32_t>(result.fValue));
  }
  EXPECT_EQ(0, DisposeTokens(tokens));
  EXPECT_EQ(0, zvhost::CountLiveObjects().handles);
}

TEST_F(HostTest, FormulaResultsBelongToTheCaller) {
  FDHandle tokens = Tokenize(u"\"cell \"+String(7)");
  FDEngineBlock result = Evaluate(tokens);
  ASSERT_EQ(kFDText, result.fValue.fBytes[0]);
  auto text = Load<FDStringBlock>(result.fValue);
  EXPECT_EQ(u"cell 7", Text(text));
  EXPECT_EQ(1, zvhost::CountLiveObjects().textBlocks);
  FDEngineBlock dispose = NewBlock();
  dispose.fPtr1 = &text;
  Call(kFDDisposeFDString, dispose);
  // Disposing of tokens as a plain handle drops them too.
  FDEngineBlock memory = NewBlock();
  memory.fParam1 = kFDMemDispose;
  memory.fHandle = tokens;
  EXPECT_EQ(0, Call(kFDMemory, memory).fError);
  EXPECT_EQ(kFDErrBadParameter, Evaluate(tokens).fError);
}

TEST_F(HostTest, ProceduresRunStatements) {
  FDHandle tokens = Tokenize(u"C_LONGINT(gCount)\ngCount:=gCount+1");
  for (int i = 0; i < 3; ++i) {
    FDEngineBlock b = NewBlock();
    b.fHandle = tokens;
    EXPECT_EQ(0, Call(kFDExecTokenizedProc, b).fError);
  }
  DisposeTokens(tokens);
  Run("LOG(gCount)");
  EXPECT_EQ("3", fLog.at(0));
}

TEST_F(HostTest, CodeErrorsAreCodes) {
  int16_t error = 0;
  EXPECT_EQ(nullptr, Tokenize(u"1+(", &error));
  EXPECT_EQ(kFDErrSyntax, error);
  EXPECT_EQ(0, zvhost::CountLiveObjects().handles);

  FDHandle tokens = Tokenize(u"gUndefinedThing+1");
  EXPECT_EQ(kFDErrRuntime, Evaluate(tokens).fError);
  DisposeTokens(tokens);

  EXPECT_EQ(kFDErrNilHandle, Evaluate(nullptr).fError);
  char* forged = nullptr;
  EXPECT_EQ(kFDErrBadParameter, Evaluate(&forged).fError);
  EXPECT_EQ(kFDErrBadParameter, DisposeTokens(&forged));
  FDEngineBlock negative = NewBlock();
  negative.fParam1 = -1;
  EXPECT_EQ(kFDErrBadParameter, Call(kFDTokenizeProc, negative).fError);
}

TEST_F(HostTest, EmptyFormulaTokenizes) {
  FDHandle tokens = Tokenize(u"");
  ASSERT_NE(nullptr, tokens);
  EXPECT_EQ(0, Evaluate(tokens).fError);
  DisposeTokens(tokens);
}

TEST_F(HostTest, MethodsById) {
  ASSERT_EQ(0, zvhost::DefineMethod("Handler", "gSeen:=String($1)+\"/\"+String($2)\n$0:=$1+$2"));
  FDEngineBlock id = NewBlock();
  id.fUName = U(u"handler");
  id = Call(kFDGetMethodID, id);
  ASSERT_NE(0, id.fParam1);
  ValueBlock blocks[3];
  std::memset(blocks, 0, sizeof(blocks));
  Put<int32_t>(blocks[1], kFDLongint, 4);
  Put<int32_t>(blocks[2], kFDLongint, 13);
  FDEngineBlock call = NewBlock();
  call.fParam1 = id.fParam1;
  call.fParam2 = 2;
  call.fPtr1 = blocks;
  ASSERT_EQ(0, Call(kFDCallMethodID, call).fError);
  EXPECT_EQ(17, Load<int32_t>(blocks[0]));
  Run("LOG(gSeen)");
  EXPECT_EQ("4/13", fLog.at(0));

  FDEngineBlock missing = NewBlock();
  missing.fUName = U(u"NoSuchMethod");
  EXPECT_EQ(0, Call(kFDGetMethodID, missing).fParam1);
  call.fParam1 = 999;
  EXPECT_EQ(kFDErrBadParameter, Call(kFDCallMethodID, call).fError);
  call.fParam1 = id.fParam1;
  call.fParam2 = 2;
  call.fPtr1 = nullptr;
  EXPECT_EQ(kFDErrBadParameter, Call(kFDCallMethodID, call).fError);
}

TEST_F(HostTest, MethodErrorsAreCodes) {
  ASSERT_EQ(0, zvhost::DefineMethod("Bad", "$0:=$1/0"));
  ASSERT_EQ(0, zvhost::DefineMethod("Unparsable", "If ("));
  for (const char16_t* name : {u"Bad", u"Unparsable"}) {
    FDEngineBlock id = NewBlock();
    id.fUName = U(name);
    ValueBlock blocks[2];
    std::memset(blocks, 0, sizeof(blocks));
    Put<int32_t>(blocks[1], kFDLongint, 1);
    FDEngineBlock call = NewBlock();
    call.fParam1 = Call(kFDGetMethodID, id).fParam1;
    call.fParam2 = 1;
    call.fPtr1 = blocks;
    EXPECT_NE(0, Call(kFDCallMethodID, call).fError);
  }
}

} // namespace
