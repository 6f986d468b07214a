// The database methods: text kept as loaded, parsed when first run.
#pragma once

#include <stdint.h>

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "Ast.h"

namespace zvhost::lang {

struct Method {
  std::u16string name;
  std::string label;
  std::u16string source;
  std::shared_ptr<Program> program; // null until first run
  int32_t id = 0;
};

class MethodTable {
public:
  // Defines or redefines a method; answers its id (ids are kept across redefinition).
  int32_t Define(std::u16string_view name, std::u16string source, std::string label);
  Method* Find(std::u16string_view name);
  Method* FindById(int32_t id);
  void Clear();

private:
  std::vector<std::unique_ptr<Method>> fMethods; // id - 1
  std::unordered_map<std::u16string, int32_t> fIds;
};

MethodTable& Methods();
// The method's program, parsed on first use; throws a syntax ScriptError.
std::shared_ptr<Program> ProgramOf(Method& method);

} // namespace zvhost::lang
