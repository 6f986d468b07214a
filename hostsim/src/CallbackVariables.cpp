// Process and interprocess variables by name.
#include "Callback.h"
#include "HostState.h"
#include "Utf.h"

namespace zvhost::callback {

void GetVariable(FDEngineBlock& b, bool interprocess) {
  const std::u16string_view name = TerminatedView(b.fUName);
  b.fValue = {};
  b.fValue.fBytes[0] = kFDUndefined;
  if (name.empty()) {
    b.fError = kFDErrBadParameter;
    return;
  }
  if (const Variable* variable = FindVariable(name, interprocess)) {
    b.fError = static_cast<int16_t>(variable->value.ToBlock(&b.fValue));
  }
}

void SetVariable(FDEngineBlock& b, bool interprocess) {
  const std::u16string_view name = TerminatedView(b.fUName);
  if (name.empty()) {
    b.fError = kFDErrBadParameter;
    return;
  }
  // Copied before the old contents go: the block may be the variable's own array.
  Value value;
  if (int err = Value::FromBlock(b.fValue, &value)) {
    b.fError = static_cast<int16_t>(err);
    return;
  }
  Variable& variable = EnsureVariable(name, interprocess);
  if (!AssignToVariable(variable, std::move(value))) {
    // The plug-in's value wins over the declaration.
    variable.typed = false;
    variable.value.Replace(std::move(value));
  }
}

} // namespace zvhost::callback
