// Area events as the host language's form commands deliver them through the area command.
#include "FakeArea.h"

namespace {

using namespace hosttest;
using fakearea::Codes;
using fakearea::CodesAndAreas;
using fakearea::Get;

class AreaEvents : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fakearea::Install();
  }
  void TearDown() override {
    Get() = fakearea::State();
    HostTest::TearDown();
  }
  int32_t Long(const char* code) {
    Run(std::string("gResult:=") + code);
    FDEngineBlock b = NewBlock();
    b.fUName = U(u"gResult");
    return Load<int32_t>(Call(kFDGetVariable, b).fValue);
  }
  void Clear() { Get().events.clear(); }
};

TEST_F(AreaEvents, PlacingAnAreaSendsItsInitAndAnswersItsReference) {
  Run("gW:=Open window(100;100;500;400)\ngA:=Plugin area(gW;\"Grid\";10;20;210;170;2)");
  ASSERT_EQ(1u, Get().events.size());
  const fakearea::Received& init = Get().events[0];
  EXPECT_EQ(602, init.what); // the extended init, whose record carries page and window
  ASSERT_EQ(54u, init.initRecord.size());
  auto at = [&](size_t offset, auto value) {
    std::memcpy(&value, init.initRecord.data() + offset, sizeof value);
    return value;
  };
  EXPECT_EQ(3, at(2, int16_t{}));
  EXPECT_EQ(9, at(6, uint8_t{}));
  EXPECT_EQ(0xFFFFFF, at(12, int32_t{}));
  EXPECT_EQ(1, at(24, uint8_t{})); // input form
  EXPECT_EQ(2, at(26, int16_t{})); // page
  const auto window = reinterpret_cast<uintptr_t>(zvhost::HostWindow(1));
  EXPECT_EQ(window, at(38, uint32_t{})); // the window, whole in 32 bits
  EXPECT_EQ(window, at(46, uint32_t{})); // and its native window
  EXPECT_EQ(0, init.when);
  EXPECT_EQ(1, init.modifiers); // input form
  EXPECT_EQ(0, init.reference);
  EXPECT_EQ(u"Grid", init.name);
  EXPECT_EQ(u"Grid", init.objectName);
  EXPECT_EQ(20, init.rect.top);
  EXPECT_EQ(10, init.rect.left);
  EXPECT_EQ(170, init.rect.bottom);
  EXPECT_EQ(210, init.rect.right);
  EXPECT_EQ(602, init.formEvent);
  EXPECT_EQ(101, Long("gA"));
}

TEST_F(AreaEvents, RawEventCarriesItsFieldsAndTheRepliesComeBack) {
  Run("gW:=Open window(0;0;300;300)\ngA:=Plugin area(gW;\"a\";0;0;100;100)");
  Clear();
  Get().reply = [](EventRecord& event, int32_t*) {
    event.message = 112;
    event.modifiers = 1536;
  };
  Run("C_LONGINT(gM;gMod)\ngM:=120\ngMod:=0x200\nAREA EVENT(gA;39;gM;77;5;6;gMod)");
  ASSERT_EQ(1u, Get().events.size());
  const fakearea::Received& e = Get().events[0];
  EXPECT_EQ(39, e.what);
  EXPECT_EQ(120, e.message);
  EXPECT_EQ(77, e.when);
  EXPECT_EQ(5, e.where.v);
  EXPECT_EQ(6, e.where.h);
  EXPECT_EQ(0x200, e.modifiers);
  EXPECT_EQ(101, e.reference);
  EXPECT_EQ(39, e.formEvent);
  EXPECT_EQ(112, Long("gM"));
  EXPECT_EQ(1536, Long("gMod"));
  // Literal message and modifiers are sent and nothing is written back.
  Run("AREA EVENT(gA;20;5;0;0;0;1)");
  EXPECT_EQ(5, Get().events.back().message);
}

