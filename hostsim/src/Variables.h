// Named variables of one scope (a process, the interprocess scope, a method's locals). Names are
// case-insensitive, as in the host language. Values never move once created, so plug-ins may
// hold the address of their storage for the length of a call.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Value.h"

namespace zvhost {

// A named value; a typed variable (declared, or made by an array or output of a known kind)
// converts what is assigned to it instead of taking the assigned value's kind.
struct Variable {
  Value value;
  bool typed = false;
};

// Assigns `value`: an untyped variable takes it as it is; a typed one converts between the
// numeric kinds. False, with nothing moved, when a typed variable cannot take that kind.
bool AssignToVariable(Variable& variable, Value&& value);

class VariableTable {
public:
  Variable* Find(std::u16string_view name) const;
  Variable& Ensure(std::u16string_view name); // created undefined when missing
  void Clear() { fVariables.clear(); }
  size_t Size() const { return fVariables.size(); }

private:
  std::unordered_map<std::u16string, std::unique_ptr<Variable>> fVariables;
};

// A process owns its variables; a window records the process that opened it.
class Process {
public:
  explicit Process(int32_t number) : fNumber(number) {}
  int32_t Number() const { return fNumber; }
  VariableTable& Variables() { return fVariables; }

private:
  int32_t fNumber;
  VariableTable fVariables;
};

} // namespace zvhost
