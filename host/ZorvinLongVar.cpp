#include "host/ZorvinLongVar.h"

#include "host/FourD.h"
#include "host/ValueBlock.h"

ZorvinLongVar gZVCurrentCell("gZVCurrentCell");

void ZorvinLongVar::Declare() {
  if (FourD::IsCompiled() || DefinedType() == kFDLongint) {
    return;
  }
  ValueBlock zero;
  ClearValueBlock(&zero, kFDLongint);
  SetValueLong(&zero, 0);
  WriteHostValue(&zero, 0);
}
