// The host's formatters and command names.
#include "HostTestSupport.h"
#include "tests/ParamNames.h"

namespace {

using namespace hosttest;

struct FormatCase {
  uint8_t kind;
  double value;
  const char16_t* format;
  int32_t numericFormat;
  const char16_t* expected;
};

class Formatters : public HostTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(Formatters, RenderValues) {
  const FormatCase& c = GetParam();
  FDEngineBlock b = NewBlock();
  switch (c.kind) {
  case kFDReal:
    Put(b.fValue, kFDReal, c.value);
    break;
  case kFDBoolean:
    Put(b.fValue, kFDBoolean, static_cast<uint8_t>(c.value != 0));
    break;
  case kFDDate: {
    const auto packed = static_cast<int32_t>(c.value); // YYYYMMDD
    const DateBlock date{static_cast<int16_t>(packed % 100),
                         static_cast<int16_t>(packed / 100 % 100),
                         static_cast<int16_t>(packed / 10000)};
    Put(b.fValue, kFDDate, date);
    break;
  }
  default:
    Put(b.fValue, c.kind, static_cast<int32_t>(c.value));
    break;
  }
  b.fUName = U(c.format);
  b.fParam1 = c.numericFormat;
  b = Call(kFDFormatValue, b);
  EXPECT_EQ(0, b.fError);
  EXPECT_EQ(std::u16string(c.expected), Terminated(b.fUString));
}

INSTANTIATE_TEST_SUITE_P(
    Host, Formatters,
    ::testing::Values(
        FormatCase{kFDLongint, 1234, u"", 0, u"1234"}, FormatCase{kFDReal, 2.5, u"", 0, u"2.5"},
        FormatCase{kFDReal, -0.125, u"", 0, u"-0.125"}, FormatCase{kFDReal, 3, u"", 0, u"3"},
        FormatCase{kFDBoolean, 1, u"", 0, u"True"}, FormatCase{kFDBoolean, 0, u"", 0, u"False"},
        FormatCase{kFDBoolean, 1, u"yes;no", 0, u"yes"},
        FormatCase{kFDBoolean, 0, u"yes;no", 0, u"no"},
        FormatCase{kFDReal, 1234.5, u"###,##0.00", 0, u"1,234.50"},
        FormatCase{kFDReal, 1234567, u"#,###,##0", 0, u"1,234,567"},
        FormatCase{kFDReal, 0.5, u"##0.00", 0, u"0.50"},
        FormatCase{kFDReal, 0.5, u"###.##", 0, u".5"},
        FormatCase{kFDReal, 2.5, u"###.##", 0, u"2.5"},
        FormatCase{kFDReal, 3.14159, u"0.00", 0, u"3.14"},
        FormatCase{kFDLongint, 7, u"00", 0, u"07"},
        FormatCase{kFDLongint, 42, u"$###,##0", 0, u"$42"},
        FormatCase{kFDReal, 12.3, u"##0.0 kg", 0, u"12.3 kg"},
        FormatCase{kFDLongint, -5, u"###", 0, u"-5"},
        FormatCase{kFDLongint, -5, u"###;(###)", 0, u"(5)"},
        FormatCase{kFDLongint, 0, u"###;-###;zero", 0, u"zero"},
        FormatCase{kFDReal, -0.001, u"0.00", 0, u"0.00"},
        FormatCase{kFDDate, 20240305, u"", 0, u"03/05/2024"},
        FormatCase{kFDDate, 20240305, u"", 3, u"March 5, 2024"},
        FormatCase{kFDDate, 20240305, u"", 9, u"2024-03-05"},
        FormatCase{kFDTime, 3661, u"", 1, u"01:01:01"}, FormatCase{kFDTime, 3661, u"", 2, u"01:01"},
        FormatCase{kFDTime, 13 * 3600 + 5 * 60, u"", 5, u"1:05 PM"}),
    paramnames::By([](const FormatCase& c) {
      return "kind " + std::to_string(c.kind) + " " + paramnames::Narrow(c.expected);
    }));

TEST_F(HostTest, FormatterRefusesOtherKinds) {
  FDEngineBlock b = NewBlock();
  b.fValue.fBytes[0] = kFDText;
  EXPECT_EQ(kFDErrBadParameter, Call(kFDFormatValue, b).fError);
}

TEST_F(HostTest, LongFormatsFitTheReply) {
  FDEngineBlock b = NewBlock();
  Put(b.fValue, kFDLongint, 1);
  const std::u16string format = u"#" + std::u16string(400, u'x');
  b.fUName = U(format.c_str());
  b = Call(kFDFormatValue, b);
  EXPECT_EQ(size_t{kFDMaxStringUnits - 1}, Terminated(b.fUString).size());
}

struct NameCase {
  int32_t command;
  const char16_t* name;
};

class CommandNames : public HostTest, public ::testing::WithParamInterface<NameCase> {};

TEST_P(CommandNames, NameTheDeclarations) {
  FDEngineBlock b = NewBlock();
  b.fParam1 = GetParam().command;
  b = Call(kFDGetCommandName, b);
  EXPECT_EQ(0, b.fError);
  EXPECT_EQ(std::u16string(GetParam().name), Terminated(b.fUString));
}

INSTANTIATE_TEST_SUITE_P(Host, CommandNames,
                         ::testing::Values(NameCase{283, u"C_LONGINT"}, NameCase{284, u"C_TEXT"},
                                           NameCase{285, u"C_REAL"}, NameCase{286, u"C_PICTURE"},
                                           NameCase{301, u"C_POINTER"}, NameCase{305, u"C_BOOLEAN"},
                                           NameCase{306, u"C_TIME"}, NameCase{307, u"C_DATE"},
                                           NameCase{604, u"C_BLOB"}),
                         paramnames::By([](const NameCase& c) { return c.name; }));

TEST_F(HostTest, UnknownCommandHasNoName) {
  FDEngineBlock b = NewBlock();
  b.fParam1 = 1;
  b = Call(kFDGetCommandName, b);
  EXPECT_EQ(kFDErrNotFound, b.fError);
  EXPECT_EQ(0, b.fUString[0]);
}

TEST_F(HostTest, DeclarationsTheHostNamesRunInItsLanguage) {
  Run("C_LONGINT(gA;gB)\nC_TEXT(gT)\nC_REAL(gR)\nC_BOOLEAN(gF)\nC_PICTURE(gP)\nC_DATE(gD)\n"
      "C_TIME(gH)\nC_BLOB(gX)\nLOG(gA;gB;\"[\"+gT+\"]\";gR;gF;gH)");
  EXPECT_EQ("0\t0\t[]\t0\tFalse\t00:00:00", fLog.at(0));
}

} // namespace
