// Commands of the host language: the host's own (4D's names, case-insensitive) and the
// emulator's. A command reads its parameters through the context, which evaluates them or
// hands out the variables they name.
#pragma once

#include <stdint.h>

#include <functional>
#include <string>
#include <string_view>

#include "Interpreter.h"

namespace zvhost::lang {

class CommandContext {
public:
  CommandContext(std::u16string_view name, const Node& call, Frame& frame)
      : fName(name), fCall(call), fFrame(frame) {}

  size_t Count() const { return fCall.children.size(); }
  void ExpectCount(size_t min, size_t max) const;
  const Node& ArgNode(size_t i) const { return *fCall.children[i]; }
  int Line() const { return fCall.line; }
  Frame& GetFrame() const { return fFrame; }
  const std::u16string& Name() const { return fName; }

  Value Arg(size_t i) const;
  int32_t LongArg(size_t i) const;
  double RealArg(size_t i) const;
  bool BooleanArg(size_t i) const;
  std::u16string TextArg(size_t i) const;
  // The variable parameter i names (created undefined when missing); an error if it is not a
  // variable.
  Variable& VariableArg(size_t i) const;
  // The array block of an existing array variable (or an element of an array of arrays).
  unsigned char* ArrayArg(size_t i) const;
  // Assigns to the variable or array element parameter i names; an error for anything else.
  void AssignArg(size_t i, Value&& value) const;

  // "NAME: message" as a run-time error at the call's line.
  [[noreturn]] void Fail(const std::string& message) const;

private:
  std::u16string fName;
  const Node& fCall;
  Frame& fFrame;
};

using CommandFn = std::function<Value(CommandContext&)>;

void RegisterCommand(std::u16string_view name, CommandFn fn);
const CommandFn* FindCommand(std::u16string_view lowerName);
// The display name of a registered command.
std::u16string CommandDisplayName(std::u16string_view lowerName);

// The groups of commands; each registers its own.
void RegisterLanguageCommands();
void RegisterArrayCommands();
void RegisterTextCommands();
void RegisterPictureAndFileCommands();
void RegisterEmulatorCommands();
void RegisterFormCommands();
void RegisterInputCommands();
void EnsureCommandsRegistered();

} // namespace zvhost::lang
