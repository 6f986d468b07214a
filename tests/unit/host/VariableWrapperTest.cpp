#include "host/CFourDArrayVars.h"
#include "host/CFourDVars.h"
#include "host/ValueBlock.h"
#include "host/ZorvinLongVar.h"
#include "tests/unit/host/HostTestSupport.h"

namespace {

using hosttest::HostTest;
using hosttest::Str;
using hosttest::U;
using hosttest::Uni;

std::u16string Declaration(CFourDBaseVar& var) {
  PA_Unichar text[kFourDDeclarationCapacity];
  var.GetDeclaration(text);
  return Str(text);
}

TEST_F(HostTest, DeclarationsNameTheCommandOfTheKind) {
  struct Case {
    const char* name;
    int16_t kind;
    const char16_t* text;
  } cases[] = {
      {"n", kFDLongint, u"C_LONGINT(n)"}, {"<>n", kFDLongint, u"C_LONGINT(<>n)"},
      {"t", kFDText, u"C_TEXT(t)"},       {"r", kFDReal, u"C_REAL(r)"},
      {"b", kFDBoolean, u"C_BOOLEAN(b)"}, {"p", kFDPicture, u"C_PICTURE(p)"},
      {"x", kFDBlob, u"C_BLOB(x)"},       {"d", kFDDate, u"C_DATE(d)"},
      {"h", kFDTime, u"C_TIME(h)"},       {"q", kFDPointer, u"C_POINTER(q)"},
      {"a", kFDArrayLongint, u""},        {"u", kFDUndefined, u""},
  };
  for (const Case& c : cases) {
    CFourDBaseVar var(c.name, c.kind);
    EXPECT_EQ(Declaration(var), c.text) << c.name;
  }
}

TEST_F(HostTest, LongVariablesAreDeclaredAndWritten) {
  CFourDLongVar count("count");
  EXPECT_EQ(count.DefinedType(), kFDUndefined);
  ASSERT_EQ(count.SetLongValue(7), 0);
  EXPECT_EQ(count.DefinedType(), kFDLongint);
  Run("ASSERT(count=7)\ncount:=count+1");
  int32_t value = 0;
  ASSERT_EQ(count.GetLongValue(&value), 0);
  EXPECT_EQ(value, 8);
}

TEST_F(HostTest, InterprocessVariablesAreKeptApartFromProcessOnes) {
  CFourDLongVar shared("<>shared");
  ASSERT_TRUE(shared.IsInterprocess());
  ASSERT_EQ(shared.SetLongValue(3), 0);
  Run("ASSERT(<>shared=3)");
  CFourDLongVar local("shared");
  EXPECT_EQ(local.DefinedType(), kFDUndefined);
}

TEST_F(HostTest, ScalarVariablesRoundTripTheirValues) {
  CFourDRealVar real("ratio");
  ASSERT_EQ(real.SetRealValue(0.25), 0);
  double ratio = 0;
  ASSERT_EQ(real.GetRealValue(&ratio), 0);
  EXPECT_EQ(ratio, 0.25);

  CFourDBooleanVar flag("flag");
  ASSERT_EQ(flag.SetBooleanValue(true), 0);
  Run("ASSERT(flag)");
  bool on = false;
  ASSERT_EQ(flag.GetBooleanValue(&on), 0);
  EXPECT_TRUE(on);

  CFourDUnicodeVar text("caption");
  std::u16string cafe = u"caf\u00E9";
  ASSERT_EQ(text.SetUnicodeValue(U(cafe), static_cast<int32_t>(cafe.size())), 0);
  Run("ASSERT(caption=\"caf\xC3\xA9\")");
  PA_Unichar out[8];
  ASSERT_EQ(text.GetUnicodeValue(out, 8), 0);
  EXPECT_EQ(Str(out), cafe);
  ASSERT_EQ(text.GetUnicodeValue(out, 3), 0); // cut to the buffer
  EXPECT_EQ(Str(out), u"ca");

  CFourDBlobVar blob("bytes");
  const char payload[] = "\x01\x02\x03";
  ASSERT_EQ(blob.SetBlobValue(payload, 3), 0);
  FDHandle data = nullptr;
  int32_t size = 0;
  ASSERT_EQ(blob.GetBlobValue(&data, &size), 0);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(size, 3);
  EXPECT_EQ(memcmp(*data, payload, 3), 0);
  FourD::DisposeHandle(data);
}

TEST_F(HostTest, DeclaringRetypesAnUndefinedVariableOnly) {
  CFourDRealVar real("r");
  double value = 1;
  ASSERT_EQ(real.GetRealValue(&value), 0); // declared by reading
  EXPECT_EQ(real.DefinedType(), kFDReal);
  EXPECT_EQ(value, 0);

  Run("label:=\"kept\"");
  CFourDUnicodeVar label("label");
  label.Declare();
  Run("ASSERT(label=\"kept\")");
  EXPECT_EQ(label.DefinedType(), kFDText); // read for its kind without leaking the copy

  CFourDLongVar wrongKind("label");
  int32_t number = 5;
  EXPECT_EQ(wrongKind.GetLongValue(&number), 0); // a text reads as 0
  EXPECT_EQ(number, 0);
}

TEST_F(HostTest, CurrentCellBecomesALongWhateverItHeld) {
  Run("gZVCurrentCell:=\"not a number\"");
  ASSERT_EQ(gZVCurrentCell.SetLongValue(5), 0);
  EXPECT_EQ(gZVCurrentCell.DefinedType(), kFDLongint);
  Run("ASSERT(gZVCurrentCell=5)");
  ASSERT_EQ(gZVCurrentCell.SetLongValue(6), 0);
  Run("ASSERT(gZVCurrentCell=6)");
}

TEST_F(HostTest, ArrayVariablesAreReadAndWrittenByElement) {
  Run("ARRAY LONGINT(cells;3)\ncells{2}:=9\nARRAY REAL(sizes;1)\nARRAY TEXT(names;2)");
  CFourDLongArrayVar cells("cells");
  EXPECT_EQ(cells.GetSize(), 3);
  int32_t value = 0;
  ASSERT_EQ(cells.GetAt(2, &value), 0);
  EXPECT_EQ(value, 9);
  ASSERT_EQ(cells.SetAt(3, 4), 0);
  Run("ASSERT(cells{3}=4)");
  EXPECT_EQ(cells.GetAt(4, &value), kFDErrBadParameter);
  EXPECT_EQ(value, 0);
  EXPECT_EQ(cells.SetAt(-1, 4), kFDErrBadParameter);

  CFourDRealArrayVar sizes("sizes");
  ASSERT_EQ(sizes.SetAt(1, 1.5), 0);
  Run("ASSERT(sizes{1}=1.5)");

  CFourDUnicodeArrayVar names("names");
  ASSERT_EQ(names.SetAt(2, U(u"grid")), 0);
  Run("ASSERT(names{2}=\"grid\")");
  PA_Unichar text[8];
  ASSERT_EQ(names.GetAt(2, text, 8), 0);
  EXPECT_EQ(Str(text), u"grid");

  CFourDUnicodeArrayVar wrongKind("cells");
  EXPECT_EQ(wrongKind.GetSize(), 0);
  EXPECT_EQ(wrongKind.SetAt(1, U(u"x")), kFDErrBadParameter);
  CFourDLongArrayVar missing("nothing");
  EXPECT_EQ(missing.GetSize(), 0);
}

} // namespace
