// Input for interaction: presses played as a timeline that the plug-in's polling consumes,
// keys queued for the host's event queue, host drags, focus, keys and tips.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "FakeArea.h"

namespace {

using namespace hosttest;
using fakearea::Codes;
using fakearea::Get;

struct Seen {
  int h;
  int v;
  uint32_t ticks;
  bool operator==(const Seen&) const = default;
};

class InteractionInput : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fakearea::Install();
  }
  void TearDown() override {
    Get() = fakearea::State();
    HostTest::TearDown();
  }
  static Seen Mouse() {
    Point p{};
    GetMouse(&p);
    return Seen{p.h, p.v, TickCount()};
  }
  static EventRecord NextEvent(int32_t mask, bool* taken) {
    EventRecord event{};
    FDEngineBlock b = NewBlock();
    b.fParam1 = mask;
    b.fPtr1 = &event;
    *taken = Call(kFDGetNextEvent, b).fParam1 == 1;
    return event;
  }
  void Clear() { Get().events.clear(); }
  int32_t Long(const char* code) {
    Run(std::string("gResult:=") + code);
    FDEngineBlock b = NewBlock();
    b.fUName = U(u"gResult");
    return Load<int32_t>(Call(kFDGetVariable, b).fValue);
  }
};

TEST_F(InteractionInput, PollsOfTheButtonWalkThePressAndWhatTheyLeaveIsPlayedOut) {
  Run("gW:=Open window(100;50;400;350)\ngA:=Plugin area(gW;\"a\";0;0;200;200)");
  std::vector<Seen> seen;
  int polls = 3;
  Get().reply = [&](EventRecord& event, int32_t*) {
    if (event.what != 1) {
      return;
    }
    seen.push_back(Mouse());
    for (int i = 0; i < polls; ++i) {
      const bool down = i % 2 == 0 ? StillDown() != 0 : Button() != 0;
      if (!down) {
        seen.push_back(Seen{-1, -1, TickCount()});
        break;
      }
      seen.push_back(Mouse());
    }
  };
  Clear();
  // Four steps from (10, 20) to (50, 60), then two polls held there.
  Run("MOUSE DRAG(gW;10;20;50;60;0x200;4;2)");
  EXPECT_EQ((std::vector<Seen>{{10, 20, 0}, {20, 30, 1}, {30, 40, 2}, {40, 50, 3}}), seen);
  ASSERT_EQ((std::vector<int>{20, 1, 2}), Codes());
  const fakearea::Received& up = Get().events[2];
  EXPECT_EQ(50, up.where.h);
  EXPECT_EQ(60, up.where.v);
  EXPECT_EQ(6, up.when); // the rest played out, a tick a point
  EXPECT_EQ(0x200, up.modifiers);
  EXPECT_EQ(0, StillDown()); // released
  EXPECT_EQ(6u, TickCount());

  // An area that polls to the end sees the button come up; a release past the window's edge.
  seen.clear();
  polls = 100;
  Clear();
  Run("MOUSE DRAG(gW;10;10;-30;10;0;2)");
  EXPECT_EQ((std::vector<Seen>{{10, 10, 6}, {-10, 10, 7}, {-30, 10, 8}, {-1, -1, 8}}), seen);
  EXPECT_EQ(-30, Get().events.at(2).where.h);
  EXPECT_EQ(8, Get().events.at(2).when);

  // A click's button is already up when it is polled.
  seen.clear();
  Run("MOUSE CLICK(gW;5;5)");
  EXPECT_EQ((std::vector<Seen>{{5, 5, 8}, {-1, -1, 8}}), seen);
  std::string message;
  EXPECT_NE(0, zvhost::RunCode("MOUSE DRAG(gW;1;1;2;2;0;0)", &message));
}

TEST_F(InteractionInput, PostedKeysComeOutOfTheEventQueueWhenDue) {
  Run("POST KEY(27;53;5)\nPOST KEY(\"a\")\nPOST KEY(98;11;5)");
  bool taken = false;
  EventRecord event = NextEvent(56, &taken);
  ASSERT_TRUE(taken);
  EXPECT_EQ(3, event.what);
  EXPECT_EQ('a', event.message);
  NextEvent(56, &taken);
  EXPECT_FALSE(taken); // the others are not due yet
  Run("ADVANCE TICKS(5)");
  NextEvent(1 << 1, &taken);
  EXPECT_FALSE(taken); // a mask without key downs takes none
  event = NextEvent(56, &taken);
  ASSERT_TRUE(taken);
  EXPECT_EQ(27, event.message & 0xFF); // the cancel key
  EXPECT_EQ(53, (event.message >> 8) & 0xFF);
  EXPECT_EQ(5, event.when);
  EXPECT_EQ((11 << 8) | 98, NextEvent(56, &taken).message);
  NextEvent(56, &taken);
  EXPECT_FALSE(taken);
}

