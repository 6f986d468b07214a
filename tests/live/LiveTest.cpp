// A person at the live windows: clicks, shift-clicks, the wheel, keys, tips and drags made with
// xdotool on zorvi-host --window, checked through what the databases' handlers log and the
// snapshots they take.
#include <stdlib.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "LiveHost.h"

namespace zorvi::live {
namespace {

// Where the test database's window lies on the screen, and its cells in it: 120 x 100 with 8
// between them, three a row.
constexpr int kGridLeft = 100;
constexpr int kGridTop = 80;
constexpr int kPitch = 128;
constexpr int kRowPitch = 108;

std::string ScreenX(int column) {
  return std::to_string(kGridLeft + 8 + column * kPitch + 60);
}

std::string ScreenY(int row) {
  return std::to_string(kGridTop + 8 + row * kRowPitch + 50);
}

// Moves to the point and lets the window system deliver the motion.
void MoveTo(const std::string& x, const std::string& y) {
  ASSERT_TRUE(Xdo({"mousemove", x, y, "sleep", "0.2"}));
}

// A press, a path of small moves, a release: as a hand drags.
void DragBetween(int fromX, int fromY, int toX, int toY, const std::vector<std::string>& during) {
  ASSERT_TRUE(Xdo({"mousemove", std::to_string(fromX), std::to_string(fromY), "sleep", "0.1",
                   "mousedown", "1"}));
  constexpr int kSteps = 12;
  for (int i = 1; i <= kSteps; ++i) {
    ASSERT_TRUE(Xdo({"mousemove", std::to_string(fromX + (toX - fromX) * i / kSteps),
                     std::to_string(fromY + (toY - fromY) * i / kSteps), "sleep", "0.02"}));
  }
  if (!during.empty()) {
    ASSERT_TRUE(Xdo(during));
  }
  ASSERT_TRUE(Xdo({"sleep", "0.1", "mouseup", "1"}));
}

// What the host logged, for a failure's message.
std::string Logged(LiveHost& host) {
  std::string text = "\nlogged:\n";
  for (const std::string& line : host.Lines()) {
    text += "  " + line + "\n";
  }
  return text;
}

// The screen's pixel once it is `wanted`, or as it is after a few seconds.
long WaitForScreenPixel(int x, int y, long wanted) {
  // The virtual display's screen file, named by the test's command.
  const char* screen = getenv("ZORVI_LIVE_SCREEN");
  if (screen == nullptr) {
    return -1;
  }
  long pixel = -1;
  for (int i = 0; i < 100 && pixel != wanted; ++i) {
    if (i > 0) {
      usleep(30000);
    }
    pixel = ScreenPixelAt(screen, x, y);
  }
  return pixel;
}

std::string SnapshotFolder() {
  const std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("zorvi-live-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  return folder.string();
}

TEST(LiveWithoutDisplay, RefusesToStartWithStatus4) {
  LiveHost host(ZORVI_SOURCE_DIR "/examples/gallery", {});
  EXPECT_EQ(host.WaitForExit(20), 4);
  EXPECT_GE(host.WaitForLine("run under xvfb-run", 1), 0) << Logged(host);

  // A display named but not there is none either.
  setenv("DISPLAY", ":987", 1);
  LiveHost unreachable(ZORVI_SOURCE_DIR "/examples/sorter", {});
  EXPECT_EQ(unreachable.WaitForExit(20), 4);
  EXPECT_GE(unreachable.WaitForLine("run under xvfb-run", 1), 0) << Logged(unreachable);
  unsetenv("DISPLAY");
}

TEST(LiveGrid, ClickShiftClickWheelEndAndTips) {
  const std::string snapshots = SnapshotFolder();
  LiveHost host(ZORVI_SOURCE_DIR "/tests/live/grid", {snapshots});
  ASSERT_GE(host.WaitForLine("ready\tTrue", 20), 0) << Logged(host);

  // A click on the second cell, where the pointer rested long enough for its tip.
  MoveTo(ScreenX(1), ScreenY(0));
  ASSERT_TRUE(Xdo({"click", "1"}));
  int line = host.WaitForLine("event\t4\tcell\t2\tselection\t2\ttip\tCell 2", 10);
  ASSERT_GE(line, 0) << Logged(host);

  // Shift-click on the fifth selects the range from the second.
  ASSERT_TRUE(Xdo({"keydown", "shift"}));
  MoveTo(ScreenX(1), ScreenY(1));
  ASSERT_TRUE(Xdo({"click", "1", "keyup", "shift"}));
  line = host.WaitForLine("event\t4\tcell\t5\tselection\t2,3,4,5\ttip\tCell 5", 10, line + 1);
  ASSERT_GE(line, 0) << Logged(host);
  // The handler's snapshot shows the range framed in the selection colour: the third cell's top
  // edge, the first cell's not.
  const std::string click2 = snapshots + "/click2.png";
  EXPECT_EQ(PixelAt(click2, 8 + 2 * kPitch + 60, 10), 0x2060D0);
  EXPECT_NE(PixelAt(click2, 8 + 60, 10), 0x2060D0);
  // And the desktop window shows the same, at its place on the screen, once the event is over.
  EXPECT_EQ(WaitForScreenPixel(kGridLeft + 8 + 2 * kPitch + 60, kGridTop + 10, 0x2060D0), 0x2060D0);

  // Five notches of the wheel scroll 90 pixels: the first row's place now shows the second row.
  ASSERT_TRUE(Xdo({"click", "--repeat", "5", "--delay", "30", "5"}));
  MoveTo(ScreenX(2), ScreenY(0));
  ASSERT_TRUE(Xdo({"click", "1"}));
  line = host.WaitForLine("event\t4\tcell\t6\tselection\t6\ttip\tCell 6", 10, line + 1);
  ASSERT_GE(line, 0) << Logged(host);

  // End scrolls to the last row, which then lies where the second row was.
  ASSERT_TRUE(Xdo({"key", "End", "sleep", "0.2"}));
  MoveTo(ScreenX(0), ScreenY(1));
  ASSERT_TRUE(Xdo({"click", "1"}));
  line = host.WaitForLine("event\t4\tcell\t10\tselection\t10\ttip\tCell 10", 10, line + 1);
  ASSERT_GE(line, 0) << Logged(host);

  // A double click makes the handler close the window: the run ends by itself, leaking nothing.
  ASSERT_TRUE(Xdo({"click", "--repeat", "2", "--delay", "60", "1"}));
  EXPECT_GE(host.WaitForLine("event\t13\tcell\t10", 10, line + 1), 0) << Logged(host);
  EXPECT_EQ(host.WaitForExit(10), 0) << Logged(host);
  std::filesystem::remove_all(snapshots);
}

// The tip box's fill, in the window system's tip colour, just inside its corner below and right
// of the pointer.
constexpr long kTipColor = 0xFFFFE1;
constexpr int kTipDx = 14;
constexpr int kTipDy = 22;

long TipPixel(int x, int y) {
  const char* screen = getenv("ZORVI_LIVE_SCREEN");
  return screen != nullptr ? ScreenPixelAt(screen, x + kTipDx, y + kTipDy) : -1;
}

double SecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

TEST(LiveGrid, IdleCostsLittleAndTipsWaitForThePointerToRest) {
  const std::string snapshots = SnapshotFolder();
  LiveHost host(ZORVI_SOURCE_DIR "/tests/live/grid", {snapshots});
  ASSERT_GE(host.WaitForLine("ready\tTrue", 20), 0) << Logged(host);

  // Left alone, the host sleeps between its turns and sends no frame that did not change: a
  // small share of the time goes to it (about 1% here; one that sends a frame at every turn of
  // 60 a second takes 8-13%).
  usleep(500000);
  const auto idleStart = std::chrono::steady_clock::now();
  const double cpuBefore = host.CpuSeconds();
  sleep(3);
  const double cpu = host.CpuSeconds() - cpuBefore;
  const double wall = SecondsSince(idleStart);
  ASSERT_GE(cpuBefore, 0);
  EXPECT_LT(cpu, ZORVI_LIVE_IDLE_SHARE * wall) << cpu << " s of processor time in " << wall << " s";

  // A sweep across the cells: the pointer never rests, so no tip shows on the way. (A step the
  // machine delayed past the rest time proves nothing and is not judged.)
  for (int column = 0; column < 3; ++column) {
    const int x = std::stoi(ScreenX(column));
    const int y = std::stoi(ScreenY(column % 2));
    const auto moved = std::chrono::steady_clock::now();
    ASSERT_TRUE(Xdo({"mousemove", std::to_string(x), std::to_string(y), "sleep", "0.15"}));
    const long pixel = TipPixel(x, y);
    if (SecondsSince(moved) < 0.4) {
      EXPECT_NE(pixel, kTipColor) << "a tip showed during the sweep, at column " << column;
    }
  }

  // Once the pointer rests on a cell its tip shows, and not before the rest time (half a
  // second; counted from when the motion was certainly sent).
  const int x = std::stoi(ScreenX(1));
  const int y = std::stoi(ScreenY(0));
  ASSERT_TRUE(Xdo({"mousemove", std::to_string(x), std::to_string(y)}));
  const auto rested = std::chrono::steady_clock::now();
  long pixel = -1;
  for (int i = 0; i < 150 && pixel != kTipColor; ++i) {
    usleep(20000);
    pixel = TipPixel(x, y);
  }
  const double waited = SecondsSince(rested);
  ASSERT_EQ(pixel, kTipColor) << "no tip after " << waited << " s at rest";
  EXPECT_GE(waited, 0.3);

  // It goes as soon as the pointer moves on within the cell.
  ASSERT_TRUE(Xdo({"mousemove", std::to_string(x + 40), std::to_string(y)}));
  const auto movedOn = std::chrono::steady_clock::now();
  for (int i = 0; i < 150 && pixel == kTipColor; ++i) {
    usleep(20000);
    pixel = TipPixel(x, y);
  }
  EXPECT_NE(pixel, kTipColor);
  EXPECT_LT(SecondsSince(movedOn), 0.4) << "the old tip stayed after the pointer moved";
  std::filesystem::remove_all(snapshots);
}

// The sorter's grids: the first picture of the left one at (101, 107) on the screen, the empty
// right grid around (590, 140).
constexpr int kLeftX = 40 + 61;
constexpr int kLeftY = 40 + 67;
constexpr int kRightX = 40 + 550;
constexpr int kRightY = 40 + 100;

TEST(LiveSorter, DragToTheOtherGridAndEscapeCancels) {
  LiveHost host(ZORVI_SOURCE_DIR "/examples/sorter", {});
  ASSERT_GE(host.WaitForLine("live:", 20), 0) << Logged(host);

  DragBetween(kLeftX, kLeftY, kRightX, kRightY, {});
  int line = host.WaitForLine("moved\t1\tleft\t7\tright\t1", 10);
  ASSERT_GE(line, 0) << Logged(host);

  // Escape during the drag ends it without a drop.
  DragBetween(kLeftX, kLeftY, kRightX, kRightY, {"key", "Escape"});
  EXPECT_LT(host.WaitForLine("moved", 1.5, line + 1), 0);

  // The next drag moves the next picture.
  DragBetween(kLeftX, kLeftY, kRightX, kRightY, {});
  EXPECT_GE(host.WaitForLine("moved\t1\tleft\t6\tright\t2", 10, line + 1), 0) << Logged(host);

  // The desktop's quit closes the window; the host then ends as after any run, leaking nothing.
  EXPECT_EQ(host.Stop(), 0);
}

} // namespace
} // namespace zorvi::live
