// The compatibility layer's current port, its window finder and its pixel copies.
#include "FakeArea.h"

namespace {

using namespace hosttest;

class Ports : public HostTest {
protected:
  void SetUp() override {
    HostTest::SetUp();
    fakearea::Install();
    Run("gW:=Open window(100;50;110;56)\ngW2:=Open window(0;0;8;4)");
    fFirst = zvhost::HostWindow(1);
    fSecond = zvhost::HostWindow(2);
  }
  void TearDown() override {
    fakearea::Get() = fakearea::State();
    HostTest::TearDown();
  }
  static GrafPtr Port() {
    GrafPtr port = reinterpret_cast<GrafPtr>(&port);
    GetPort(&port);
    return port;
  }
  static uint32_t& Pixel(void* window, int x, int y) {
    FDDeviceContext* dc = GetDC(window);
    return dc->fPixels[y * (dc->fRowBytes / 4) + x];
  }

  void* fFirst = nullptr;
  void* fSecond = nullptr;
};

TEST_F(Ports, ThePortIsTheEventsWindowThenTheLastOneSet) {
  EXPECT_EQ(nullptr, Port());
  SetPort(fSecond);
  EXPECT_EQ(fSecond, Port());
  std::vector<GrafPtr> inside;
  fakearea::Get().reply = [&](EventRecord&, int32_t*) {
    inside.push_back(Port());
    SetPort(fSecond);
    inside.push_back(Port());
  };
  Run("gA:=Plugin area(gW;\"a\";0;0;5;5)");
  ASSERT_EQ(2u, inside.size());
  EXPECT_EQ(fFirst, inside[0]);
  EXPECT_EQ(fSecond, inside[1]);
  SetPort(fFirst); // outside an event it stays
  Run("AREA EVENT(gA;0)");
  EXPECT_EQ(fFirst, Port());
  Run("CLOSE WINDOW(gW)");
  EXPECT_EQ(nullptr, Port()); // a closed window is no port
  GetPort(nullptr);
}

TEST_F(Ports, TheWindowFinderPrefersTheFrontWindow) {
  Run("gW3:=Open window(105;52;120;60)");
  struct Case {
    int16_t h, v;
    void* window;
  };
  const Case cases[] = {
      {100, 50, fFirst},   {106, 53, zvhost::HostWindow(3)},
      {3, 2, fSecond},     {8, 2, nullptr}, // right edge is outside
      {300, 300, nullptr},
  };
  for (const Case& c : cases) {
    GrafPtr found = reinterpret_cast<GrafPtr>(&found);
    EXPECT_EQ(c.window != nullptr ? 3 : 0, FindWindo(Point{c.v, c.h}, &found)) << c.h;
    EXPECT_EQ(c.window, found) << c.h;
  }
}

TEST_F(Ports, CopyBitsCopiesBetweenSurfacesClippedToBoth) {
  Pixel(fFirst, 0, 0) = 0xFF112233;
  Pixel(fFirst, 0, 1) = 0xFF445566;
  Pixel(fFirst, 9, 5) = 0xFF778899;
  const Rect all{0, 0, 6, 10};      // the first window's whole surface, 10 by 6
  const Rect shifted{-1, 0, 5, 10}; // one row up, into a surface of 8 by 4
  CopyBits(fFirst, fSecond, &all, &shifted, 0, nullptr);
  EXPECT_EQ(0xFF445566u, Pixel(fSecond, 0, 0));
  EXPECT_EQ(0xFFFFFFFFu, Pixel(fSecond, 7, 3));
  const Rect corner{0, 0, 1, 1};
  const Rect target{3, 7, 4, 8};
  CopyBits(fFirst, fSecond, &corner, &target, 0, nullptr);
  EXPECT_EQ(0xFF112233u, Pixel(fSecond, 7, 3));
  int forged = 0;
  CopyBits(&forged, fSecond, &all, &all, 0, nullptr);
  CopyBits(fFirst, fSecond, nullptr, &all, 0, nullptr);
  EXPECT_EQ(0xFF445566u, Pixel(fSecond, 0, 0));
}

} // namespace
