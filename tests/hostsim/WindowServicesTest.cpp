// The window, area and form services of the callback entry once windows and areas exist, and
// the form commands' refusal of bad input.
#include "FakeArea.h"

namespace {

using namespace hosttest;
using fakearea::Get;

class WindowServices : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fakearea::Install();
    Run("gW:=Open window(0;0;300;200)\ngA:=Plugin area(gW;\"a\";10;10;110;60)");
    fWindow = zvhost::HostWindow(1);
    ASSERT_NE(nullptr, fWindow);
  }
  void TearDown() override {
    Get() = fakearea::State();
    HostTest::TearDown();
  }
  std::vector<std::string> Invalidations() {
    Run("INVALIDATIONS(gA;gTexts)\ngCount:=Invalidation count(gA)");
    FDEngineBlock b = NewBlock();
    b.fUName = U(u"gCount");
    const auto count = Load<int32_t>(Call(kFDGetVariable, b).fValue);
    std::vector<std::string> texts;
    for (int32_t i = 1; i <= count; ++i) {
      fLog.clear();
      Run("LOG(gTexts{" + std::to_string(i) + "})");
      texts.push_back(fLog.at(0));
    }
    return texts;
  }

  void* fWindow = nullptr;
};

int16_t Invalidate(int32_t reference, const Rect* rect, bool immediately) {
  FDEngineBlock b = NewBlock();
  b.fParam1 = reference;
  b.fPtr1 = const_cast<Rect*>(rect);
  b.fParam2 = immediately ? 1 : 0;
  return Call(kFDInvalidateAreaRect, b).fError;
}

TEST_F(WindowServices, InvalidationsAreRecordedUntilTheNextUpdate) {
  const Rect part{5, 20, 15, 40}; // top, left, bottom, right
  EXPECT_EQ(0, Invalidate(101, &part, false));
  EXPECT_EQ(0, Invalidate(101, nullptr, true));
  EXPECT_EQ(kFDErrNotAvailable, Invalidate(999, nullptr, false));
  EXPECT_EQ(kFDErrNotAvailable, Invalidate(0, nullptr, false));
  EXPECT_EQ((std::vector<std::string>{"20;5;40;15", "area immediately"}), Invalidations());
  Run("IDLE");
  EXPECT_TRUE(Invalidations().empty());
}

TEST_F(WindowServices, KeyInformationComesFromTheKeyEventBeingDelivered) {
  struct Answer {
    int16_t error;
    int32_t key;
    int32_t character;
  };
  std::vector<Answer> answers;
  Get().reply = [&](EventRecord&, int32_t*) {
    FDEngineBlock b = Call(kFDGetAreaKeyEventInfo, NewBlock());
    answers.push_back({b.fError, b.fParam1, b.fParam2});
  };
  Run("AREA EVENT(gA;3;0x2561)\nAREA EVENT(gA;5;0x0D0D)\nAREA EVENT(gA;1;0x2561)");
  ASSERT_EQ(3u, answers.size());
  EXPECT_EQ(0, answers[0].error);
  EXPECT_EQ(0x25, answers[0].key);
  EXPECT_EQ(0x61, answers[0].character);
  EXPECT_EQ(0x0D, answers[1].key);
  EXPECT_EQ(kFDErrNotAvailable, answers[2].error); // not a key event
  EXPECT_EQ(kFDErrNotAvailable, Call(kFDGetAreaKeyEventInfo, NewBlock()).fError);
}

TEST_F(WindowServices, WindowsAreKnownByTheirHostPointerOnly) {
  int forged = 0;
  for (void* window : {fWindow, static_cast<void*>(&forged), static_cast<void*>(nullptr)}) {
    const bool known = window == fWindow;
    FDEngineBlock b = NewBlock();
    b.fPtr1 = window;
    for (int16_t selector : {kFDHWNDToMacWindow, kFDMacWindowToHWND}) {
      const FDEngineBlock mapped = Call(selector, b);
      EXPECT_EQ(known ? fWindow : nullptr, mapped.fPtr2) << selector;
      EXPECT_EQ(known ? 0 : kFDErrNotAvailable, mapped.fError) << selector;
    }
    EXPECT_EQ(known ? 1 : 0, Call(kFDGetWindowProcess, b).fParam1);
    EXPECT_EQ(known ? 1 : 0, Call(kFDGetDialogFromWindow, b).fParam1);
    b.fUName = U(u"tip");
    EXPECT_EQ(known ? 0 : kFDErrNotAvailable, Call(kFDCreateTip, b).fError);
  }
  Run("CLOSE WINDOW(gW)");
  FDEngineBlock b = NewBlock();
  b.fPtr1 = fWindow; // closed: no longer a window
  EXPECT_EQ(nullptr, Call(kFDHWNDToMacWindow, b).fPtr2);
  EXPECT_EQ(0, Call(kFDGetWindowProcess, b).fParam1);
}

