#include <gtest/gtest.h>

#include <string>

#include "host/CFourDBaseVar.h"
#include "host/ZorvinLongVar.h"

namespace {

std::string Name(const CFourDBaseVar& var) {
  return std::string(reinterpret_cast<const char*>(var.GetName() + 1), var.GetName()[0]);
}

TEST(VariableName, InterprocessMarkerIsStrippedOnlyWhenSomethingFollows) {
  struct Case {
    const char* given;
    const char* name;
    bool interprocess;
  } cases[] = {
      {"<>x", "x", true},        {"<>counter", "counter", true},
      {"\xD7x", "x", true},      {"\xD7", "\xD7", false},
      {"<>", "<>", false},       {"<x", "<x", false},
      {"<", "<", false},         {"x<>", "x<>", false},
      {"plain", "plain", false}, {"", "", false},
  };
  for (const Case& c : cases) {
    CFourDBaseVar var(c.given, kFDLongint);
    EXPECT_EQ(Name(var), c.name) << c.given;
    EXPECT_EQ(var.IsInterprocess(), c.interprocess) << c.given;
  }
}

TEST(VariableName, ExplicitFlagKeepsTheNameAndLongNamesAreCut) {
  CFourDBaseVar kept("<>x", kFDText, false);
  EXPECT_EQ(Name(kept), "<>x");
  EXPECT_FALSE(kept.IsInterprocess());
  CFourDBaseVar flagged("y", kFDText, true);
  EXPECT_TRUE(flagged.IsInterprocess());

  CFourDBaseVar longName(std::string(40, 'n').c_str(), kFDReal);
  EXPECT_EQ(Name(longName), std::string(31, 'n'));
  CFourDBaseVar nullName(nullptr, kFDReal);
  EXPECT_EQ(Name(nullName), "");
}

TEST(VariableName, CurrentCellIsAProcessLong) {
  EXPECT_EQ(Name(gZVCurrentCell), "gZVCurrentCell");
  EXPECT_FALSE(gZVCurrentCell.IsInterprocess());
  EXPECT_EQ(gZVCurrentCell.GetKind(), kFDLongint);
}

} // namespace
