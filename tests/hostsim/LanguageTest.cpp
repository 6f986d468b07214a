// The host language: expressions evaluated strictly left to right, texts, arrays, control flow,
// methods, and errors reported as codes with line numbers.
#include <string>

#include "HostTestSupport.h"
#include "tests/ParamNames.h"

namespace {

using hosttest::HostTest;

struct ExpressionCase {
  const char* expression;
  const char* logged;
};

class Expressions : public HostTest, public ::testing::WithParamInterface<ExpressionCase> {};

TEST_P(Expressions, LogsTheirPlainRendering) {
  Run(std::string("LOG(") + GetParam().expression + ")");
  ASSERT_EQ(1u, fLog.size());
  EXPECT_EQ(GetParam().logged, fLog[0]);
}

INSTANTIATE_TEST_SUITE_P(
    Language, Expressions,
    ::testing::Values(
        // 4D has no operator precedence: left to right, parentheses group.
        ExpressionCase{"2+3*4", "20"}, ExpressionCase{"2+(3*4)", "14"},
        ExpressionCase{"10-2-3", "5"}, ExpressionCase{"1+1=2", "True"},
        ExpressionCase{"3*2>5", "True"}, ExpressionCase{"-3+5", "2"}, ExpressionCase{"2*-3", "-6"},
        ExpressionCase{"7/2", "3.5"}, ExpressionCase{"7\\2", "3"}, ExpressionCase{"7%3", "1"},
        ExpressionCase{"1/3", "0.333333333333333"}, ExpressionCase{"0x12010", "73744"},
        ExpressionCase{"0xFFFFFFFF", "-1"}, ExpressionCase{"2147483647+1", "2147483648"},
        ExpressionCase{"12 & 10", "8"}, ExpressionCase{"12 | 3", "15"},
        ExpressionCase{"True & False", "False"}, ExpressionCase{"True | False", "True"},
        ExpressionCase{"\"ab\"+\"cd\"", "abcd"}, ExpressionCase{"\"a\\\"b\\\\c\"", "a\"b\\c"},
        ExpressionCase{"\"ab\"*3", "ababab"}, ExpressionCase{"\"abc\"=\"ABC\"", "True"},
        ExpressionCase{"\"été\"=\"ETE\"", "True"}, ExpressionCase{"\"abc\"#\"abd\"", "True"},
        ExpressionCase{"\"b\">\"a\"", "True"}, ExpressionCase{"Length(\"héllo\")", "5"},
        ExpressionCase{"Substring(\"hello\";2;3)", "ell"},
        ExpressionCase{"Substring(\"hello\";4)", "lo"}, ExpressionCase{"Num(\"abc12.5\")", "12.5"},
        ExpressionCase{"Num(\"-7\")", "-7"}, ExpressionCase{"String(2.5)", "2.5"},
        ExpressionCase{"String(1234)", "1234"}, ExpressionCase{"String(True)", "True"},
        ExpressionCase{"String(1234.5;\"###,##0.00\")", "1,234.50"}, ExpressionCase{"Abs(-4)", "4"},
        ExpressionCase{"Char(65)+\"b\"", "Ab"}, ExpressionCase{"Position(\"L\";\"hello\")", "3"},
        ExpressionCase{"Not(1=1)", "False"}, ExpressionCase{"Int(-2.5)", "-3"},
        ExpressionCase{"Uppercase(\"abc\")", "ABC"}),
    paramnames::By([](const ExpressionCase& c) { return std::string(c.expression); }));

TEST_F(HostTest, LogSeparatesValuesWithTabs) {
  Run("LOG(1;\"two\";False;2.25)");
  ASSERT_EQ(1u, fLog.size());
  EXPECT_EQ("1\ttwo\tFalse\t2.25", fLog[0]);
}

TEST_F(HostTest, CommandNamesIgnoreCase) {
  Run("array longint($a;2)\nlog(size OF array($a);CURRENT PROCESS)");
  EXPECT_EQ("2\t1", fLog.at(0));
}

TEST_F(HostTest, VariablesOfEachScope) {
  Run("x:=1\n<>y:=2\n$z:=3\nLOG(x+<>y+$z)");
  EXPECT_EQ("6", fLog.at(0));
  // Locals end with the code that made them; process and interprocess variables stay.
  std::string message;
  EXPECT_EQ(kFDErrRuntime, zvhost::RunCode("LOG($z)", &message));
  Run("LOG(x;<>y)");
  EXPECT_EQ("1\t2", fLog.at(1));
}

TEST_F(HostTest, TypedVariablesConvertNumbers) {
  Run("C_LONGINT(n)\nn:=2.6\nC_REAL(r)\nr:=3\nr:=r/2\n$u:=5\n$u:=$u/2\nLOG(n;r;$u)");
  EXPECT_EQ("3\t1.5\t2.5", fLog.at(0));
}

TEST_F(HostTest, ControlFlow) {
  Run("For($i;1;7;3)\nLOG($i)\nEnd for\n"
      "For($i;3;1;-1)\nIf($i=2)\nLOG(\"two\")\nElse\nLOG(-$i)\nEnd if\nEnd for\n"
      "$s:=\"\"\nWhile(Length($s)<3)\n$s:=$s+\"a\"\nEnd while\nLOG($s)\n"
      "$n:=0\nRepeat\n$n:=$n+1\nUntil($n>=4)\nLOG($n)\n"
      "Case of\n: (1=2)\nLOG(\"no\")\n: (2=2)\nLOG(\"first true\")\n: (3=3)\nLOG(\"no\")\n"
      "Else\nLOG(\"no\")\nEnd case");
  const std::vector<std::string> expected = {"1",  "4",   "7", "-3",        "two",
                                             "-1", "aaa", "4", "first true"};
  EXPECT_EQ(expected, fLog);
}

TEST_F(HostTest, ForLoopFollowsItsCounter) {
  // The body moving the counter moves the loop, as in the host.
  Run("$n:=0\nFor($i;1;10)\n$i:=$i+4\n$n:=$n+1\nEnd for\nLOG($n;$i)");
  EXPECT_EQ("2\t11", fLog.at(0));
}

TEST_F(HostTest, ArraysGrowShrinkAndKeepElements) {
  Run("ARRAY LONGINT($a;2)\n$a{1}:=10\n$a{2}:=20\nARRAY LONGINT($a;4)\n"
      "LOG(Size of array($a);$a{1};$a{2};$a{4})\n"
      "APPEND TO ARRAY($a;50)\nINSERT IN ARRAY($a;1;2)\n$a{1}:=1\n"
      "LOG(Size of array($a);$a{1};$a{2};$a{3};$a{7})\n"
      "DELETE FROM ARRAY($a;2;2)\nLOG(Size of array($a);$a{1};$a{2})\n"
      "$a{0}:=99\nLOG($a{0})");
  const std::vector<std::string> expected = {"4\t10\t20\t0", "7\t1\t0\t10\t50", "5\t1\t20", "99"};
  EXPECT_EQ(expected, fLog);
}

TEST_F(HostTest, ArraysOfEveryKind) {
  Run("ARRAY TEXT($t;1)\n$t{1}:=\"x\"\nARRAY REAL($r;1)\n$r{1}:=1.5\n"
      "ARRAY INTEGER($i;1)\n$i{1}:=70000\nARRAY BOOLEAN($b;1)\n$b{1}:=True\n"
      "ARRAY PICTURE($p;2)\nARRAY DATE($d;1)\n"
      "LOG($t{1};$r{1};$i{1};$b{1};Size of array($p);Size of array($d))");
  // A 16-bit array keeps what fits.
  EXPECT_EQ("x\t1.5\t32767\tTrue\t2\t1", fLog.at(0));
}

TEST_F(HostTest, TwoDimensionalArrays) {
  Run("ARRAY TEXT($m;2;3)\n$m{2}{3}:=\"corner\"\n"
      "LOG(Size of array($m);Size of array($m{1});$m{2}{3};$m{1}{1}=\"\")");
  EXPECT_EQ("2\t3\tcorner\tTrue", fLog.at(0));
}

TEST_F(HostTest, MethodsTakeParametersAndAnswerResults) {
  ASSERT_EQ(0, zvhost::DefineMethod("Twice", "$0:=$1*2"));
  ASSERT_EQ(0, zvhost::DefineMethod("Join", "$0:=$1+\"-\"+$2\n$x:=\"private\""));
  ASSERT_EQ(0, zvhost::DefineMethod("Fact", "If($1<=1)\n$0:=1\nElse\n$0:=$1*Fact($1-1)\nEnd if"));
  ASSERT_EQ(0, zvhost::DefineMethod("Shout", "LOG(\"called\")"));
  Run("$x:=\"mine\"\nLOG(Twice(21);Join(\"a\";\"b\");Fact(5);$x)\nShout\nShout()");
  const std::vector<std::string> expected = {"42\ta-b\t120\tmine", "called", "called"};
  EXPECT_EQ(expected, fLog);
}

TEST_F(HostTest, RunMethodPassesTextParameters) {
  ASSERT_EQ(0, zvhost::DefineMethod("main", "LOG($1;$2;Length($1))"));
  std::string message;
  ASSERT_EQ(0, zvhost::RunMethod("main", {"one", "zwei"}, &message)) << message;
  EXPECT_EQ("one\tzwei\t3", fLog.at(0));
}

struct ErrorCase {
  const char* code;
  int error;
  const char* message; // "line: text", compared exactly
};

class Errors : public HostTest, public ::testing::WithParamInterface<ErrorCase> {};

TEST_P(Errors, AreCodesWithLineNumbers) {
  std::string message;
  EXPECT_EQ(GetParam().error, zvhost::RunCode(GetParam().code, &message));
  EXPECT_EQ(GetParam().message, message);
}

INSTANTIATE_TEST_SUITE_P(
    Language, Errors,
    ::testing::Values(
        ErrorCase{"x:=1\ny:=(2+", kFDErrSyntax, "2: expected a value, found end of line"},
        ErrorCase{"LOG(\"abc", kFDErrSyntax, "1: unterminated text"},
        ErrorCase{"x:=1\n\nEnd if", kFDErrSyntax, "3: 'End if' without its opening statement"},
        ErrorCase{"If (True)\nLOG(1)", kFDErrSyntax, "1: missing 'End if'"},
        ErrorCase{"3:=4", kFDErrSyntax, "1: only a variable or an array element can be assigned"},
        ErrorCase{"LOG(1 ? 2)", kFDErrSyntax, "1: unexpected character '?'"},
        ErrorCase{"\n\nLOG(zz)", kFDErrRuntime, "3: undefined variable: zz"},
        ErrorCase{"$a:=\"t\"+1", kFDErrRuntime, "1: wrong kinds of operands: text and long"},
        ErrorCase{"FOO(1)", kFDErrRuntime, "1: unknown command or method: FOO"},
        ErrorCase{"If (1)\nEnd if", kFDErrRuntime, "1: a condition must be a boolean, not long"},
        ErrorCase{"ARRAY TEXT($a;2)\n$a{3}:=\"x\"", kFDErrRuntime,
                  "2: index 3 out of range for $a (size 2)"},
        ErrorCase{"LOG(1/0)", kFDErrRuntime, "1: division by zero"},
        ErrorCase{"LOG(Length(5))", kFDErrRuntime,
                  "1: Length: parameter 1 must be a text, not long"},
        ErrorCase{"C_LONGINT(v)\nv:=\"a\"", kFDErrRuntime, "2: cannot assign a text to v, a long"},
        ErrorCase{"For($i;1;3;0)\nEnd for", kFDErrRuntime, "1: the step of a For loop cannot be 0"},
        ErrorCase{"$x:=1\nLOG($x{1})", kFDErrRuntime, "2: $x is not an array"},
        ErrorCase{"ASSERT(1=2;\"boom\")", zvhost::kHostAssertionFailed,
                  "1: assertion failed: boom"},
        ErrorCase{"ASSERT(False)", zvhost::kHostAssertionFailed, "1: assertion failed"}),
    paramnames::By([](const ErrorCase& c) { return std::string(c.message); }));

TEST_F(HostTest, ErrorsInMethodsNameTheirFile) {
  ASSERT_EQ(0, zvhost::DefineMethod("Broken", "$x:=1\n$y:=$nothing", "Methods/Broken.4dm"));
  std::string message;
  EXPECT_EQ(kFDErrRuntime, zvhost::RunCode("Broken", &message));
  EXPECT_EQ("Methods/Broken.4dm:2: undefined variable: $nothing", message);
}

TEST_F(HostTest, RunawayRecursionIsAnErrorNotACrash) {
  ASSERT_EQ(0, zvhost::DefineMethod("Forever", "Forever"));
  std::string message;
  EXPECT_EQ(kFDErrRuntime, zvhost::RunCode("Forever", &message));
  EXPECT_NE(std::string::npos, message.find("too many nested calls")) << message;
}

TEST_F(HostTest, DeepNestingIsASyntaxErrorNotACrash) {
  const std::string deep = "LOG(" + std::string(5000, '(') + "1" + std::string(5000, ')') + ")";
  std::string message;
  EXPECT_EQ(kFDErrSyntax, zvhost::RunCode(deep, &message));
}

} // namespace
