#include "Generator.h"

#include <algorithm>
#include <cstring>

#include "Random.h"

namespace fuzz {

namespace {

const ShapeInfo kShapes[] = {
    {"emulator-input", kShapeEmulatorInput,
     "KEY DOWN, POST KEY, MOUSE MOVE, SELECT ALL, HOST DRAG, Last tip, long MOUSE DRAG forms"},
    {"closing-methods", kShapeClosingMethods,
     "cell expressions and handlers that close their area's window"},
    {"reentrant-setters", kShapeReentrantSetters,
     "cell expressions and handlers that change count, cache, sizes or expressions"},
    {"huge-areas", kShapeHugeAreas, "areas up to 32767 pixels a side, windows up to 3000"},
    {"huge-cells", kShapeHugeCells,
     "cell sizes, spacings, radii, frame widths and font sizes up to 2147483647"},
    {"huge-counts", kShapeHugeCounts, "cell counts of 10000000 to 2147483647"},
};

// How a parameter of a vocabulary row is filled.
//   A area reference for a ZV_ command (live, forged or closed)
//   n any long   s size-like long   c cell number   e picture or caption expression
//   k count expression   t text   m method name   p picture
//   L long out   T text out   P picture out
//   a long array in   b long array out   x text array in   y text array out
//   W open window   R live area (chosen by Call)   X Y coordinates   D wheel delta   M modifiers K
//   ticks G page   B boolean   E raw event code   Q message variable   q modifiers variable V short
//   r rectangle   F snapshot file   H key code   C character   S steps
// A '|' starts the parameters that may be left out from the end.
struct Row {
  const char* name;
  const char* params;
  unsigned shape; // 0: always
  int weight;
  void (*emit)(class Generator&); // null: a call built from `params`
};

class Generator {
public:
  Generator(uint64_t seed, unsigned shapes) : fRandom(seed), fShapes(shapes), fSeed(seed) {}
  Database Run();

  // Custom rows.
  void Idle() { Line("IDLE"); }
  void CloseWindowMidway();
  void OpenAnother();
  void HitTest();
  void Loop();
  void SetCount() { Line("gFzCount:=" + Pick({"0", "3", "25", "-1", "1000"})); }
  void CallMethod() { Line(Pick({"FzMutate", "$oT1:=FzCaption", "FzHandler(gFzArea1;0;1)"})); }
  void LastTip() { Guarded(-1, {"$oT1:=Last tip"}); }

private:
  struct Window {
    int width;
    int height;
    bool closed = false;
  };
  struct Area {
    size_t window;
  };

  bool Has(unsigned shape) const { return (fShapes & shape) == shape; }
  std::string Pick(std::initializer_list<const char*> items) {
    return *(items.begin() + fRandom.Below(static_cast<uint32_t>(items.size())));
  }
  void Line(const std::string& line) { fOut->push_back(line); }
  // Lines that need window `window` open (-1: none): behind its flag when methods may close it.
  void Guarded(int window, const std::vector<std::string>& lines);

  static std::string Long(int64_t value);
  std::string Number();
  std::string Size();
  std::string Cell();
  std::string Coordinate(int extent);
  std::string Expression();
  std::string CountExpression();
  std::string Text();
  std::string MethodName();
  std::string Event();

  int LiveWindow();
  int LiveArea();
  std::string Argument(char kind, const Row& row, int* window, bool* dead, int* outputs);
  void Statement(const Row& row);
  void Call(const Row& row);
  void Preamble(bool inMain);
  void Methods();
  std::vector<std::string> MethodCommands(const std::string& area, int count);

