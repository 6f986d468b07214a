// The long-integer process variable that cell expressions read: gZVCurrentCell holds the number
// of the cell being evaluated.
#pragma once

#include "host/CFourDVars.h"

class ZorvinLongVar : public CFourDLongVar {
public:
  explicit ZorvinLongVar(const char* name) : CFourDLongVar(name) {}
  // Creates the variable as a long by assigning 0, which needs no declaration command.
  void Declare() override;
};

extern ZorvinLongVar gZVCurrentCell;
