#include "Interpreter.h"

#include <cmath>

#include "../ArrayElements.h"
#include "../HostState.h"
#include "../Utf.h"
#include "Commands.h"
#include "Methods.h"
#include "Operators.h"
#include "PluginCommands.h"

namespace zvhost::lang {

namespace {

// Deeper than this, a runaway recursion is reported rather than overflowing the stack.
constexpr int kMaxCallDepth = 200;
int gCallDepth = 0;

std::string DisplayName(const Node& node) {
  const std::string name = Utf16ToUtf8(node.text);
  switch (node.scope) {
  case Scope::Local:
    return "$" + name;
  case Scope::Interprocess:
    return "<>" + name;
  case Scope::Process:
    break;
  }
  return name;
}

bool Condition(const Node& node, Frame& frame) {
  const Value value = Evaluate(node, frame);
  if (value.Kind() != kFDBoolean) {
    frame.Fail(node.line, "a condition must be a boolean, not " + KindName(value.Kind()));
  }
  return value.BooleanValue();
}

Value ReadVariable(const Node& node, Frame& frame) {
  Variable* variable = VariableOf(node, frame, false);
  if (variable == nullptr || variable->value.IsUndefined()) {
    frame.Fail(node.line, "undefined variable: " + DisplayName(node));
  }
  Value copy;
  if (int err = variable->value.Clone(&copy)) {
    frame.Fail(node.line,
               "cannot copy " + DisplayName(node) + " (error " + std::to_string(err) + ")");
  }
  return copy;
}

int32_t IndexOf(const Node& array, const Node& index, Frame& frame, const ArrayView& view) {
  const Value value = Evaluate(index, frame);
  if (!value.IsNumber()) {
    frame.Fail(index.line, "an array index must be a number");
  }
  const int32_t i = RealToLong(value.RealValue());
  if (i < 0 || i > view.UsableCount()) {
    frame.Fail(index.line, "index " + std::to_string(i) + " out of range for " +
                               DisplayName(array) + " (size " + std::to_string(view.Count()) + ")");
  }
  return i;
}

} // namespace

unsigned char* ArrayBlockOf(const Node& node, Frame& frame) {
  if (IsVariableNode(node)) {
    Variable* variable = VariableOf(node, frame, false);
    if (variable == nullptr || !variable->value.IsArray()) {
      frame.Fail(node.line, DisplayName(node) + " is not an array");
    }
    return variable->value.ArrayBlock();
  }
  if (node.kind == NodeKind::Element) {
    const Node& outer = *node.children[0];
    ArrayView view(ArrayBlockOf(outer, frame));
    if (view.Kind() != kFDArrayOfArrays) {
      frame.Fail(node.line, DisplayName(outer) + " is not a two-dimensional array");
    }
    unsigned char* row = view.Element(IndexOf(outer, *node.children[1], frame, view));
    if (!IsArrayKind(row[0])) {
      frame.Fail(node.line, "row of " + DisplayName(outer) + " is not an array");
    }
    return row;
  }
  frame.Fail(node.line, "not an array");
}

namespace {

Value ReadElement(const Node& node, Frame& frame) {
  const Node& array = *node.children[0];
  ArrayView view(ArrayBlockOf(array, frame));
  const int32_t index = IndexOf(array, *node.children[1], frame, view);
  Value value;
  std::string error;
  if (!ElementValue(view, index, &value, &error)) {
    frame.Fail(node.line, DisplayName(array) + ": " + error);
  }
  return value;
}

// A command, plug-in command or method by that name; false when there is none.
bool TryCall(const Node& node, Frame& frame, Value* result) {
  EnsureCommandsRegistered();
  if (const CommandFn* command = FindCommand(node.key)) {
    CommandContext context(CommandDisplayName(node.key), node, frame);
    *result = (*command)(context);
    return true;
  }
  if (const PluginCommand* command = FindPluginCommand(node.key)) {
    CommandContext context(Utf8ToUtf16(command->name), node, frame);
    *result = CallPluginCommand(*command, context);
    return true;
  }
  if (Methods().Find(node.key) != nullptr) {
    std::vector<Value> params;
    for (const NodePtr& child : node.children) {
      params.push_back(Evaluate(*child, frame));
    }
    *result = CallMethod(node.text, std::move(params), node.line, frame);
    return true;
  }
  return false;
}

Value Negate(const Node& node, Frame& frame) {
  const Value operand = Evaluate(*node.children[0], frame);
  if (operand.Kind() == kFDLongint && operand.LongValue() != INT32_MIN) {
    return Value::Long(-operand.LongValue());
  }
  if (operand.IsNumber()) {
    return Value::Real(-operand.RealValue());
  }
  frame.Fail(node.line, "cannot negate " + KindName(operand.Kind()));
}

void ExecuteBlock(const Block& block, Frame& frame);

void ExecuteFor(const Statement& s, Frame& frame) {
  const Value start = Evaluate(*s.value, frame);
  const Value limit = Evaluate(*s.limit, frame);
  const Value step = s.step ? Evaluate(*s.step, frame) : Value::Long(1);
  if (!start.IsNumber() || !limit.IsNumber() || !step.IsNumber()) {
    frame.Fail(s.line, "the bounds of a For loop must be numbers");
  }
  if (step.RealValue() == 0) {
    frame.Fail(s.line, "the step of a For loop cannot be 0");
  }
  const bool longs =
      start.Kind() == kFDLongint && limit.Kind() == kFDLongint && step.Kind() == kFDLongint;
  const bool up = step.RealValue() > 0;
  double i = start.RealValue();
  while (up ? i <= limit.RealValue() : i >= limit.RealValue()) {
    AssignTo(*s.target, longs ? Value::Long(RealToLong(i)) : Value::Real(i), frame);
    ExecuteBlock(s.blocks[0], frame);
    // The body may change the counter; the loop goes on from its value.
    const Value current = ReadVariable(*s.target, frame);
    if (!current.IsNumber()) {
      frame.Fail(s.line, "the counter of a For loop must stay a number");
    }
    i = current.RealValue() + step.RealValue();
  }
  // Past the loop the counter holds the first value that failed the test, as in the host.
  AssignTo(*s.target, longs ? Value::Long(RealToLong(i)) : Value::Real(i), frame);
}

void ExecuteStatement(const Statement& s, Frame& frame) {
  frame.line = s.line;
  switch (s.kind) {
  case StatementKind::Expression:
    Evaluate(*s.value, frame);
    break;
  case StatementKind::Assign:
    AssignTo(*s.target, Evaluate(*s.value, frame), frame);
    break;
  case StatementKind::If:
    if (Condition(*s.conditions[0], frame)) {
      ExecuteBlock(s.blocks[0], frame);
    } else if (s.blocks.size() > 1) {
      ExecuteBlock(s.blocks[1], frame);
    }
    break;
  case StatementKind::Case:
    for (size_t i = 0; i < s.conditions.size(); ++i) {
      if (Condition(*s.conditions[i], frame)) {
        ExecuteBlock(s.blocks[i], frame);
        return;
      }
    }
    if (s.blocks.size() > s.conditions.size()) {
      ExecuteBlock(s.blocks.back(), frame);
    }
    break;
  case StatementKind::For:
    ExecuteFor(s, frame);
    break;
  case StatementKind::While:
    while (Condition(*s.conditions[0], frame)) {
      ExecuteBlock(s.blocks[0], frame);
    }
    break;
  case StatementKind::Repeat:
    do {
      ExecuteBlock(s.blocks[0], frame);
    } while (!Condition(*s.conditions[0], frame));
    break;
  }
}

void ExecuteBlock(const Block& block, Frame& frame) {
  for (const auto& statement : block) {
    ExecuteStatement(*statement, frame);
  }
}

} // namespace

const std::string& Frame::Label() const {
  static const std::string kNone;
  return program != nullptr ? program->label : kNone;
}

void Frame::Fail(int atLine, const std::string& message) const {
  ThrowRuntime(Label(), atLine, message);
}

CallDepth::CallDepth(const Frame& frame, int line) {
  if (gCallDepth >= kMaxCallDepth) {
    frame.Fail(line, "too many nested calls");
  }
  ++gCallDepth;
}

CallDepth::~CallDepth() {
  --gCallDepth;
}

std::string KindName(uint8_t kind) {
  switch (kind) {
  case kFDReal:
    return "real";
  case kFDDate:
    return "date";
  case kFDUndefined:
    return "undefined";
  case kFDBoolean:
    return "boolean";
  case kFDLongint:
    return "long";
  case kFDPicture:
    return "picture";
  case kFDTime:
    return "time";
  case kFDPointer:
    return "pointer";
  case kFDBlob:
    return "BLOB";
  case kFDText:
    return "text";
  default:
    return IsArrayKind(kind) ? "array" : "value of kind " + std::to_string(kind);
  }
}

bool IsVariableNode(const Node& node) {
  return node.kind == NodeKind::Variable || node.kind == NodeKind::Name;
}

Variable* VariableOf(const Node& node, Frame& frame, bool create) {
  VariableTable* table = nullptr;
  switch (node.scope) {
  case Scope::Local:
    table = &frame.locals;
    break;
  case Scope::Interprocess:
    table = &State().fInterprocess;
    break;
  case Scope::Process:
    table = &CurrentProcess().Variables();
    break;
  }
  return create ? &table->Ensure(node.text) : table->Find(node.text);
}

void AssignTo(const Node& target, Value&& value, Frame& frame) {
  if (value.IsUndefined()) {
    frame.Fail(target.line, "no value to assign to " + DisplayName(target));
  }
  if (target.kind == NodeKind::Element) {
    const Node& array = *target.children[0];
    ArrayView view(ArrayBlockOf(array, frame));
    const int32_t index = IndexOf(array, *target.children[1], frame, view);
    std::string error;
    if (!StoreElement(view, index, value, &error)) {
      frame.Fail(target.line, DisplayName(array) + ": " + error);
    }
    return;
  }
  Variable& variable = *VariableOf(target, frame, true);
  const uint8_t kind = value.Kind();
  if (!AssignToVariable(variable, std::move(value))) {
    frame.Fail(target.line, "cannot assign a " + KindName(kind) + " to " + DisplayName(target) +
                                ", a " + KindName(variable.value.Kind()));
  }
}

Value Evaluate(const Node& node, Frame& frame) {
  switch (node.kind) {
  case NodeKind::Literal:
    if (node.literalKind == kFDLongint) {
      return Value::Long(node.longValue);
    }
    if (node.literalKind == kFDReal) {
      return Value::Real(node.realValue);
    }
    return Value::Text(node.text);
  case NodeKind::Variable:
    return ReadVariable(node, frame);
  case NodeKind::Name: {
    Value result;
    if (TryCall(node, frame, &result)) {
      return result;
    }
    return ReadVariable(node, frame);
  }
  case NodeKind::Call: {
    Value result;
    if (!TryCall(node, frame, &result)) {
      frame.Fail(node.line, "unknown command or method: " + Utf16ToUtf8(node.text));
    }
    return result;
  }
  case NodeKind::Element:
    return ReadElement(node, frame);
  case NodeKind::Binary: {
    const Value left = Evaluate(*node.children[0], frame);
    const Value right = Evaluate(*node.children[1], frame);
    std::string error;
    Value result = ApplyOperator(node.op, left, right, &error);
    if (!error.empty()) {
      frame.Fail(node.line, error);
    }
    return result;
  }
  case NodeKind::Negate:
    return Negate(node, frame);
  }
  return Value();
}

void Execute(const Program& program, Frame& frame) {
  frame.program = &program;
  ExecuteBlock(program.body, frame);
}

Value CallMethod(const std::u16string& name, std::vector<Value>&& params, int line,
                 const Frame& caller) {
  Method* method = Methods().Find(name);
  if (method == nullptr) {
    caller.Fail(line, "unknown method: " + Utf16ToUtf8(name));
  }
  const std::shared_ptr<Program> program = ProgramOf(*method);
  CallDepth depth(caller, line);
  Frame frame;
  for (size_t i = 0; i < params.size(); ++i) {
    frame.locals.Ensure(std::u16string(Utf8ToUtf16(std::to_string(i + 1)))).value =
        std::move(params[i]);
  }
  Execute(*program, frame);
  Variable* result = frame.locals.Find(u"0");
  return result != nullptr ? std::move(result->value) : Value();
}

} // namespace zvhost::lang