TEST_F(AreaEvents, IdleSendsEndOfCycleThenUpdatesThenIdle) {
  Run("gW:=Open window(0;0;300;300)\ngA:=Plugin area(gW;\"a\";0;0;100;100)\n"
      "gW2:=Open window(0;0;200;200)\ngB:=Plugin area(gW2;\"b\";0;0;50;50)");
  Clear();
  Run("IDLE"); // a new form draws its areas once
  using P = std::pair<int, int32_t>;
  EXPECT_EQ((std::vector<P>{{72, 101}, {72, 102}, {6, 101}, {6, 102}, {0, 101}, {0, 102}}),
            CodesAndAreas());

  Clear();
  Run("IDLE"); // nothing asked: no update
  EXPECT_EQ((std::vector<int>{72, 72, 0, 0}), Codes());

  // A redraw request at the end of the cycle, and an invalidation of the other area.
  Get().reply = [](EventRecord& event, int32_t* word) {
    if (event.what == 72 && *word == 102) {
      event.modifiers = 1;
    }
  };
  FDEngineBlock b = NewBlock();
  b.fParam1 = 101;
  ASSERT_EQ(0, Call(kFDInvalidateAreaRect, b).fError);
  Clear();
  Run("IDLE");
  EXPECT_EQ((std::vector<P>{{72, 101}, {72, 102}, {6, 101}, {6, 102}, {0, 101}, {0, 102}}),
            CodesAndAreas());
}

TEST_F(AreaEvents, UpdateEventsCarryTheWindowsDeviceContext) {
  Run("gW:=Open window(10;10;110;60)\ngA:=Plugin area(gW;\"a\";0;0;100;50)\nIDLE");
  const fakearea::Received* update = nullptr;
  for (const auto& e : Get().events) {
    if (e.what == 6) {
      update = &e;
    }
  }
  ASSERT_NE(nullptr, update);
  // Outside updates, what an event draws goes to the same window surface.
  for (const auto& e : Get().events) {
    EXPECT_EQ(update->updateContext, e.updateContext) << "event " << e.what;
  }
  ASSERT_NE(nullptr, update->updateContext);
  EXPECT_EQ(reinterpret_cast<intptr_t>(update->updateContext), update->message);
  const auto* context = static_cast<const FDDeviceContext*>(update->updateContext);
  EXPECT_EQ(100, context->fWidth);
  EXPECT_EQ(50, context->fHeight);
  EXPECT_EQ(400, context->fRowBytes);
  EXPECT_EQ(0xFFFFFFFFu, context->fPixels[0]);
  EXPECT_EQ(0xFFFFFFFFu, context->fPixels[100 * 50 - 1]);
  EXPECT_EQ(nullptr, Call(kFDGetUpdateHDC, NewBlock()).fPtr1); // no event in progress

  // A raw update draws on the same surface, whatever number the method gives.
  Clear();
  Run("AREA EVENT(gA;6;12345)");
  EXPECT_EQ(update->updateContext, Get().events.at(0).updateContext);
}

TEST_F(AreaEvents, PageChangesTellEachAreaThePageAndItsVisibility) {
  Run("gW:=Open window(0;0;300;300)\ngA:=Plugin area(gW;\"every\";0;0;100;100)\n"
      "gB:=Plugin area(gW;\"second\";0;100;100;200;2)");
  Clear();
  Run("IDLE"); // page 1 shows only the area on every page
  EXPECT_EQ((std::vector<int>{72, 72, 6, 0, 0}), Codes());

  // What page 1 left on the window, even drawn there directly, goes with it.
  GetDC(zvhost::HostWindow(1))->fPixels[150] = 0xFF0000FFu;
  Clear();
  Run("OBJECT SET VISIBLE(gA;False)\nFORM GOTO PAGE(gW;2)");
  EXPECT_EQ(0xFFFFFFFFu, GetDC(zvhost::HostWindow(1))->fPixels[150]);
  ASSERT_EQ(3u, Get().events.size());
  EXPECT_EQ(86, Get().events[0].what);
  EXPECT_EQ(0, Get().events[0].where.v);
  for (int i : {1, 2}) {
    EXPECT_EQ(71, Get().events[i].what);
    EXPECT_EQ(2, Get().events[i].when);
  }
  EXPECT_EQ(0, Get().events[1].where.v); // hidden
  EXPECT_EQ(1, Get().events[2].where.v);

  Clear();
  Run("IDLE"); // the page-2 area comes into view; the hidden one is not drawn
  EXPECT_EQ(
      (std::vector<std::pair<int, int32_t>>{{72, 101}, {72, 102}, {6, 102}, {0, 101}, {0, 102}}),
      CodesAndAreas());

  Clear();
  Run("OBJECT SET VISIBLE(gA;True)");
  ASSERT_EQ(1u, Get().events.size());
  EXPECT_EQ(86, Get().events[0].what);
  EXPECT_EQ(1, Get().events[0].where.v);
}