TEST_F(InteractionInput, AHostDragWalksTheRestOfThePressOverDroppableAreas) {
  // The object method may take a snapshot, to show what the drag looks like over the area.
  const std::string snapshot =
      (std::filesystem::temp_directory_path() / ("zv-over-" + std::to_string(::getpid()) + ".png"))
          .string();
  ASSERT_EQ(0, zvhost::DefineMethod("dropTarget", "LOG(\"om\";Form event code;Fake form event)\n"
                                                  "If(Form event code=21)\nSNAPSHOT(1;\"" +
                                                      snapshot + "\")\nEnd if"));
  fakeplugin::Command(2, "Fake form event", {}, [](void*, void* result) {
    fakeplugin::SetResult(result, fakearea::FormEvent());
  });
  Run("gW:=Open window(0;0;400;300)\ngA:=Plugin area(gW;\"src\";0;0;100;100)\n"
      "gB:=Plugin area(gW;\"dst\";200;0;300;100;0;\"dropTarget\")\n"
      "OBJECT SET DRAG AND DROP OPTIONS(gB;False;False;True;False)");
  std::vector<Rect> dragged;
  bool refuse = false;
  Get().reply = [&](EventRecord& event, int32_t* word) {
    if (event.what == 1 && *word == 101) {
      FDEngineBlock b = NewBlock();
      b.fParam1 = 50;
      b.fParam2 = 50;
      EXPECT_EQ(0, Call(kFDStartDrag, b).fError);
      EXPECT_EQ(1, StillDown()); // the button is held while the mouse-down lasts
    } else if (event.what == 80 && refuse) {
      event.modifiers = 1;
    } else if (event.what == 81) {
      dragged.push_back(*reinterpret_cast<const Rect*>(event.message));
    }
  };
  EXPECT_EQ(kFDErrNotAvailable, Call(kFDStartDrag, NewBlock()).fError); // not in a mouse-down
  Clear();
  Run("MOUSE DRAG(gW;50;50;250;50;0;4;1)");
  using P = std::pair<int, int32_t>;
  // Pressed in A; the first poll moved to (100, 50): the walk starts there, over no area.
  EXPECT_EQ((std::vector<P>{{20, 101},
                            {1, 101},
                            {80, 102},
                            {81, 102},
                            {80, 102},
                            {81, 102},
                            {80, 102},
                            {81, 102},
                            {82, 102}}),
            fakearea::CodesAndAreas());
  EXPECT_EQ((std::vector<std::string>{"om\t46\t46", "om\t21\t21", "om\t21\t21", "om\t16\t16"}),
            fLog);
  ASSERT_EQ(3u, dragged.size());
  EXPECT_EQ(100, dragged[0].right); // the record starts with the dragged object's rectangle
  const fakearea::Received& over = Get().events[3];
  EXPECT_EQ(50, over.where.v);
  EXPECT_EQ(200, over.where.h);
  EXPECT_EQ(0, Long("Form event code"));
  EXPECT_TRUE(std::filesystem::remove(snapshot));

  // HOST DRAG leaves B: it is redrawn; released over nothing, nothing is dropped.
  Clear();
  fLog.clear();
  Run("HOST DRAG(gW;250;50;350;50;2)");
  EXPECT_EQ((std::vector<int>{80, 81, 6}), Codes());
  EXPECT_EQ((std::vector<std::string>{"om\t46\t46"}), fLog);
  // Refused: no drag over, no drop, no object method.
  Clear();
  fLog.clear();
  refuse = true;
  Run("HOST DRAG(gW;250;50;260;50;1)");
  EXPECT_EQ((std::vector<int>{80, 80}), Codes());
  EXPECT_TRUE(fLog.empty());
}

