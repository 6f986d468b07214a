#include "plugin/CXResult.h"

#include <string.h>

void CXResult::SetNativeReal(double value) {
  memcpy(reinterpret_cast<void*>(fCell), &value, sizeof value);
}

void CXResult::SetDate4D(const DateBlock* date) {
  memcpy(reinterpret_cast<void*>(fCell), date, sizeof *date);
}