TEST_F(WindowServices, ClipModeIsSetThroughTheAreasOwnCell) {
  int16_t inside = -1;
  Get().reply = [&](EventRecord&, int32_t* word) {
    FDEngineBlock b = NewBlock();
    b.fPtr1 = word;
    b.fParam1 = 1;
    inside = Call(kFDSetAreaClipMode, b).fError;
  };
  Run("AREA EVENT(gA;0)");
  EXPECT_EQ(0, inside);
  int32_t copy = 101; // the same reference in a cell that is not the area's
  FDEngineBlock b = NewBlock();
  b.fPtr1 = &copy;
  EXPECT_EQ(kFDErrNotAvailable, Call(kFDSetAreaClipMode, b).fError);
}

TEST_F(WindowServices, FormEventIsTheEventBeingDelivered) {
  Run("AREA EVENT(gA;43)\nAREA EVENT(gA;0)");
  ASSERT_EQ(3u, Get().events.size());
  EXPECT_EQ(43, Get().events[1].formEvent);
  EXPECT_EQ(0, Get().events[2].formEvent);
  EXPECT_EQ(0, fakearea::FormEvent()); // outside any event
}

TEST_F(WindowServices, BadInputToTheFormCommandsIsAScriptErrorNotACrash) {
  const char* const kBad[] = {
      "Open window(0;0;0;0)",                  // empty
      "Open window(10;10;5;50)",               // right before left
      "Open window(0;0;40000;10)",             // outside 16 bits
      "Open window(0;0;9000;10)",              // surface too large
      "Open window(0;0;10)",                   // too few parameters
      "Plugin area(99;\"x\";0;0;10;10)",       // no such window
      "Plugin area(gW;\"x\";0;0;10;10;-1)",    // negative page
      "Plugin area(gW;5;0;0;10;10)",           // name not a text
      "AREA EVENT(999;0)",                     // no such area
      "AREA EVENT(gA;70000)",                  // event code outside 16 bits
      "AREA EVENT(gA;81;12345)",               // would hand a number as a drag record
      "AREA EVENT(gA;26;0;12345)",             // would hand a number as a drawing record
      "AREA EVENT(gA;1;0;0;0;0;-1)",           // modifiers outside 16 bits
      "FORM GOTO PAGE(gW;0)",                  // pages count from 1
      "OBJECT SET VISIBLE(gA;1)",              // not a boolean
      "OBJECT SET COORDINATES(gA;0;0;-10;10)", // right before left
      "MOUSE CLICK(gW;1;1;0;-5)",              // the clock does not go back
      "CLOSE WINDOW(0)",                       // no such window
      "INVALIDATIONS(gA;5)",                   // not a variable
  };
  Get().events.clear();
  for (const char* code : kBad) {
    std::string message;
    EXPECT_NE(0, zvhost::RunCode(code, &message)) << code;
    EXPECT_FALSE(message.empty()) << code;
  }
  EXPECT_TRUE(Get().events.empty()) << "a refused command reached the plug-in";
  EXPECT_EQ(1, zvhost::CountLiveObjects().surfaces);
}

// OBJECT GET DRAG AND DROP OPTIONS as the plug-in calls it: the object name, four booleans back.
int16_t DragOptions(const char16_t* objectName, bool out[4]) {
  FDStringBlock name{};
  FDEngineBlock b = NewBlock();
  b.fPtr1 = &name;
  Call(kFDCreateFDString, b);
  const std::u16string text(objectName);
  b.fPtr2 = const_cast<char16_t*>(text.data());
  b.fParam1 = static_cast<int32_t>(text.size());
  Call(kFDSetFDString, b);
  ValueBlock params[5] = {};
  Put(params[0], kFDText, name);
  for (int i = 1; i < 5; ++i) {
    params[i].fBytes[0] = kFDBoolean;
  }
  FDEngineBlock command = NewBlock();
  command.fParam1 = 1184;
  command.fParam2 = 5;
  command.fPtr1 = params;
  const int16_t error = Call(kFDExecuteCommandByID, command).fError;
  for (int i = 0; i < 4; ++i) {
    out[i] = params[i + 1].fBytes[kValueBlockValueOffset] != 0;
  }
  b = NewBlock();
  b.fPtr1 = &name;
  Call(kFDDisposeFDString, b);
  return error;
}

TEST_F(WindowServices, DragAndDropOptionsAreThoseAMethodSetOnTheObject) {
  bool options[4] = {};
  EXPECT_EQ(kFDErrNotAvailable, DragOptions(u"a", options)); // none set: the form's defaults
  Run("OBJECT SET DRAG AND DROP OPTIONS(gA;True;False;True;True)");
  EXPECT_EQ(0, DragOptions(u"a", options));
  EXPECT_TRUE(options[0]);
  EXPECT_FALSE(options[1]);
  EXPECT_TRUE(options[2]);
  EXPECT_TRUE(options[3]);
  EXPECT_EQ(kFDErrNotAvailable, DragOptions(u"nothing", options));
}

} // namespace
