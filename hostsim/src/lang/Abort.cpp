#include "Abort.h"

#include <optional>

namespace zvhost::lang {

namespace {
std::optional<ScriptError> gPendingAbort;
}

void SetPendingAbort(const ScriptError& error) {
  if (!gPendingAbort) {
    gPendingAbort = error;
  }
}

void ThrowIfAborted() {
  if (gPendingAbort) {
    ScriptError error = *gPendingAbort;
    gPendingAbort.reset();
    throw error;
  }
}

void ClearPendingAbort() {
  gPendingAbort.reset();
}

} // namespace zvhost::lang
