// Process and interprocess variables through the callback entry: copies in both directions,
// unknown variables, per-process scopes, and bad input.
#include "HostTestSupport.h"

namespace {

using namespace hosttest;

FDEngineBlock GetVar(const char16_t* name, bool interprocess = false) {
  FDEngineBlock b = NewBlock();
  b.fUName = U(name);
  return Call(interprocess ? kFDGetVariableIP : kFDGetVariable, b);
}

int16_t SetVar(const char16_t* name, const ValueBlock& value, bool interprocess = false) {
  FDEngineBlock b = NewBlock();
  b.fUName = U(name);
  b.fValue = value;
  return Call(interprocess ? kFDSetVariableIP : kFDSetVariable, b).fError;
}

FDStringBlock NewText(const char16_t* text) {
  FDStringBlock block{};
  FDEngineBlock b = NewBlock();
  b.fPtr1 = &block;
  b.fPtr2 = const_cast<PA_Unichar*>(U(text));
  b.fParam1 = static_cast<int32_t>(std::char_traits<char16_t>::length(text));
  EXPECT_EQ(0, Call(kFDSetFDString, b).fError);
  return block;
}

void Dispose(FDStringBlock& block) {
  FDEngineBlock b = NewBlock();
  b.fPtr1 = &block;
  EXPECT_EQ(0, Call(kFDDisposeFDString, b).fError);
}

TEST_F(HostTest, UnknownVariableIsUndefined) {
  const FDEngineBlock b = GetVar(u"nothing");
  EXPECT_EQ(0, b.fError);
  EXPECT_EQ(kFDUndefined, b.fValue.fBytes[0]);
}

TEST_F(HostTest, LongsRealsAndBooleansRoundTrip) {
  ValueBlock v;
  Put<int32_t>(v, kFDLongint, -42);
  ASSERT_EQ(0, SetVar(u"gLong", v));
  Put<double>(v, kFDReal, 2.5);
  ASSERT_EQ(0, SetVar(u"gReal", v));
  Put<uint8_t>(v, kFDBoolean, 1);
  ASSERT_EQ(0, SetVar(u"gFlag", v));
  EXPECT_EQ(-42, Load<int32_t>(GetVar(u"gLong").fValue));
  EXPECT_EQ(2.5, Load<double>(GetVar(u"GREAL").fValue)); // names ignore case
  Run("LOG(gLong;gReal;gFlag)");
  EXPECT_EQ("-42\t2.5\tTrue", fLog.at(0));
}

TEST_F(HostTest, TextsAreCopiedBothWays) {
  FDStringBlock mine = NewText(u"héllo");
  ValueBlock v;
  Put(v, kFDText, mine);
  ASSERT_EQ(0, SetVar(u"gText", v));
  Dispose(mine); // the host kept its own copy
  const FDEngineBlock got = GetVar(u"gText");
  ASSERT_EQ(kFDText, got.fValue.fBytes[0]);
  auto copy = Load<FDStringBlock>(got.fValue);
  EXPECT_EQ(u"héllo", Text(copy));
  Dispose(copy); // the caller owns what it got
  Run("LOG(gText)");
  EXPECT_EQ("héllo", fLog.at(0));
  EXPECT_EQ(1, zvhost::CountLiveObjects().textBlocks); // the variable's own
}

TEST_F(HostTest, InterprocessVariablesAreApart) {
  ValueBlock v;
  Put<int32_t>(v, kFDLongint, 7);
  ASSERT_EQ(0, SetVar(u"shared", v, true));
  EXPECT_EQ(kFDUndefined, GetVar(u"shared").fValue.fBytes[0]);
  EXPECT_EQ(7, Load<int32_t>(GetVar(u"shared", true).fValue));
  EXPECT_EQ(7, Load<int32_t>(GetVar(u"<>shared").fValue)); // the marker names it too
  Run("LOG(<>shared)");
  EXPECT_EQ("7", fLog.at(0));
}

TEST_F(HostTest, EachProcessHasItsOwnVariables) {
  Run("gWho:=\"main\"");
  const int32_t other = zvhost::StartProcess();
  ASSERT_TRUE(zvhost::SetCurrentProcess(other));
  EXPECT_EQ(other, Call(kFDCurrentProcess, NewBlock()).fParam1);
  EXPECT_EQ(kFDUndefined, GetVar(u"gWho").fValue.fBytes[0]);
  Run("gWho:=\"other\"\nLOG(Current process)");
  EXPECT_EQ(std::to_string(other), fLog.at(0));
  zvhost::EndProcess(other);
  EXPECT_EQ(1, Call(kFDCurrentProcess, NewBlock()).fParam1);
  Run("LOG(gWho)");
  EXPECT_EQ("main", fLog.at(1));
  EXPECT_FALSE(zvhost::SetCurrentProcess(other));
}

TEST_F(HostTest, DeclaredLongStaysLong) {
  Run("C_LONGINT(gCell)");
  ValueBlock v;
  Put<double>(v, kFDReal, 2.6);
  ASSERT_EQ(0, SetVar(u"gCell", v));
  const FDEngineBlock got = GetVar(u"gCell");
  EXPECT_EQ(kFDLongint, got.fValue.fBytes[0]);
  EXPECT_EQ(3, Load<int32_t>(got.fValue));
}

TEST_F(HostTest, BadVariableInputIsAnError) {
  FDEngineBlock b = NewBlock();
  EXPECT_EQ(kFDErrBadParameter, Call(kFDGetVariable, b).fError); // no name
  EXPECT_EQ(kFDErrBadParameter, Call(kFDSetVariable, b).fError);
  // A text block whose characters the host never handed out.
  PA_Unichar foreign[] = {u'x', 0};
  FDStringBlock forged{1, foreign, 0, 0};
  ValueBlock v;
  Put(v, kFDText, forged);
  EXPECT_EQ(kFDErrBadParameter, SetVar(u"gText", v));
  EXPECT_EQ(kFDUndefined, GetVar(u"gText").fValue.fBytes[0]);
}

} // namespace
