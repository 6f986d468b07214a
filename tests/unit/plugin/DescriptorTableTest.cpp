#include <gtest/gtest.h>

#include <stddef.h>
#include <string.h>

#include <map>
#include <string>
#include <vector>

#include "plugin/CommandManifest.h"
#include "plugin/PlugInfo.h"

namespace {

struct ExpectedCommand {
  int fSelector;
  const char* fName;
  std::vector<uint8_t> fParamTypes;
};

// The published command set, apart from the area command.
const ExpectedCommand kCommands[] = {
    {4, "ZV_SetAreaFlags", {0x89, 0x89}},
    {5, "ZV_GetAreaFlags", {0x89, 0x49}},
    {6, "ZV_SetCellOptions", {0x89, 0x89, 0x89, 0x8A, 0x89, 0x89, 0x89}},
    {7, "ZV_GetCellOptions", {0x89, 0x49, 0x49, 0x4A, 0x49, 0x49, 0x49}},
    {8, "ZV_SetSelectionOptions", {0x89, 0x89, 0x89, 0x89}},
    {9, "ZV_GetSelectionOptions", {0x89, 0x49, 0x49, 0x49}},
    {10, "ZV_SetCellsPerRow", {0x89, 0x89}},
    {11, "ZV_GetCellsPerRow", {0x89, 0x49}},
    {12, "ZV_SetNumCells", {0x89, 0xA1}},
    {13, "ZV_GetNumCells", {0x89, 0x61}},
    {20, "ZV_SetCellPicture", {0x89, 0xA1, 0x89, 0x89, 0x89, 0x89, 0x89}},
    {21, "ZV_GetCellPicture", {0x89, 0x61, 0x49, 0x49, 0x49, 0x49, 0x49}},
    {22, "ZV_SetCellCaption", {0x89, 0xA1, 0x89, 0x89, 0x89, 0x89, 0xA1}},
    {23, "ZV_GetCellCaption", {0x89, 0x61, 0x49, 0x49, 0x49, 0x49, 0x61}},
    {25, "ZV_SetCaptionFont", {0x89, 0xA1, 0x89, 0x89}},
    {26, "ZV_GetCaptionFont", {0x89, 0x61, 0x49, 0x49}},
    {27, "ZV_SetCaptionColors", {0x89, 0x89, 0x89}},
    {28, "ZV_GetCaptionColors", {0x89, 0x49, 0x49}},
    {29, "ZV_SetCaptionAlignment", {0x89, 0x89, 0x89}},
    {30, "ZV_GetCaptionAlignment", {0x89, 0x49, 0x49}},
    {31, "ZVObs_SetCaptionStyle", {0x89, 0xA1, 0x89, 0x89, 0x89, 0x89, 0x89}},
    {32, "ZVObs_GetCaptionStyle", {0x89, 0x61, 0x49, 0x49, 0x49, 0x49, 0x49}},
    {33, "ZVObs_SetAreaStyle", {0x89, 0x89, 0x89}},
    {34, "ZVObs_GetAreaStyle", {0x89, 0x49, 0x49}},
    {35, "ZV_SetAreaAlignment", {0x89, 0x89, 0x89}},
    {36, "ZV_GetAreaAlignment", {0x89, 0x49, 0x49}},
    {40, "ZV_SetCellSpacing", {0x89, 0x89, 0x89}},
    {41, "ZV_GetCellSpacing", {0x89, 0x49, 0x49}},
    {47, "ZV_SetSelection", {0x89, 0x89, 0x90}},
    {48, "ZV_GetSelection", {0x89, 0x49, 0x50}},
    {49, "ZV_RevealCell", {0x89, 0x89}},
    {50, "ZV_UpdateArea", {0x89, 0x89, 0x89, 0x89}},
    {51, "ZV_SetAreaBackgroundColor", {0x89, 0x89}},
    {52, "ZV_GetAreaBackgroundColor", {0x89, 0x49}},
    {53, "ZV_CaptureCell", {0x89, 0x89, 0x4A}},
    {67, "ZV_GetVersion", {0x61, 0x61}},
    {68, "ZVObs_GetQuickTimeVersion", {0x61}},
    {71, "ZV_SetEventHandler", {0x89, 0xA1, 0x89}},
    {72, "ZV_SetCacheSize", {0x89, 0x89}},
    {73, "ZV_GetCacheSize", {0x89, 0x49}},
    {78, "ZV_SetDragOptions", {0x89, 0x89, 0x89, 0x89, 0x89}},
    {79, "ZV_GetDragOptions", {0x89, 0x49, 0x49, 0x49, 0x49}},
    {80, "ZVObs_SetDragSignatures", {0x89, 0xA2}},
    {81, "ZVObs_GetDragSignatures", {0x89, 0x62}},
    {82, "ZVObs_SetDropSignatures", {0x89, 0xA2}},
    {83, "ZVObs_GetDropSignatures", {0x89, 0x62}},
    {84, "ZVObs_GetDragSource", {0x89, 0x49, 0x49, 0x61}},
    {85, "ZV_GetDropCell", {0x89, 0x49}},
};

std::map<int, const ExpectedCommand*> BySelector() {
  std::map<int, const ExpectedCommand*> commands;
  for (const ExpectedCommand& command : kCommands) {
    commands[command.fSelector] = &command;
  }
  return commands;
}

// A record's fields by value: the packed records leave them unaligned.
struct Fields {
  std::string fName;
  uint32_t fFlags, fReserved, fParamCount;
  std::vector<uint8_t> fParamTypes;
  uint8_t fResultType;
  bool fHasGlue;
};

Fields FieldsOf(const CommandInfo& record) {
  const char* name = record.fName;
  const GlueProc glue = record.fGlue;
  return {name != nullptr ? name : "<null>",
          record.fFlags,
          record.fReserved,
          record.fParamCount,
          std::vector<uint8_t>(record.fParamTypes, record.fParamTypes + 25),
          record.fResultType,
          glue != nullptr};
}

bool IsAllZero(const CommandInfo& record) {
  static const CommandInfo kZero{};
  return memcmp(&record, &kZero, sizeof record) == 0;
}

} // namespace

