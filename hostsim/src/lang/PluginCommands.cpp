#include "PluginCommands.h"

#include <array>
#include <cstring>
#include <unordered_map>

#include "../ArrayBlock.h"
#include "../HostState.h"
#include "../TextBlocks.h"
#include "../Utf.h"
#include "Abort.h"
#include "Lexer.h"

namespace zvhost::lang {

namespace {

constexpr uint32_t kAreaCommandFlag = 0x80000000u;

std::unordered_map<std::u16string, PluginCommand>& Registry() {
  static std::unordered_map<std::u16string, PluginCommand> registry;
  return registry;
}

// What one parameter of a call needs kept alive until the plug-in returns.
struct ParamSlot {
  Value temporary;            // inputs
  Variable* output = nullptr; // an output variable, or an array variable
  std::array<unsigned char, kValueBlockSize> undefinedArray{};
  bool passedUndefinedArray = false;
};

void* InputParam(uint8_t kind, CommandContext& context, size_t i, ParamSlot& slot) {
  switch (kind) {
  case kFDLongint:
    slot.temporary = Value::Long(context.LongArg(i));
    return slot.temporary.LongCell();
  case kFDText:
    slot.temporary = Value::Text(context.TextArg(i));
    if (slot.temporary.TextCell()->fString == nullptr) {
      SetEmptyTextBlock(slot.temporary.TextCell());
    }
    return slot.temporary.TextCell();
  case kFDPicture:
    slot.temporary = context.Arg(i);
    if (slot.temporary.Kind() != kFDPicture) {
      context.Fail("parameter " + std::to_string(i + 1) + " must be a picture");
    }
    return slot.temporary.PictureCell();
  default:
    context.Fail("parameter " + std::to_string(i + 1) + " has a kind this host cannot pass");
  }
}

void* OutputParam(uint8_t kind, CommandContext& context, size_t i, ParamSlot& slot) {
  if (!IsVariableNode(context.ArgNode(i))) {
    context.Fail("parameter " + std::to_string(i + 1) + " must be a variable");
  }
  Variable& variable = context.VariableArg(i);
  Value& value = variable.value;
  slot.output = &variable;
  auto wrongKind = [&] {
    context.Fail("parameter " + std::to_string(i + 1) + " must be a " + KindName(kind) +
                 " variable, not a " + KindName(value.Kind()));
  };
  // An undefined variable is created with the kind of the output, as the host does.
  if (value.IsUndefined()) {
    value.Replace(Value::Empty(kind));
    variable.typed = true;
  }
  switch (kind) {
  case kFDLongint:
    if (value.Kind() == kFDReal) {
      value.Replace(Value::Long(RealToLong(value.RealValue())));
    }
    if (value.Kind() != kFDLongint) {
      wrongKind();
    }
    return value.LongCell();
  case kFDText:
    if (value.Kind() != kFDText) {
      wrongKind();
    }
    return value.TextCell();
  case kFDPicture:
    if (value.Kind() != kFDPicture) {
      wrongKind();
    }
    return value.PictureCell();
  default:
    context.Fail("parameter " + std::to_string(i + 1) + " has a kind this host cannot pass");
  }
}

void* ArrayParam(CommandContext& context, size_t i, ParamSlot& slot) {
  if (!IsVariableNode(context.ArgNode(i))) {
    context.Fail("parameter " + std::to_string(i + 1) + " must be an array variable");
  }
  Variable& variable = context.VariableArg(i);
  if (variable.value.IsArray()) {
    return variable.value.ArrayBlock();
  }
  if (!variable.value.IsUndefined()) {
    context.Fail("parameter " + std::to_string(i + 1) + " must be an array, not a " +
                 KindName(variable.value.Kind()));
  }
  slot.output = &variable;
  slot.passedUndefinedArray = true;
  slot.undefinedArray[kFDArrayKindOffset] = kFDUndefined;
  return slot.undefinedArray.data();
}

void* Param(uint8_t code, CommandContext& context, size_t i, ParamSlot& slot) {
  const uint8_t kind = code & kFDTypeKindMask;
  if (kind == kFDArrayLongint || kind == kFDArrayText) {
    return ArrayParam(context, i, slot);
  }
  if (code & kFDTypeOutput) {
    return OutputParam(kind, context, i, slot);
  }
  return InputParam(kind, context, i, slot);
}

} // namespace

void AddPluginCommand(const PluginCommand& command) {
  const std::u16string name = Utf8ToUtf16(command.name);
  Registry()[AsciiLower(name)] = command;
  if (name.find(u' ') != std::u16string::npos) {
    MultiWordNames().Add(name);
  }
}

const PluginCommand* FindPluginCommand(std::u16string_view lowerName) {
  auto& registry = Registry();
  auto it = registry.find(std::u16string(lowerName));
  return it == registry.end() ? nullptr : &it->second;
}

void CallPlugin(int32_t selector, void* params, void* hostData, void* result) {
  if (State().fPlugin != nullptr) {
    State().fPlugin(selector, params, hostData, result);
  }
  ThrowIfAborted();
}

Value CallPluginCommand(const PluginCommand& command, CommandContext& context) {
  if (command.flags & kAreaCommandFlag) {
    context.Fail("the area command cannot be called by name");
  }
  if (State().fPlugin == nullptr) {
    context.Fail("no plug-in is loaded");
  }
  const size_t count = command.paramTypes.size();
  if (context.Count() != count) {
    context.Fail("expects " + std::to_string(count) + " parameters, got " +
                 std::to_string(context.Count()));
  }
  std::vector<ParamSlot> slots(count);
  std::vector<void*> params(count + 1, nullptr);
  for (size_t i = 0; i < count; ++i) {
    params[i] = Param(command.paramTypes[i], context, i, slots[i]);
  }
  alignas(void*) unsigned char result[sizeof(void*)] = {};
  CallPlugin(command.selector, params.data(), nullptr, result);
  // A plug-in may have made an array of an undefined variable.
  for (ParamSlot& slot : slots) {
    if (slot.passedUndefinedArray && IsArrayKind(slot.undefinedArray[kFDArrayKindOffset])) {
      slot.output->value.Replace(Value::AdoptArrayBlock(slot.undefinedArray.data()));
      slot.output->typed = true;
    }
  }
  if (command.resultType == 0) {
    return Value();
  }
  int32_t code = 0;
  std::memcpy(&code, result, sizeof(code));
  return Value::Long(code);
}

} // namespace zvhost::lang
