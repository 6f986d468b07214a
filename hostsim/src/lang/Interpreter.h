// Runs programs of the host language. The interpreter keeps no state of its own between calls
// besides the call depth, so it is re-entrant: a plug-in command called from a method may call
// back into the host to evaluate other code while the first method is still running.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "../Variables.h"
#include "Ast.h"
#include "ScriptError.h"

namespace zvhost::lang {

// One running method or formula: its locals ($name, $1..$n, $0) and where it is.
struct Frame {
  const Program* program = nullptr;
  VariableTable locals;
  int line = 0;

  const std::string& Label() const;
  [[noreturn]] void Fail(int atLine, const std::string& message) const;
};

void Execute(const Program& program, Frame& frame);
Value Evaluate(const Node& node, Frame& frame);

// The variable a Variable or Name node names; created undefined when `create` is set,
// otherwise null when missing.
Variable* VariableOf(const Node& node, Frame& frame, bool create);
// Assigns to a variable or array element node.
void AssignTo(const Node& target, Value&& value, Frame& frame);
bool IsVariableNode(const Node& node);
// The array block a variable or an element of an array of arrays holds; an error otherwise.
unsigned char* ArrayBlockOf(const Node& node, Frame& frame);

// Runs a database method with parameters $1..$n; answers $0 (undefined when not set).
Value CallMethod(const std::u16string& name, std::vector<Value>&& params, int line,
                 const Frame& caller);

// Guards the depth of nested calls, whether from methods or through the plug-in.
class CallDepth {
public:
  explicit CallDepth(const Frame& frame, int line);
  ~CallDepth();
  CallDepth(const CallDepth&) = delete;
  CallDepth& operator=(const CallDepth&) = delete;
};

std::string KindName(uint8_t kind);

} // namespace zvhost::lang
