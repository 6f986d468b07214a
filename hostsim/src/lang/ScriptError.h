// A syntax or run-time error of the host language, or a failed ASSERT. Thrown inside the
// interpreter only; every entry into it catches and turns it into a host error code.
#pragma once

#include <string>

namespace zvhost::lang {

struct ScriptError {
  int code;          // kFDErrSyntax, kFDErrRuntime or kHostAssertionFailed
  std::string label; // the method's file, empty for code without one
  int line;
  std::string message;

  // "label:line: message"; the label and the line are left out when unknown.
  std::string Text() const;
};

[[noreturn]] void ThrowSyntax(const std::string& label, int line, const std::string& message);
[[noreturn]] void ThrowRuntime(const std::string& label, int line, const std::string& message);

} // namespace zvhost::lang
