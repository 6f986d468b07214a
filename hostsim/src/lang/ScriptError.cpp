#include "ScriptError.h"

#include "sdk/FourDPluginAPI.h"

namespace zvhost::lang {

std::string ScriptError::Text() const {
  std::string text = label.empty() ? std::string() : label + ":";
  if (line > 0) {
    text += std::to_string(line) + ":";
  }
  return text.empty() ? message : text + " " + message;
}

void ThrowSyntax(const std::string& label, int line, const std::string& message) {
  throw ScriptError{kFDErrSyntax, label, line, message};
}

void ThrowRuntime(const std::string& label, int line, const std::string& message) {
  throw ScriptError{kFDErrRuntime, label, line, message};
}

} // namespace zvhost::lang
