#include "Methods.h"

#include "../Utf.h"
#include "Parser.h"

namespace zvhost::lang {

MethodTable& Methods() {
  static MethodTable table;
  return table;
}

int32_t MethodTable::Define(std::u16string_view name, std::u16string source, std::string label) {
  const std::u16string key = AsciiLower(name);
  Method* method = Find(key);
  if (method == nullptr) {
    fMethods.push_back(std::make_unique<Method>());
    method = fMethods.back().get();
    method->id = static_cast<int32_t>(fMethods.size());
    fIds[key] = method->id;
  }
  method->name = std::u16string(name);
  method->source = std::move(source);
  method->label = std::move(label);
  method->program.reset();
  return method->id;
}

Method* MethodTable::Find(std::u16string_view name) {
  auto it = fIds.find(AsciiLower(name));
  return it == fIds.end() ? nullptr : FindById(it->second);
}

Method* MethodTable::FindById(int32_t id) {
  if (id < 1 || id > static_cast<int32_t>(fMethods.size())) {
    return nullptr;
  }
  return fMethods[static_cast<size_t>(id - 1)].get();
}

void MethodTable::Clear() {
  fMethods.clear();
  fIds.clear();
}

std::shared_ptr<Program> ProgramOf(Method& method) {
  if (!method.program) {
    method.program = Parse(method.source, method.label);
  }
  return method.program;
}

} // namespace zvhost::lang