TEST(DescriptorTable, RecordsArePackedWithPointerSizedNameAndGlue) {
  EXPECT_EQ(sizeof(CommandInfo), 2 * sizeof(void*) + 3 * 4 + 25 + 1);
  EXPECT_EQ(offsetof(CommandInfo, fParamTypes), sizeof(void*) + 12);
  EXPECT_EQ(offsetof(CommandInfo, fResultType), sizeof(void*) + 37);
}

TEST(DescriptorTable, AreaCommandIsSelectorOne) {
  const Fields area = FieldsOf(gZorvi_GlueTable[0]);
  EXPECT_EQ(area.fName, "Zorvi_Area");
  EXPECT_EQ(area.fFlags, 0x80000000u);
  EXPECT_EQ(area.fParamCount, 0u);
  EXPECT_EQ(area.fParamTypes, std::vector<uint8_t>(25, 0));
  EXPECT_EQ(area.fResultType, 0);
  EXPECT_TRUE(area.fHasGlue);
}

TEST(DescriptorTable, EveryRecordMatchesTheCommandSet) {
  const auto expected = BySelector();
  for (int selector = 2; selector <= kZorviCommandCount; ++selector) {
    SCOPED_TRACE("selector " + std::to_string(selector));
    const auto found = expected.find(selector);
    if (found == expected.end()) {
      EXPECT_TRUE(IsAllZero(gZorvi_GlueTable[selector - 1]));
      continue;
    }
    const ExpectedCommand& command = *found->second;
    const Fields record = FieldsOf(gZorvi_GlueTable[selector - 1]);
    EXPECT_EQ(record.fName, command.fName);
    EXPECT_EQ(record.fFlags, 0u);
    EXPECT_EQ(record.fReserved, 0u);
    EXPECT_EQ(record.fResultType, 0x49);
    EXPECT_TRUE(record.fHasGlue);
    EXPECT_EQ(record.fParamCount, command.fParamTypes.size());
    std::vector<uint8_t> types = command.fParamTypes;
    types.resize(25, 0);
    EXPECT_EQ(record.fParamTypes, types);
  }
}

TEST(DescriptorTable, PlugInfoDescribesTheTable) {
  EXPECT_EQ(gPlugInfo.fStructVersion, 0x00010000u);
  EXPECT_EQ(gPlugInfo.fStructSize, sizeof(PlugInfo));
  EXPECT_STREQ(gPlugInfo.fProductName, "Zorvi");
  EXPECT_EQ(gPlugInfo.fProductVersion, 0x01718000u);
  EXPECT_EQ(gPlugInfo.fCommandCount, 85);
  EXPECT_EQ(gPlugInfo.fCommandTable, gZorvi_GlueTable);
  EXPECT_EQ(gPlugInfo.fReserved3, 0);
  EXPECT_EQ(gPlugInfo.fReserved5, 0u);
}

TEST(CommandManifest, OneLinePerAssignedCommandInSelectorOrder) {
  const std::string manifest = FormatCommandManifest(gZorvi_GlueTable, kZorviCommandCount);
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t end; (end = manifest.find('\n', start)) != std::string::npos; start = end + 1) {
    lines.push_back(manifest.substr(start, end - start));
  }
  EXPECT_EQ(start, manifest.size()) << "the last line ends with a line break";
  ASSERT_EQ(lines.size(), std::size(kCommands) + 1);
  EXPECT_EQ(lines[0], "1 Zorvi_Area 80000000 00 -");
  EXPECT_EQ(lines[2], "5 ZV_GetAreaFlags 00000000 49 89,49");
  EXPECT_EQ(lines[4], "7 ZV_GetCellOptions 00000000 49 89,49,49,4A,49,49,49");
  EXPECT_EQ(lines[30], "48 ZV_GetSelection 00000000 49 89,49,50");
  EXPECT_EQ(lines[48], "85 ZV_GetDropCell 00000000 49 89,49");
}