TEST_F(InteractionInput, FocusFollowsClicksAndKeysAndSelectAllGoToTheFocusedArea) {
  Run("gW:=Open window(0;0;400;300)\ngA:=Plugin area(gW;\"a\";0;0;100;100)\n"
      "gB:=Plugin area(gW;\"b\";200;0;300;100)");
  int32_t keyCode = 0;
  int32_t character = -1;
  Get().reply = [&](EventRecord& event, int32_t*) {
    if (event.what == 20) {
      event.message = 101;
    } else if (event.what == 3) {
      const FDEngineBlock b = Call(kFDGetAreaKeyEventInfo, NewBlock());
      keyCode = b.fParam1;
      character = b.fParam2;
    } else if (event.what == 18) {
      FDEngineBlock b = NewBlock();
      b.fPtr1 = zvhost::HostWindow(1);
      b.fUName = U(u"cell 3");
      Call(kFDCreateTip, b);
    }
  };
  Clear();
  Run("KEY DOWN(gW;143)\nSELECT ALL(gW)");
  EXPECT_TRUE(Get().events.empty()); // nothing has the focus yet
  using P = std::pair<int, int32_t>;
  Run("MOUSE CLICK(gW;10;10)\nMOUSE CLICK(gW;10;10)");
  EXPECT_EQ((std::vector<P>{{20, 101}, {21, 101}, {1, 101}, {2, 101}, {1, 101}, {2, 101}}),
            fakearea::CodesAndAreas());
  // A's focus frame, 3 pixels outside it, goes when A loses the focus; A redraws itself.
  FDDeviceContext* surface = GetDC(zvhost::HostWindow(1));
  ASSERT_NE(nullptr, surface);
  auto pixel = [&](int x, int y) -> uint32_t& { return surface->fPixels[y * surface->fWidth + x]; };
  pixel(102, 50) = pixel(50, 102) = pixel(50, 50) = pixel(104, 50) = 0xFF0000FFu;
  Clear();
  Run("MOUSE DRAG(gW;210;10;220;10)");
  EXPECT_EQ(0xFFFFFFFFu, pixel(102, 50));
  EXPECT_EQ(0xFFFFFFFFu, pixel(50, 102));
  EXPECT_EQ(0xFF0000FFu, pixel(50, 50));
  EXPECT_EQ(0xFF0000FFu, pixel(104, 50));
  EXPECT_EQ((std::vector<P>{{20, 102}, {22, 101}, {21, 102}, {1, 102}, {2, 102}}),
            fakearea::CodesAndAreas());
  Clear();
  Run("KEY DOWN(gW;145;97;0x200)\nSELECT ALL(gW)");
  EXPECT_EQ((std::vector<P>{{3, 102}, {35, 102}}), fakearea::CodesAndAreas());
  EXPECT_EQ(145, keyCode);
  EXPECT_EQ(97, character);
  EXPECT_EQ(0x200, Get().events[0].modifiers);

  Clear();
  Run("MOUSE MOVE(gW;250;50)\nMOUSE MOVE(gW;350;50)");
  ASSERT_EQ((std::vector<P>{{18, 102}}), fakearea::CodesAndAreas());
  EXPECT_EQ(250, Get().events[0].where.h);
  EXPECT_EQ(50, Get().events[0].where.v);
  Run("gTip:=Last tip\ngNone:=Last tip\nASSERT(gTip=\"cell 3\")\nASSERT(gNone=\"\")");
}

TEST_F(InteractionInput, DatabaseMethodsAnswerEventHandlerCallsAndTheDatabaseKnowsItsFolder) {
  namespace fs = std::filesystem;
  const fs::path folder = fs::temp_directory_path() / ("zv-db-" + std::to_string(::getpid()));
  fs::create_directories(folder / "Methods");
  std::ofstream(folder / "Methods" / "onCell.4dm") << "LOG($1;$2;$3)\n";
  ASSERT_EQ(0, zvhost::LoadDatabase((folder / ".." / folder.filename()).string()));
  // What the plug-in does with ZV_SetEventHandler's method: its id, then a call with three longs.
  FDEngineBlock b = NewBlock();
  b.fUName = U(u"onCell");
  const int32_t id = Call(kFDGetMethodID, b).fParam1;
  ASSERT_NE(0, id);
  ValueBlock blocks[4];
  Put(blocks[0], kFDUndefined, 0);
  Put(blocks[1], kFDLongint, int32_t{101});
  Put(blocks[2], kFDLongint, int32_t{4});
  Put(blocks[3], kFDLongint, int32_t{7});
  b = NewBlock();
  b.fParam1 = id;
  b.fParam2 = 3;
  b.fPtr1 = blocks;
  EXPECT_EQ(0, Call(kFDCallMethodID, b).fError);
  EXPECT_EQ((std::vector<std::string>{"101\t4\t7"}), fLog);

  // Its own folder, absolute and ending with "/", however it was named.
  const std::string expected = fs::canonical(folder).string() + "/";
  Run("ASSERT(Get 4D folder(Database folder)=\"" + expected + "\")");
  std::string message;
  EXPECT_NE(0, zvhost::RunCode("gFolder:=Get 4D folder(0)", &message));
  fs::remove_all(folder);
}

} // namespace
