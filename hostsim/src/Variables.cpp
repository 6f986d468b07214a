#include "Variables.h"

#include "Utf.h"

namespace zvhost {

bool AssignToVariable(Variable& variable, Value&& value) {
  const uint8_t kind = variable.value.Kind();
  if (!variable.typed || kind == value.Kind() || kind == kFDUndefined) {
    variable.value.Replace(std::move(value));
    return true;
  }
  if (!value.IsNumber()) {
    return false;
  }
  switch (kind) {
  case kFDLongint:
    variable.value.Replace(Value::Long(RealToLong(value.RealValue())));
    return true;
  case kFDReal:
    variable.value.Replace(Value::Real(value.RealValue()));
    return true;
  case kFDTime:
    variable.value.Replace(Value::Time(RealToLong(value.RealValue())));
    return true;
  default:
    return false;
  }
}

Variable* VariableTable::Find(std::u16string_view name) const {
  auto it = fVariables.find(AsciiLower(name));
  return it == fVariables.end() ? nullptr : it->second.get();
}

Variable& VariableTable::Ensure(std::u16string_view name) {
  std::unique_ptr<Variable>& slot = fVariables[AsciiLower(name)];
  if (!slot) {
    slot = std::make_unique<Variable>();
  }
  return *slot;
}

} // namespace zvhost