TEST_F(AreaEvents, NewCoordinatesReachThePlugInAtTheNextEndOfCycle) {
  Run("gW:=Open window(0;0;300;300)\ngA:=Plugin area(gW;\"a\";0;0;100;100)\nIDLE");
  Clear();
  Run("OBJECT SET COORDINATES(gA;30;40;130;90)");
  EXPECT_TRUE(Get().events.empty());
  Run("IDLE");
  ASSERT_FALSE(Get().events.empty());
  const fakearea::Received& cycle = Get().events[0];
  EXPECT_EQ(72, cycle.what);
  EXPECT_EQ(40, cycle.rect.top);
  EXPECT_EQ(30, cycle.rect.left);
  EXPECT_EQ(90, cycle.rect.bottom);
  EXPECT_EQ(130, cycle.rect.right);
  EXPECT_EQ((std::vector<int>{72, 6, 0}), Codes()); // moved: redrawn
}

// Where an area no longer shows, the form's background comes back, and an area it overlapped
// draws itself again.
TEST_F(AreaEvents, AnAreaMovedOrHiddenLeavesTheFormBackgroundWhereItStood) {
  Run("gW:=Open window(0;0;300;300)\ngA:=Plugin area(gW;\"a\";0;0;100;100)\n"
      "gB:=Plugin area(gW;\"b\";50;50;150;150)\nIDLE");
  uint32_t* pixels = GetDC(zvhost::HostWindow(1))->fPixels;
  pixels[10 * 300 + 10] = 0xFF0000FFu;   // drawn by the first area alone
  pixels[120 * 300 + 120] = 0xFF0000FFu; // by the second
  Clear();
  Run("OBJECT SET COORDINATES(gA;200;200;290;290)");
  EXPECT_EQ(0xFFFFFFFFu, pixels[10 * 300 + 10]);
  EXPECT_EQ(0xFF0000FFu, pixels[120 * 300 + 120]); // not where the first area stood
  Run("IDLE");
  EXPECT_EQ((std::vector<std::pair<int, int32_t>>{
                {72, 101}, {72, 102}, {6, 101}, {6, 102}, {0, 101}, {0, 102}}),
            CodesAndAreas());

  Run("OBJECT SET VISIBLE(gB;False)");
  EXPECT_EQ(0xFFFFFFFFu, pixels[120 * 300 + 120]);
  Clear();
  Run("IDLE"); // the hidden area draws nothing; the first no longer overlaps it
  EXPECT_EQ((std::vector<std::pair<int, int32_t>>{{72, 101}, {72, 102}, {0, 101}, {0, 102}}),
            CodesAndAreas());
}

TEST_F(AreaEvents, ClosingAWindowDeinitialisesItsAreasAndFreesItsSurface) {
  Run("gW:=Open window(0;0;300;300)\ngA:=Plugin area(gW;\"a\";0;0;100;100)\n"
      "gB:=Plugin area(gW;\"b\";100;0;200;100)");
  EXPECT_EQ(1, zvhost::CountLiveObjects().surfaces);
  Clear();
  Run("CLOSE WINDOW(gW)");
  EXPECT_EQ((std::vector<std::pair<int, int32_t>>{{17, 101}, {17, 102}}), CodesAndAreas());
  EXPECT_EQ(0, zvhost::CountLiveObjects().Total());
  std::string message;
  EXPECT_NE(0, zvhost::RunCode("AREA EVENT(gA;0)", &message));
  EXPECT_NE(std::string::npos, message.find("no plug-in area 101")) << message;
  EXPECT_NE(0, zvhost::RunCode("CLOSE WINDOW(gW)"));
}

