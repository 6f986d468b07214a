// Splits host-language text into tokens. Command names of several words ("Size of array",
// "End if") are single name tokens: the lexer extends a word while the catalog knows a longer
// name beginning with it.
#pragma once

#include <stdint.h>

#include <string>
#include <string_view>
#include <vector>

namespace zvhost::lang {

enum class TokenKind {
  Number,
  Text,
  Name,         // identifier or command name, as written
  Local,        // $name or $n, without the $
  Interprocess, // <>name, without the marker
  LParen,
  RParen,
  LBrace,
  RBrace,
  Semicolon,
  Colon,
  Assign,
  Operator,
  Newline,
  End
};

struct Token {
  TokenKind kind = TokenKind::End;
  int line = 0;
  std::u16string text; // names, text literals, operators
  bool isInteger = false;
  int32_t integer = 0;
  double real = 0;
};

// The names made of several words, lower case.
class NameCatalog {
public:
  void Add(std::u16string_view name);
  bool IsName(std::u16string_view lower) const;
  bool IsPrefix(std::u16string_view lower) const; // a name continues after it with a space

private:
  std::vector<std::u16string> fNames; // sorted
};

NameCatalog& MultiWordNames();

// Throws a syntax ScriptError with `label` and the line on malformed input.
std::vector<Token> Tokenize(std::u16string_view source, const std::string& label);

} // namespace zvhost::lang
