// Errors in code the host runs on the plug-in's or the form's behalf (cell and count expressions,
// event handlers, object methods) do not end the run: the caller gets the host's error, and the
// person is told on standard error as for main's errors, so that the failure is not silent.
#pragma once

#include "ScriptError.h"

namespace zvhost::lang {

// Writes "label:line: message" to standard error. An error just like the one before is only
// counted, and the count is written once another comes or the run ends: a formula that fails at
// every redraw would otherwise flood the terminal.
void ReportMethodError(const ScriptError& error);
// Writes the count of repeats held back, if any.
void FlushMethodErrors();
// Errors reported since the last reset, repeats included.
int MethodErrorCount();
void ResetMethodErrors();

} // namespace zvhost::lang
