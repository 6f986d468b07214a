// Every area command given a reference that names no live area: the answer, and what each
// leaves in its outputs.
#if ZORVI_WITH_GRID

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "ParamBlock.h"
#include "PluginFixture.h"

namespace {

// What the parameters after the area hold after the call: "=" as the caller left them, a number,
// "e" an empty text, "n" no picture. Commands not listed leave every parameter as it was.
const std::map<int, std::string> kAfterFailedCall = {
    {5, "0"},    {7, "0 0 n 0 0 0"},  {9, "0 0 0"},        {11, "0"},
    {13, "e"},   {21, "e 0 0 0 0 0"}, {23, "e 0 0 0 0 e"}, {26, "e 0 0"},
    {28, "0 0"}, {30, "-1 -1"},       {32, "e 0 0 0 0 0"}, {36, "-1 -1"},
    {41, "0 0"}, {53, "= n"},         {73, "0"},           {84, "= = e"},
};

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  std::vector<std::string> words;
  for (std::string word; in >> word;) {
    words.push_back(word);
  }
  return words;
}

bool TakesArea(const CommandInfo& command) {
  return command.fParamCount > 0 && command.fParamTypes[0] == kFDTypeLongIn;
}

} // namespace

class CommandsWithoutArea : public PluginTest {};

TEST_F(CommandsWithoutArea, AnswerMinus50AndResetOnlyWhatTheyReset) {
  int checked = 0;
  for (int selector = 1; selector <= kZorviCommandCount; ++selector) {
    const CommandInfo& command = gZorvi_GlueTable[selector - 1];
    if (!TakesArea(command)) {
      continue;
    }
    const char* name = command.fName;
    SCOPED_TRACE(name);
    ParamBlock block(selector);
    block.SetLong(0, 12345);
    for (size_t i = 1; i < block.Count(); ++i) {
      if (block.KindAt(i) == kFDPicture && (command.fParamTypes[i] & kFDTypeOutput)) {
        block.PictureAt(i) = MakeHostPicture();
      }
    }
    EXPECT_EQ(block.Run(), -50);
    const auto found = kAfterFailedCall.find(selector);
    const std::vector<std::string> expected =
        found != kAfterFailedCall.end() ? Words(found->second) : std::vector<std::string>{};
    for (size_t i = 1; i < block.Count(); ++i) {
      const std::string want = i - 1 < expected.size() ? expected[i - 1] : "=";
      SCOPED_TRACE("parameter " + std::to_string(i) + " expects " + want);
      switch (block.KindAt(i)) {
      case kFDLongint:
        EXPECT_EQ(block.Long(i), want == "=" ? ParamBlock::kLongSentinel : std::stoi(want));
        break;
      case kFDText:
        EXPECT_EQ(block.TextAt(i), want == "=" ? u"old" : u"");
        EXPECT_NE(block.TextBlock(i).fString, nullptr) << "a reset text still belongs to the host";
        break;
      case kFDPicture:
        if (want == "n") {
          EXPECT_EQ(block.PictureAt(i), nullptr);
        } else if (command.fParamTypes[i] & kFDTypeOutput) {
          EXPECT_NE(block.PictureAt(i), nullptr);
        }
        break;
      default: // arrays: still the empty array the caller passed
        EXPECT_EQ(block.Bytes(i)[kFDArrayKindOffset], block.KindAt(i));
        break;
      }
    }
    ++checked;
  }
  EXPECT_EQ(checked, 46);
}

TEST_F(CommandsWithoutArea, TextOutputWithoutCharactersIsCreatedEmpty) {
  ParamBlock block(13); // ZV_GetNumCells
  block.SetText(1, nullptr);
  EXPECT_EQ(block.Run(), -50);
  EXPECT_NE(block.TextBlock(1).fString, nullptr);
  EXPECT_EQ(block.TextBlock(1).fLength, 0);
}

TEST_F(CommandsWithoutArea, EventHandlerNameWithoutCharactersIsGivenAnEmptyText) {
  ParamBlock block(71); // ZV_SetEventHandler
  block.SetText(1, nullptr);
  EXPECT_EQ(block.Run(), -50);
  EXPECT_NE(block.TextBlock(1).fString, nullptr);
  EXPECT_EQ(block.TextBlock(1).fLength, 0);
}

TEST_F(CommandsWithoutArea, CaptionHitTestAnswersNoCellAndWritesNothing) {
  ParamBlock block(23); // ZV_GetCellCaption
  block.SetText(1, u"cell");
  block.SetLong(2, 10);
  block.SetLong(3, 20);
  block.SetText(6, u"format");
  EXPECT_EQ(block.Run(), 0);
  EXPECT_EQ(block.TextAt(1), u"cell");
  EXPECT_EQ(block.Long(2), 10);
  EXPECT_EQ(block.Long(3), 20);
  EXPECT_EQ(block.Long(4), ParamBlock::kLongSentinel);
  EXPECT_EQ(block.TextAt(6), u"format");
}

TEST_F(CommandsWithoutArea, CaptionGetterTakesOnlyTheExactTextCellAsHitTest) {
  for (const char16_t* text : {u"Cell", u"cells", u"cel"}) {
    ParamBlock block(23);
    block.SetText(1, text);
    EXPECT_EQ(block.Run(), -50);
    EXPECT_EQ(block.TextAt(1), u"");
    EXPECT_EQ(block.Long(2), 0);
  }
}

#endif