TEST_F(AreaEvents, TheEndOfARunDeinitialisesAreasBeforeThePlugIn) {
  Run("gW:=Open window(0;0;300;300)\ngA:=Plugin area(gW;\"a\";0;0;100;100)\n"
      "gW2:=Open window(0;0;300;300)\ngB:=Plugin area(gW2;\"b\";0;0;100;100)");
  Get().calls.clear();
  // What zorvi-host does once the method has run.
  zvhost::CloseAllWindows();
  int32_t result = 0;
  fakeplugin::Entry(kFDDeinitPlugin, nullptr, nullptr, &result);
  EXPECT_EQ((std::vector<std::string>{"event 17", "event 17", "deinit"}), Get().calls);
  EXPECT_EQ(0, zvhost::CountLiveObjects().surfaces);
}

TEST_F(AreaEvents, MouseClickGoesToTheTopmostShownAreaUnderThePoint) {
  Run("gW:=Open window(0;0;300;300)\ngA:=Plugin area(gW;\"a\";0;0;200;200)\n"
      "gB:=Plugin area(gW;\"b\";50;50;100;100)");
  Clear();
  Run("MOUSE CLICK(gW;60;70;0x200;5)");
  ASSERT_EQ(3u, Get().events.size()); // asked whether it takes the focus: it does not
  EXPECT_EQ(20, Get().events[0].what);
  EXPECT_EQ(1, Get().events[1].what);
  EXPECT_EQ(2, Get().events[2].what);
  EXPECT_EQ(102, Get().events[1].reference);
  EXPECT_EQ(70, Get().events[1].where.v);
  EXPECT_EQ(60, Get().events[1].where.h);
  EXPECT_EQ(0x200, Get().events[1].modifiers);
  EXPECT_EQ(5, Get().events[1].when); // the clock moved first

  Clear();
  Run("OBJECT SET VISIBLE(gB;False)\nMOUSE CLICK(gW;60;70)\nMOUSE CLICK(gW;250;250)");
  EXPECT_EQ((std::vector<std::pair<int, int32_t>>{{86, 102}, {20, 101}, {1, 101}, {2, 101}}),
            CodesAndAreas());
}

TEST_F(AreaEvents, AWindowClosedByCodeRunInsideAnEventGetsNoMoreEvents) {
  Run("gW:=Open window(0;0;300;300)\ngA:=Plugin area(gW;\"a\";0;0;100;100)\n"
      "gB:=Plugin area(gW;\"b\";100;0;200;100)");
  // What a plug-in does when it has the host run a method that closes the form's window.
  Get().reply = [](EventRecord& event, int32_t* word) {
    if (event.what == 72 && *word == 101) {
      EXPECT_EQ(0, zvhost::RunCode("CLOSE WINDOW(gW)"));
      // The area is not deleted under the plug-in while it is still inside the event.
      EXPECT_EQ(72, Get().events.back().what);
      EXPECT_EQ(1, zvhost::CountLiveObjects().surfaces);
    }
  };
  Get().events.clear();
  Run("IDLE");
  EXPECT_EQ((std::vector<std::pair<int, int32_t>>{{72, 101}, {17, 101}, {17, 102}}),
            CodesAndAreas());
  EXPECT_EQ(0, zvhost::CountLiveObjects().surfaces);
}

TEST_F(AreaEvents, AnEndingProcessClosesItsWindowsFirst) {
  Run("gW:=Open window(0;0;300;300)\ngA:=Plugin area(gW;\"a\";0;0;100;100)");
  const int32_t process = zvhost::StartProcess();
  ASSERT_TRUE(zvhost::SetCurrentProcess(process));
  Run("gW:=Open window(0;0;300;300)\ngB:=Plugin area(gW;\"b\";0;0;100;100)");
  fakeplugin::On(kFDProcessEnd, [](void*, void*) { Get().calls.push_back("process end"); });
  Get().calls.clear();
  zvhost::EndProcess(process);
  EXPECT_EQ((std::vector<std::string>{"event 17", "process end"}), Get().calls);
  EXPECT_EQ(102, Get().events.back().reference);
  EXPECT_EQ(1, zvhost::CountLiveObjects().surfaces); // the main process's window stays
}

} // namespace
