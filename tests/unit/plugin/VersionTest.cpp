#include <gtest/gtest.h>

#include <string>

#include "ParamBlock.h"
#include "PluginFixture.h"
#include "plugin/KelPlug.h"
#include "plugin/ZorviPlug.h"

namespace {

std::string FromPStr(const unsigned char* text) {
  return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

// A plug-in object over a descriptor of another version.
class VersionedPlug : public KelPlug {
public:
  explicit VersionedPlug(uint32_t version) : KelPlug(&fInfo), fInfo(gPlugInfo) {
    fInfo.fProductVersion = version;
  }

private:
  PlugInfo fInfo;
};

struct VersionCase {
  uint32_t fVersion;
  const char* fPlain;
  const char* fHostStyle;
};

const VersionCase kVersions[] = {
    {0x01718000, "1.7.1", "F0000171"},
    {0x01234502, "1.2.3", "00020123"}, // stage 0x45: no letter
    {0x01204002, "1.2a2", "A0020120"},
    {0x01206003, "1.2b3", "B0030120"},
    {0x12342001, "12.3.4d1", "D0011234"},
    {0x02000000, "2.0", "00000200"},
    {0x99FF80FF, "99.15.15", "F0FF99FF"},
};

} // namespace

TEST(VersionTexts, PlainAndHostStyleForms) {
  for (const VersionCase& c : kVersions) {
    SCOPED_TRACE(c.fPlain);
    unsigned char text[256];
    FourDPlug::GetVersionString(c.fVersion, text);
    EXPECT_EQ(FromPStr(text), c.fPlain);
    char cText[256];
    FourDPlug::GetVersionCString(c.fVersion, cText);
    EXPECT_STREQ(cText, c.fPlain);
    VersionedPlug plug(c.fVersion);
    plug.Get4DStyleVersion(text);
    EXPECT_EQ(FromPStr(text), c.fHostStyle);
    plug.GetProductVersionString(text);
    EXPECT_EQ(FromPStr(text), c.fPlain);
  }
}

TEST(VersionTexts, ProductNameAndVersionOfThisPlugIn) {
  unsigned char hostStyle[256];
  unsigned char fullName[256];
  gZorviPlug.GetVersion(hostStyle, fullName);
  EXPECT_EQ(FromPStr(hostStyle), "F0000171");
  EXPECT_EQ(FromPStr(fullName), "Zorvi v.1.7.1");
  gZorviPlug.GetProductFullName(fullName);
  EXPECT_EQ(FromPStr(fullName), "Zorvi v.1.7.1");
}

class VersionCommands : public PluginTest {};

TEST_F(VersionCommands, GetVersionReplacesTextsWithAndWithoutCharacters) {
  ParamBlock block(67); // ZV_GetVersion
  block.SetText(0, u"a much longer old text");
  block.SetText(1, nullptr);
  EXPECT_EQ(block.Run(), 0);
  EXPECT_EQ(block.TextAt(0), u"F0000171");
  EXPECT_EQ(block.TextAt(1), u"Zorvi v.1.7.1");
  EXPECT_EQ(block.Run(), 0);
  EXPECT_EQ(block.TextAt(0), u"F0000171");
}

TEST_F(VersionCommands, QuickTimeVersionAnswersZeroAndLeavesTheText) {
  ParamBlock block(68); // ZVObs_GetQuickTimeVersion
  EXPECT_EQ(block.Run(), 0);
  EXPECT_EQ(block.TextAt(0), u"old");
}
