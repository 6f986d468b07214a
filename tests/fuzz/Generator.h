// Random host-language databases for the fuzzer, one per seed: windows and grid areas, every
// ZV_ command with live, forged and closed references, raw events and user input, and cell
// expressions and handlers that fail, recurse or call back into their area.
#pragma once

#include <stdint.h>

#include <string>

#include "Database.h"

namespace fuzz {

// Program shapes beyond the default vocabulary, each behind its own option. Known faults of the
// plug-in and commands the emulator does not have yet live here until they are mended or exist.
enum Shape : unsigned {
  kShapeEmulatorInput = 1u << 0,    // KEY DOWN, POST KEY, MOUSE MOVE, SELECT ALL, HOST DRAG, ...
  kShapeClosingMethods = 1u << 1,   // methods that close their area's window
  kShapeReentrantSetters = 1u << 2, // methods that change count, cache or expressions
  kShapeHugeAreas = 1u << 3,        // areas up to 32767 pixels a side, windows up to 3000
  kShapeHugeCounts = 1u << 4,       // cell counts up to 2147483647
  kShapeHugeCells = 1u << 5,        // cells, spacings, radii, frames and fonts up to 2147483647
};

struct ShapeInfo {
  const char* name;
  Shape shape;
  const char* what;
};

// Every shape with its option name; "all" in an option list stands for each of them.
const ShapeInfo* Shapes(size_t* count);

// Parses "name,name,..." (or "all", or "" for none) into shapes; false on an unknown name.
bool ParseShapes(const std::string& list, unsigned* shapes, std::string* error);

Database Generate(uint64_t seed, unsigned shapes);

} // namespace fuzz
