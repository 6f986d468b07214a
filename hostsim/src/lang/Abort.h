// A failed ASSERT ends the whole run, even when it happens in code the plug-in asked the host
// to run: the plug-in gets an error code and returns normally, and the interpreter raises the
// failure again as soon as control is back in its hands.
#pragma once

#include "ScriptError.h"

namespace zvhost::lang {

void SetPendingAbort(const ScriptError& error);
void ThrowIfAborted();
void ClearPendingAbort();

} // namespace zvhost::lang