  Random fRandom;
  unsigned fShapes;
  uint64_t fSeed;
  Database fDatabase;
  std::vector<std::string>* fOut = nullptr;
  std::vector<Window> fWindows;
  std::vector<Area> fAreas;
  bool fInMethod = false;
  std::string fMethodArea;
};

// The vocabulary: every ZV_ command with its parameter kinds, and what a host and a user do.
const Row kRows[] = {
    {"ZV_SetAreaFlags", "An", 0, 2, nullptr},
    {"ZV_GetAreaFlags", "AL", 0, 2, nullptr},
    {"ZV_SetCellOptions", "AsspnSs", 0, 3, nullptr},
    {"ZV_GetCellOptions", "ALLPLLL", 0, 2, nullptr},
    {"ZV_SetSelectionOptions", "Anns", 0, 2, nullptr},
    {"ZV_GetSelectionOptions", "ALLL", 0, 2, nullptr},
    {"ZV_SetCellsPerRow", "As", 0, 2, nullptr},
    {"ZV_GetCellsPerRow", "AL", 0, 2, nullptr},
    {"ZV_SetNumCells", "Ak", 0, 4, nullptr},
    {"ZV_GetNumCells", "AT", 0, 2, nullptr},
    {"ZV_SetCellPicture", "Aessssn", 0, 3, nullptr},
    {"ZV_GetCellPicture", "ATLLLLL", 0, 2, nullptr},
    {"ZV_SetCellCaption", "Aesssst", 0, 3, nullptr},
    {"ZV_GetCellCaption", "ATLLLLT", 0, 2, nullptr},
    {"ZV_SetCaptionFont", "AtSn", 0, 2, nullptr},
    {"ZV_GetCaptionFont", "ATLL", 0, 2, nullptr},
    {"ZV_SetCaptionColors", "Ann", 0, 2, nullptr},
    {"ZV_GetCaptionColors", "ALL", 0, 2, nullptr},
    {"ZV_SetCaptionAlignment", "Ann", 0, 2, nullptr},
    {"ZV_GetCaptionAlignment", "ALL", 0, 2, nullptr},
    {"ZVObs_SetCaptionStyle", "AtSnnnn", 0, 2, nullptr},
    {"ZVObs_GetCaptionStyle", "ATLLLLL", 0, 2, nullptr},
    {"ZVObs_SetAreaStyle", "Ann", 0, 2, nullptr},
    {"ZVObs_GetAreaStyle", "ALL", 0, 2, nullptr},
    {"ZV_SetAreaAlignment", "Ann", 0, 2, nullptr},
    {"ZV_GetAreaAlignment", "ALL", 0, 2, nullptr},
    {"ZV_SetCellSpacing", "Ass", 0, 2, nullptr},
    {"ZV_GetCellSpacing", "ALL", 0, 2, nullptr},
    {"ZV_SetSelection", "Aca", 0, 3, nullptr},
    {"ZV_GetSelection", "ALb", 0, 2, nullptr},
    {"ZV_RevealCell", "Ac", 0, 3, nullptr},
    {"ZV_UpdateArea", "Ancc", 0, 3, nullptr},
    {"ZV_SetAreaBackgroundColor", "An", 0, 2, nullptr},
    {"ZV_GetAreaBackgroundColor", "AL", 0, 2, nullptr},
    {"ZV_CaptureCell", "AcP", 0, 3, nullptr},
    {"ZV_GetVersion", "TT", 0, 1, nullptr},
    {"ZVObs_GetQuickTimeVersion", "T", 0, 1, nullptr},
    {"ZV_SetEventHandler", "Amn", 0, 3, nullptr},
    {"ZV_SetCacheSize", "An", 0, 2, nullptr},
    {"ZV_GetCacheSize", "AL", 0, 2, nullptr},
    {"ZV_SetDragOptions", "Annnn", 0, 2, nullptr},
    {"ZV_GetDragOptions", "ALLLL", 0, 2, nullptr},
    {"ZVObs_SetDragSignatures", "Ax", 0, 1, nullptr},
    {"ZVObs_GetDragSignatures", "Ay", 0, 1, nullptr},
    {"ZVObs_SetDropSignatures", "Ax", 0, 1, nullptr},
    {"ZVObs_GetDropSignatures", "Ay", 0, 1, nullptr},
    {"ZVObs_GetDragSource", "ALLT", 0, 1, nullptr},
    {"ZV_GetDropCell", "AL", 0, 1, nullptr},

    {"IDLE", "", 0, 14, [](Generator& g) { g.Idle(); }},
    {"MOUSE CLICK", "WXY|MK", 0, 7, nullptr},
    {"MOUSE WHEEL", "WXYD|M", 0, 6, nullptr},
    {"MOUSE DRAG", "WXYXY|M", 0, 4, nullptr},
    {"AREA EVENT", "RE|QnVVq", 0, 8, nullptr},
    {"FORM GOTO PAGE", "WG", 0, 3, nullptr},
    {"OBJECT SET VISIBLE", "RB", 0, 2, nullptr},
    {"OBJECT SET COORDINATES", "Rr", 0, 3, nullptr},
    {"ADVANCE TICKS", "K", 0, 2, nullptr},
    {"SNAPSHOT", "WF", 0, 2, nullptr},
    {"OBJECT SET DRAG AND DROP OPTIONS", "RBBBB", 0, 1, nullptr},
    {"CLOSE WINDOW", "", 0, 1, [](Generator& g) { g.CloseWindowMidway(); }},
    {"open", "", 0, 1, [](Generator& g) { g.OpenAnother(); }},
    {"hit test", "", 0, 3, [](Generator& g) { g.HitTest(); }},
    {"loop", "", 0, 3, [](Generator& g) { g.Loop(); }},
    {"count", "", 0, 1, [](Generator& g) { g.SetCount(); }},
    {"call", "", 0, 1, [](Generator& g) { g.CallMethod(); }},

    {"KEY DOWN", "WH|CM", kShapeEmulatorInput, 4, nullptr},
    {"POST KEY", "C|HK", kShapeEmulatorInput, 2, nullptr},
    {"MOUSE MOVE", "WXY", kShapeEmulatorInput, 3, nullptr},
    {"SELECT ALL", "W", kShapeEmulatorInput, 2, nullptr},
    {"HOST DRAG", "WXYXY|SK", kShapeEmulatorInput, 2, nullptr},
    {"MOUSE DRAG", "WXYXYMS|K", kShapeEmulatorInput, 3, nullptr},
    {"Last tip", "", kShapeEmulatorInput, 1, [](Generator& g) { g.LastTip(); }},
};

bool IsCommand(const Row& row) {
  return std::strncmp(row.name, "ZV", 2) == 0;
}

std::string Generator::Long(int64_t value) {
  // The lexer reads an unsigned literal; the most negative long is written as a sum.
  if (value == INT32_MIN) {
    return "(-2147483647-1)";
  }
  return std::to_string(value);
}

std::string Generator::Number() {
  static const std::vector<int64_t> kExtremes = {0,     -1,       1,         2147483647, INT32_MIN,
                                                 32767, -32768,   65535,     0x00FF00FF, 0x100,
                                                 0x200, 0xFFFFFF, 0x7F000000};
  switch (fRandom.Below(10)) {
  case 0:
  case 1:
  case 2:
  case 3:
    return Long(fRandom.Between(-3, 20));
  case 4:
  case 5:
    return Long(fRandom.Between(0, 1000));
  case 6:
    return Long(fRandom.Below(0x1000000));
  default:
    return Long(fRandom.Pick(kExtremes));
  }
}

std::string Generator::Size() {
  static const std::vector<int64_t> kOdd = {0, -1, 1, 2, INT32_MIN, -32768, 2000};
  static const std::vector<int64_t> kHuge = {32767, 2147483647, 8000, 100000, 65536};
  switch (fRandom.Below(10)) {
  case 0:
  case 1:
  case 2:
    return Long(fRandom.Between(-2, 60));
  case 3:
  case 4:
  case 5:
  case 6:
    return Long(fRandom.Between(0, 400));
  case 7:
    if (Has(kShapeHugeCells)) {
      return Long(fRandom.Pick(kHuge));
    }
    [[fallthrough]];
  default:
    return Long(fRandom.Pick(kOdd));
  }
}

std::string Generator::Cell() {
  static const std::vector<int64_t> kOdd = {-1, 0, 1, 2, 3, 1000, 2147483647, INT32_MIN};
  return fRandom.Chance(60) ? Long(fRandom.Between(1, 50)) : Long(fRandom.Pick(kOdd));
}

std::string Generator::Coordinate(int extent) {
  return Long(fRandom.Between(-30, std::min(extent + 30, 32767)));
}

std::string Generator::Expression() {
  std::vector<std::string> pool = {
      "FzPicture", "FzPicture", "FzCaption", "FzCaption",    "String(gZVCurrentCell)",
      "gFzPict",   "",          "FzFail",    "FzRecurse",    "FzLongCaption",
      "FzMutate",  "1+",        "$long",     "NoSuchMethod", "FzCount"};
  if (Has(kShapeClosingMethods)) {
    pool.push_back("FzClose");
  }
  const std::string pick = fRandom.Pick(pool);
  return pick == "$long" ? pick : "\"" + pick + "\"";
}

std::string Generator::CountExpression() {
  std::vector<std::string> pool = {"0",   "1",       "2",       "7",   "12",         "40",
                                   "100", "1000",    "100000",  "-1",  "",           "abc",
                                   "1+",  "FzCount", "FzCount", "3.7", "-2147483648"};
  if (Has(kShapeHugeCounts)) {
    for (const char* count : {"2147483647", "10000000", "2000000000", "2147483647"}) {
      pool.push_back(count);
    }
  }
  return "\"" + fRandom.Pick(pool) + "\"";
}

std::string Generator::Text() {
  return fRandom.Pick(std::vector<std::string>{
      "\"\"", "\"\"", "\"Sans\"", "\"DejaVu Sans\"", "\"No Such Font\"", "$long", "\"%d\"",
      "\"###\"", "\"Zoë 日本語\"", "\"a\"", "\"FzCaption\"", "\"0\""});
}

std::string Generator::MethodName() {
  std::vector<std::string> pool = {"\"FzHandler\"",    "\"FzHandler\"", "\"\"",
                                   "\"NoSuchMethod\"", "$long",         "\"FzRecurse\"",
                                   "\"FzFail\""};
  if (Has(kShapeClosingMethods)) {
    pool.push_back("\"FzClose\"");
  }
  return fRandom.Pick(pool);
}

std::string Generator::Event() {
  // No event that carries a host record (26, 80, 81, 82, 85, 600 to 602), and neither init
  // (16) nor deinit (17): the host sends those once per area, and init rewrites the reference.
  static const std::vector<int64_t> kEvents = {
      0,  1,  2,  3,  4,  5,  6,  7,  8,  12, 15, 18, 19, 20, 21,  22,  23,  24,    25,   27,
      30, 31, 32, 33, 34, 35, 40, 71, 72, 73, 75, 77, 86, 99, 300, 603, 999, 32767, 65535};
  return Long(fRandom.Pick(kEvents));
}

int Generator::LiveWindow() {
  std::vector<int> live;
  for (size_t i = 0; i < fWindows.size(); ++i) {
    if (!fWindows[i].closed) {
      live.push_back(static_cast<int>(i));
    }
  }
  return live.empty() ? -1 : fRandom.Pick(live);
}

int Generator::LiveArea() {
  std::vector<int> live;
  for (size_t i = 0; i < fAreas.size(); ++i) {
    if (!fWindows[fAreas[i].window].closed) {
      live.push_back(static_cast<int>(i));
    }
  }
  return live.empty() ? -1 : fRandom.Pick(live);
}

void Generator::Guarded(int window, const std::vector<std::string>& lines) {
  const bool guard = window >= 0 && Has(kShapeClosingMethods);
  if (guard) {
    Line("If (gFzOpen" + std::to_string(window + 1) + "=1)");
  }
  for (const std::string& line : lines) {
    Line(line);
  }
  if (guard) {
    Line("End if");
  }
}

// One argument; sets *window to the window it needs open and *dead when the reference is one
// that must be refused.
std::string Generator::Argument(char kind, const Row& row, int* window, bool* dead, int* outputs) {
  const Window* w = *window >= 0 ? &fWindows[static_cast<size_t>(*window)] : nullptr;
  const int width = w ? w->width : 400;
  const int height = w ? w->height : 300;
  switch (kind) {
  case 'A': {
    if (fInMethod) {
      return fMethodArea;
    }
    const uint32_t roll = fRandom.Below(100);
    const int live = LiveArea();
    if (roll < 75 && live >= 0) {
      return "gFzArea" + std::to_string(live + 1);
    }
    *dead = true;
    for (size_t i = 0; i < fAreas.size(); ++i) {
      if (fWindows[fAreas[i].window].closed && fRandom.Chance(50)) {
        return "gFzArea" + std::to_string(i + 1);
      }
    }
    return Pick({"0", "-1", "2147483647", "(-2147483647-1)", "99999", "(gFzArea1+1000)"});
  }
  case 'n':
    return Number();
  case 's':
  case 'S':
    return kind == 'S' && !IsCommand(row) ? Long(fRandom.Between(1, 12)) : Size();
  case 'c':
    return Cell();
  case 'e':
    return Expression();
  case 'k':
    return CountExpression();
  case 't':
    return Text();
  case 'm':
    return MethodName();
  case 'p':
    return Pick({"$none", "gFzPict", "gFzPict", "$oP"});
  case 'L':
    return "$oL" + std::to_string(++outputs[0]);
  case 'T':
    return "$oT" + std::to_string(++outputs[1]);
  case 'P':
    return "$oP";
  case 'a':
    return Pick({"$aL", "$aL", "$aE", "$aBig", "$aT", "$aR", "$aP"});
  case 'b':
    return Pick({"$aL", "$aOut", "$aT", "$aR"});
  case 'x':
    return Pick({"$aT", "$aT", "$aL", "$aE"});
  case 'y':
    return Pick({"$aT", "$aOutT", "$aL"});
  case 'W':
    return "gFzWin" + std::to_string(*window + 1);
  case 'X':
    return Coordinate(width);
  case 'Y':
    return Coordinate(height);
  case 'D':
    return Pick({"-1", "1", "-3", "5", "0", "-120", "120", "32767", "-32768"});
  case 'M':
    return Pick({"0", "0", "0x100", "0x200", "0x300", "0x800", "0x1000", "65535"});
  case 'K':
    return Pick({"0", "1", "5", "30", "61", "600"});
  case 'G':
    return Long(fRandom.Between(1, 4));
  case 'B':
    return Pick({"True", "False"});
  case 'E':
    return Event();
  case 'Q':
    return "$msg";
  case 'q':
    return "$mods";
  case 'V':
    return Long(fRandom.Chance(80) ? fRandom.Between(-40, 500)
                                   : fRandom.Pick(std::vector<int64_t>{-32768, 32767, 0}));
  case 'r': {
    const int limit = Has(kShapeHugeAreas) ? 32767 : std::max(width, height) + 60;
    const int left = fRandom.Between(-40, width + 20);
    const int top = fRandom.Between(-40, height + 20);
    const int right = std::min(32767, left + fRandom.Between(0, limit));
    const int bottom = std::min(32767, top + fRandom.Between(0, limit));
    return Long(left) + ";" + Long(top) + ";" + Long(right) + ";" + Long(bottom);
  }
  case 'F':
    return "\"snap" + std::to_string(fRandom.Below(3)) + ".png\"";
  case 'H':
    // The emulator takes key codes and characters of 0 to 255 only.
    return Pick({"138", "139", "140", "141", "142", "143", "144", "145", "13", "27", "0", "255"});
  case 'C':
    return Pick({"0", "27", "13", "65", "97", "32", "255", "1"});
  default:
    return "0";
  }
}

void Generator::Call(const Row& row) {
  int window = -1;
  int area = -1;
  const std::string params = row.params;
  if (params.find('R') != std::string::npos) {
    area = LiveArea();
    if (area < 0) {
      return;
    }
    window = static_cast<int>(fAreas[static_cast<size_t>(area)].window);
  } else if (params.find('W') != std::string::npos) {
    window = LiveWindow();
    if (window < 0) {
      return;
    }
  }
  std::vector<std::string> args;
  bool dead = false;
  bool optional = false;
  int outputs[2] = {0, 0};
  for (char kind : params) {
    if (kind == '|') {
      optional = true;
      continue;
    }
    if (optional && fRandom.Chance(25)) {
      break;
    }
    args.push_back(kind == 'R' ? "gFzArea" + std::to_string(area + 1)
                               : Argument(kind, row, &window, &dead, outputs));
  }
  std::string call = row.name;
  if (!args.empty()) {
    call += "(";
    for (size_t i = 0; i < args.size(); ++i) {
      call += (i ? ";" : "") + args[i];
    }
    call += ")";
  }
  if (IsCommand(row)) {
    const bool getter = std::strstr(row.name, "Get") != nullptr;
    if (dead && getter && params[0] == 'A') {
      // With "cell" in its text (left there by a hit test) the caption getter is a hit test,
      // which answers 0, not an error, for any reference.
      if (std::strcmp(row.name, "ZV_GetCellCaption") == 0) {
        Line("$oT1:=\"\"");
      }
      call = "ASSERT(" + call + "=-50;\"" + row.name + " on a dead reference\")";
    } else if (fRandom.Chance(50)) {
      call = "$e:=" + call;
    }
  }
  Guarded(window, {call});
}

void Generator::Statement(const Row& row) {
  if (row.emit != nullptr) {
    row.emit(*this);
  } else {
    Call(row);
  }
}

void Generator::CloseWindowMidway() {
  const int window = LiveWindow();
  if (window < 0) {
    return;
  }
  const std::string n = std::to_string(window + 1);
  Guarded(window, {"gFzOpen" + n + ":=0", "CLOSE WINDOW(gFzWin" + n + ")"});
  fWindows[static_cast<size_t>(window)].closed = true;
}

void Generator::OpenAnother() {
  if (fWindows.size() >= 3 || fAreas.size() >= 5) {
    return;
  }
  int window = LiveWindow();
  if (window < 0 || fRandom.Chance(40)) {
    Window w;
    const int limit = Has(kShapeHugeAreas) ? 3000 : 700;
    w.width = fRandom.Chance(10) ? fRandom.Between(1, 3) : fRandom.Between(20, limit);
    w.height = fRandom.Chance(10) ? fRandom.Between(1, 3) : fRandom.Between(20, limit);
    const int left = fRandom.Between(-20, 300);
    const int top = fRandom.Between(-20, 300);
    fWindows.push_back(w);
    window = static_cast<int>(fWindows.size()) - 1;
    const std::string n = std::to_string(window + 1);
    Line("gFzWin" + n + ":=Open window(" + Long(left) + ";" + Long(top) + ";" +
         Long(left + w.width) + ";" + Long(top + w.height) + ")");
    Line("gFzOpen" + n + ":=1");
  }
  fAreas.push_back(Area{static_cast<size_t>(window)});
  int outputs[2] = {0, 0};
  bool dead = false;
  const Row& any = kRows[0];
  // Placed under its window's guard: a window closed by a method leaves a dead reference, not an
  // undefined variable.
  Line("gFzArea" + std::to_string(fAreas.size()) + ":=0");
  std::string call = "gFzArea" + std::to_string(fAreas.size()) + ":=Plugin area(gFzWin" +
                     std::to_string(window + 1) + ";\"grid\";" +
                     Argument('r', any, &window, &dead, outputs);
  if (fRandom.Chance(40)) {
    call += ";" + Long(fRandom.Between(0, 3));
  }
  Guarded(window, {call + ")"});
}

void Generator::HitTest() {
  const int area = LiveArea();
  if (area < 0) {
    return;
  }
  int window = static_cast<int>(fAreas[static_cast<size_t>(area)].window);
  bool dead = false;
  int outputs[2] = {0, 0};
  const Row& any = kRows[0];
  Guarded(window, {"$oT1:=\"cell\"", "$oL1:=" + Argument('X', any, &window, &dead, outputs),
                   "$oL2:=" + Argument('Y', any, &window, &dead, outputs),
                   "$e:=ZV_GetCellCaption(gFzArea" + std::to_string(area + 1) +
                       ";$oT1;$oL1;$oL2;$oL3;$oL4;$oT2)"});
}

void Generator::Loop() {
  const int window = LiveWindow();
  if (window < 0) {
    return;
  }
  const std::string w = "gFzWin" + std::to_string(window + 1);
  const Window& win = fWindows[static_cast<size_t>(window)];
  const std::string x = Long(fRandom.Between(0, win.width));
  const std::string y = Long(fRandom.Between(0, win.height));
  std::vector<std::string> lines = {"For ($i;1;" + Long(fRandom.Between(2, 25)) + ")"};
  switch (fRandom.Below(4)) {
  case 0:
    lines.push_back("MOUSE WHEEL(" + w + ";" + x + ";" + y + ";" + Pick({"-1", "1", "-5"}) + ")");
    break;
  case 1:
    lines.push_back("MOUSE CLICK(" + w + ";" + x + ";" + y + ")");
    break;
  case 2:
    lines.push_back("MOUSE CLICK(" + w + ";" + x + ";" + y + ";0;" + Pick({"1", "10", "61"}) + ")");
    break;
  default:
    break;
  }
  lines.push_back("IDLE");
  lines.push_back("End for");
  Guarded(window, lines);
}

void Generator::Preamble(bool inMain) {
  Line("C_PICTURE($none)");
  Line("C_PICTURE($oP)");
  for (int i = 1; i <= 6; ++i) {
    Line("$oL" + std::to_string(i) + ":=0");
  }
  Line("$oT1:=\"\"");
  Line("$oT2:=\"\"");
  Line("$e:=0");
  Line("$msg:=0");
  Line("$mods:=0");
  Line("$long:=\"\"");
  const int words = inMain ? fRandom.Pick(std::vector<int>{0, 10, 300, 3000}) : 20;
  if (words > 0) {
    Line("For ($i;1;" + std::to_string(words) + ")");
    Line("$long:=$long+\"overlong \"");
    Line("End for");
  }
  Line("ARRAY LONGINT($aL;0)");
  for (int i = fRandom.Between(0, 4); i > 0; --i) {
    Line("APPEND TO ARRAY($aL;" + (fRandom.Chance(50) ? Cell() : Number()) + ")");
  }
  Line("ARRAY LONGINT($aE;0)");
  Line("ARRAY LONGINT($aBig;" + std::to_string(inMain ? fRandom.Between(0, 3000) : 3) + ")");
  Line("For ($i;1;Size of array($aBig))");
  Line("$aBig{$i}:=$i");
  Line("End for");
  Line("ARRAY TEXT($aT;0)");
  Line("APPEND TO ARRAY($aT;\"ZVIT\")");
  Line("APPEND TO ARRAY($aT;\"\")");
  Line("APPEND TO ARRAY($aT;$long)");
  Line("ARRAY REAL($aR;2)");
  Line("ARRAY PICTURE($aP;2)");
}

std::vector<std::string> Generator::MethodCommands(const std::string& area, int count) {
  std::vector<std::string> lines;
  std::vector<std::string>* saved = fOut;
  fOut = &lines;
  fInMethod = true;
  fMethodArea = area;
  // Reading an area from its own cell methods is always sound; changing what is being loaded
  // is a known fault until loads notice it.
  const char* kHarmlessSetters[] = {"ZV_SetCaptionColors", "ZV_SetAreaBackgroundColor",
                                    "ZV_SetSelectionOptions", "ZV_SetDragOptions"};
  std::vector<const Row*> rows;
  for (const Row& row : kRows) {
    if (!IsCommand(row) || std::strchr(row.params, 'a') || std::strchr(row.params, 'b') ||
        std::strchr(row.params, 'x') || std::strchr(row.params, 'y')) {
      continue;
    }
    bool allowed = Has(kShapeReentrantSetters) || std::strstr(row.name, "Get") != nullptr;
    for (const char* name : kHarmlessSetters) {
      allowed = allowed || std::strcmp(row.name, name) == 0;
    }
    if (allowed) {
      rows.push_back(&row);
    }
  }
  for (int i = 0; i < count; ++i) {
    Call(*fRandom.Pick(rows));
  }
  fInMethod = false;
  fOut = saved;
  return lines;
}

void Generator::Methods() {
  auto& m = fDatabase.methods;
  m["FzCaption"] = {"gFzCaptions:=gFzCaptions+1", "$0:=\"Cell \"+String(gZVCurrentCell)"};
  m["FzPicture"] = {"gFzPictures:=gFzPictures+1", "$0:=gFzPict"};
  m["FzLongCaption"] = {"$0:=\"\"", "For ($i;1;" + Long(fRandom.Between(1, 400)) + ")",
                        "$0:=$0+\"word\"+String($i)+\" \"", "End for"};
  m["FzFail"] = {"CLOSE WINDOW(-5)", "$0:=gFzPict"};
  m["FzRecurse"] = {"$0:=FzRecurse"};
  m["FzCount"] = {"$0:=gFzCount"};
  std::vector<std::string>& mutate = m["FzMutate"];
  mutate = {"C_PICTURE($none)",
            "C_PICTURE($oP)",
            "$oL1:=0",
            "$oL2:=0",
            "$oL3:=0",
            "$oL4:=0",
            "$oL5:=0",
            "$oL6:=0",
            "$oT1:=\"\"",
            "$oT2:=\"\"",
            "$long:=\"long long text\""};
  for (const std::string& line : MethodCommands("gFzArea1", fRandom.Between(1, 4))) {
    mutate.push_back(line);
  }
  mutate.push_back("$0:=gFzPict");
  std::vector<std::string>& handler = m["FzHandler"];
  handler = std::vector<std::string>(mutate.begin(), mutate.begin() + 11);
  handler.push_back("gFzEvents:=gFzEvents+1");
  for (const std::string& line : MethodCommands("$1", fRandom.Between(0, 3))) {
    handler.push_back(line);
  }
  if (Has(kShapeClosingMethods)) {
    m["FzClose"] = {"If (gFzOpen1=1)", "gFzOpen1:=0", "CLOSE WINDOW(gFzWin1)", "End if",
                    "$0:=gFzPict"};
    if (fRandom.Chance(30)) {
      handler.insert(handler.end(), m["FzClose"].begin(), m["FzClose"].end() - 1);
    }
  }
}

Database Generator::Run() {
  Methods();
  std::vector<std::string>& main = fDatabase.methods["main"];
  fOut = &main;
  Line("// fuzz seed " + std::to_string(fSeed) + ", shapes " + std::to_string(fShapes));
  Preamble(true);
  Line("gFzCount:=" + Pick({"0", "3", "25", "1000"}));
  Line("gZVCurrentCell:=0");
  Line("gFzCaptions:=0");
  Line("gFzPictures:=0");
  Line("gFzEvents:=0");
  Line("READ PICTURE FILE(\"p.png\";gFzPict)");
  OpenAnother();
  for (int i = fRandom.Between(0, 2); i > 0; --i) {
    OpenAnother();
  }
  // Most programs give their first area content before anything else happens.
  if (fRandom.Chance(70)) {
    Guarded(0, {"$e:=ZV_SetCellOptions(gFzArea1;" + Long(fRandom.Between(20, 200)) + ";" +
                    Long(fRandom.Between(20, 200)) + ";$none;0;0;0)",
                "$e:=ZV_SetNumCells(gFzArea1;" + CountExpression() + ")",
                "$e:=ZV_SetCellPicture(gFzArea1;" + Expression() + ";0;0;80;60;0)",
                "$e:=ZV_SetCellCaption(gFzArea1;" + Expression() + ";0;60;80;80;\"\")", "IDLE"});
  }
  int total = 0;
  for (const Row& row : kRows) {
    total += Has(row.shape) ? row.weight : 0;
  }
  for (int statements = fRandom.Between(15, 90); statements > 0; --statements) {
    int roll = static_cast<int>(fRandom.Below(static_cast<uint32_t>(total)));
    for (const Row& row : kRows) {
      if (!Has(row.shape)) {
        continue;
      }
      roll -= row.weight;
      if (roll < 0) {
        Statement(row);
        break;
      }
    }
  }
  if (fRandom.Chance(50)) {
    Idle();
  }
  return fDatabase;
}

} // namespace

const ShapeInfo* Shapes(size_t* count) {
  *count = sizeof kShapes / sizeof kShapes[0];
  return kShapes;
}

bool ParseShapes(const std::string& list, unsigned* shapes, std::string* error) {
  *shapes = 0;
  size_t start = 0;
  while (start < list.size()) {
    size_t end = list.find(',', start);
    if (end == std::string::npos) {
      end = list.size();
    }
    const std::string name = list.substr(start, end - start);
    bool found = false;
    for (const ShapeInfo& info : kShapes) {
      if (name == info.name || name == "all") {
        *shapes |= info.shape;
        found = true;
      }
    }
    if (!found && !name.empty()) {
      *error = "unknown shape \"" + name + "\"";
      return false;
    }
    start = end + 1;
  }
  return true;
}

Database Generate(uint64_t seed, unsigned shapes) {
  return Generator(seed, shapes).Run();
}

} // namespace fuzz
