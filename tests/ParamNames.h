// Names for the cases of value-parameterised tests: the case's own words (letters and digits,
// the rest joined by single underscores) and its index, so that names read plainly, stay unique
// and are the same in every build.
#pragma once

#include <cstddef>
#include <string>

namespace paramnames {

inline std::string Named(const std::string& words, size_t index) {
  std::string name;
  for (unsigned char c : words) {
    const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    if (plain) {
      name += static_cast<char>(c);
    } else if (!name.empty() && name.back() != '_') {
      name += '_';
    }
  }
  if (name.size() > 40) {
    name.resize(40);
  }
  if (name.empty()) {
    name = "empty";
  }
  if (!name.empty() && name.back() != '_') {
    name += '_';
  }
  return name + std::to_string(index);
}

// Characters outside ASCII become separators.
inline std::string Narrow(const char16_t* words) {
  std::string narrow;
  for (const char16_t* c = words; c != nullptr && *c != 0; ++c) {
    narrow += *c < 0x80 ? static_cast<char>(*c) : ' ';
  }
  return narrow;
}

inline std::string Named(const char16_t* words, size_t index) {
  return Named(Narrow(words), index);
}

// A generator that names each case by what `words` makes of its parameter.
template <typename Words>
auto By(Words words) {
  return [words](const auto& info) { return Named(words(info.param), info.index); };
}

} // namespace paramnames
