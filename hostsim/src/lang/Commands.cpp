#include "Commands.h"

#include <unordered_map>

#include "../Utf.h"
#include "Lexer.h"

namespace zvhost::lang {

namespace {

struct Registered {
  std::u16string displayName;
  CommandFn fn;
};

std::unordered_map<std::u16string, Registered>& Registry() {
  static std::unordered_map<std::u16string, Registered> registry;
  return registry;
}

} // namespace

void RegisterCommand(std::u16string_view name, CommandFn fn) {
  Registry()[AsciiLower(name)] = Registered{std::u16string(name), std::move(fn)};
  if (name.find(u' ') != std::u16string_view::npos) {
    MultiWordNames().Add(name);
  }
}

const CommandFn* FindCommand(std::u16string_view lowerName) {
  auto& registry = Registry();
  auto it = registry.find(std::u16string(lowerName));
  return it == registry.end() ? nullptr : &it->second.fn;
}

std::u16string CommandDisplayName(std::u16string_view lowerName) {
  auto& registry = Registry();
  auto it = registry.find(std::u16string(lowerName));
  return it == registry.end() ? std::u16string(lowerName) : it->second.displayName;
}

void EnsureCommandsRegistered() {
  static const bool registered = [] {
    RegisterLanguageCommands();
    RegisterArrayCommands();
    RegisterTextCommands();
    RegisterPictureAndFileCommands();
    RegisterEmulatorCommands();
    RegisterFormCommands();
    RegisterInputCommands();
    return true;
  }();
  (void)registered;
}

void CommandContext::Fail(const std::string& message) const {
  fFrame.Fail(fCall.line, Utf16ToUtf8(fName) + ": " + message);
}

void CommandContext::ExpectCount(size_t min, size_t max) const {
  const size_t count = Count();
  if (count >= min && count <= max) {
    return;
  }
  std::string expected = std::to_string(min);
  if (max != min) {
    expected += max == SIZE_MAX ? " or more" : " to " + std::to_string(max);
  }
  Fail("expects " + expected + " parameters, got " + std::to_string(count));
}

Value CommandContext::Arg(size_t i) const {
  return Evaluate(ArgNode(i), fFrame);
}

int32_t CommandContext::LongArg(size_t i) const {
  const Value value = Arg(i);
  if (!value.IsNumber()) {
    Fail("parameter " + std::to_string(i + 1) + " must be a number, not " + KindName(value.Kind()));
  }
  return value.Kind() == kFDLongint ? value.LongValue() : RealToLong(value.RealValue());
}

double CommandContext::RealArg(size_t i) const {
  const Value value = Arg(i);
  if (!value.IsNumber()) {
    Fail("parameter " + std::to_string(i + 1) + " must be a number, not " + KindName(value.Kind()));
  }
  return value.RealValue();
}

bool CommandContext::BooleanArg(size_t i) const {
  const Value value = Arg(i);
  if (value.Kind() != kFDBoolean) {
    Fail("parameter " + std::to_string(i + 1) + " must be a boolean, not " +
         KindName(value.Kind()));
  }
  return value.BooleanValue();
}

std::u16string CommandContext::TextArg(size_t i) const {
  const Value value = Arg(i);
  if (value.Kind() != kFDText) {
    Fail("parameter " + std::to_string(i + 1) + " must be a text, not " + KindName(value.Kind()));
  }
  return std::u16string(value.TextValue());
}

Variable& CommandContext::VariableArg(size_t i) const {
  const Node& node = ArgNode(i);
  if (!IsVariableNode(node)) {
    Fail("parameter " + std::to_string(i + 1) + " must be a variable");
  }
  return *VariableOf(node, fFrame, true);
}

void CommandContext::AssignArg(size_t i, Value&& value) const {
  const Node& node = ArgNode(i);
  if (!IsVariableNode(node) && node.kind != NodeKind::Element) {
    Fail("parameter " + std::to_string(i + 1) + " must be a variable");
  }
  AssignTo(node, std::move(value), fFrame);
}

unsigned char* CommandContext::ArrayArg(size_t i) const {
  return ArrayBlockOf(ArgNode(i), fFrame);
}

} // namespace zvhost::lang
