#include "Lexer.h"

#include <algorithm>
#include <cmath>

#include "../Utf.h"
#include "ScriptError.h"

namespace zvhost::lang {

void NameCatalog::Add(std::u16string_view name) {
  std::u16string lower = AsciiLower(name);
  auto it = std::lower_bound(fNames.begin(), fNames.end(), lower);
  if (it == fNames.end() || *it != lower) {
    fNames.insert(it, std::move(lower));
  }
}

bool NameCatalog::IsName(std::u16string_view lower) const {
  return std::binary_search(fNames.begin(), fNames.end(), lower);
}

bool NameCatalog::IsPrefix(std::u16string_view lower) const {
  std::u16string prefix(lower);
  prefix += u' ';
  auto it = std::lower_bound(fNames.begin(), fNames.end(), prefix);
  return it != fNames.end() && it->compare(0, prefix.size(), prefix) == 0;
}

NameCatalog& MultiWordNames() {
  static NameCatalog catalog = [] {
    NameCatalog c;
    for (const char16_t* keyword : {u"End if", u"End for", u"End while", u"Case of", u"End case"}) {
      c.Add(keyword);
    }
    return c;
  }();
  return catalog;
}

namespace {

bool IsNameStart(char16_t c) {
  return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_' || c >= 0xC0;
}

bool IsNameChar(char16_t c) {
  return IsNameStart(c) || (c >= u'0' && c <= u'9');
}

bool IsDigit(char16_t c) {
  return c >= u'0' && c <= u'9';
}

int HexDigit(char16_t c) {
  if (IsDigit(c)) {
    return c - u'0';
  }
  if (c >= u'a' && c <= u'f') {
    return c - u'a' + 10;
  }
  if (c >= u'A' && c <= u'F') {
    return c - u'A' + 10;
  }
  return -1;
}

class Lexer {
public:
  Lexer(std::u16string_view source, const std::string& label) : fSrc(source), fLabel(label) {}

  std::vector<Token> Run() {
    while (fPos < fSrc.size()) {
      Next();
    }
    Push(TokenKind::Newline);
    Push(TokenKind::End);
    return std::move(fTokens);
  }

private:
  char16_t Peek(size_t ahead = 0) const {
    return fPos + ahead < fSrc.size() ? fSrc[fPos + ahead] : u'\0';
  }

  Token& Push(TokenKind kind, std::u16string text = {}) {
    Token token;
    token.kind = kind;
    token.line = fLine;
    token.text = std::move(text);
    fTokens.push_back(std::move(token));
    return fTokens.back();
  }

  [[noreturn]] void Fail(const std::string& message) const { ThrowSyntax(fLabel, fLine, message); }

  void Next() {
    const char16_t c = Peek();
    if (c == u' ' || c == u'\t' || c == 0xA0) {
      ++fPos;
    } else if (c == u'\r' || c == u'\n') {
      fPos += (c == u'\r' && Peek(1) == u'\n') ? 2 : 1;
      Push(TokenKind::Newline);
      ++fLine;
    } else if (c == u'/' && Peek(1) == u'/') {
      while (fPos < fSrc.size() && Peek() != u'\r' && Peek() != u'\n') {
        ++fPos;
      }
    } else if (c == u'/' && Peek(1) == u'*') {
      BlockComment();
    } else if (IsDigit(c) || (c == u'.' && IsDigit(Peek(1)))) {
      Number();
    } else if (c == u'"') {
      Text();
    } else if (c == u'$') {
      Local();
    } else if (c == u'<' && Peek(1) == u'>') {
      fPos += 2;
      if (!IsNameStart(Peek())) {
        Fail("a name must follow <>");
      }
      Push(TokenKind::Interprocess, Word());
    } else if (IsNameStart(c)) {
      Name();
    } else {
      Punctuation(c);
    }
  }

  void BlockComment() {
    const int startLine = fLine;
    fPos += 2;
    while (fPos < fSrc.size() && !(Peek() == u'*' && Peek(1) == u'/')) {
      if (Peek() == u'\n') {
        ++fLine;
      }
      ++fPos;
    }
    if (fPos >= fSrc.size()) {
      ThrowSyntax(fLabel, startLine, "unterminated comment");
    }
    fPos += 2;
  }

  std::u16string Word() {
    const size_t start = fPos;
    while (IsNameChar(Peek())) {
      ++fPos;
    }
    return std::u16string(fSrc.substr(start, fPos - start));
  }

  void Name() {
    std::u16string name = Word();
    // Extend over " word" as long as some command name continues that way.
    const NameCatalog& catalog = MultiWordNames();
    std::u16string best = name;
    size_t bestEnd = fPos;
    // A later word may start with a digit ("Get 4D folder").
    while (catalog.IsPrefix(AsciiLower(name)) && Peek() == u' ' && IsNameChar(Peek(1))) {
      ++fPos;
      name += u' ';
      name += Word();
      if (catalog.IsName(AsciiLower(name))) {
        best = name;
        bestEnd = fPos;
      }
    }
    fPos = bestEnd;
    Push(TokenKind::Name, best);
  }

  void Local() {
    ++fPos;
    if (IsDigit(Peek())) {
      const size_t start = fPos;
      while (IsDigit(Peek())) {
        ++fPos;
      }
      Push(TokenKind::Local, std::u16string(fSrc.substr(start, fPos - start)));
      return;
    }
    if (!IsNameStart(Peek())) {
      Fail("a name must follow $");
    }
    Push(TokenKind::Local, Word());
  }

  void Number() {
    if (Peek() == u'0' && (Peek(1) == u'x' || Peek(1) == u'X')) {
      fPos += 2;
      uint64_t v = 0;
      int digits = 0;
      for (int d; (d = HexDigit(Peek())) >= 0; ++fPos, ++digits) {
        v = (v << 4) | static_cast<uint64_t>(d);
      }
      if (digits == 0 || digits > 8) {
        Fail("malformed hexadecimal number");
      }
      Token& token = Push(TokenKind::Number);
      token.isInteger = true;
      token.integer = static_cast<int32_t>(static_cast<uint32_t>(v));
      token.real = token.integer;
      return;
    }
    const size_t start = fPos;
    bool integral = true;
    while (IsDigit(Peek())) {
      ++fPos;
    }
    if (Peek() == u'.' && IsDigit(Peek(1))) {
      integral = false;
      ++fPos;
      while (IsDigit(Peek())) {
        ++fPos;
      }
    }
    if ((Peek() == u'e' || Peek() == u'E') &&
        (IsDigit(Peek(1)) || ((Peek(1) == u'+' || Peek(1) == u'-') && IsDigit(Peek(2))))) {
      integral = false;
      fPos += 2;
      while (IsDigit(Peek())) {
        ++fPos;
      }
    }
    const std::string digits = Utf16ToUtf8(fSrc.substr(start, fPos - start));
    Token& token = Push(TokenKind::Number);
    token.real = std::strtod(digits.c_str(), nullptr);
    if (integral && token.real <= 2147483647.0) {
      token.isInteger = true;
      token.integer = static_cast<int32_t>(token.real);
    }
  }

  void Text() {
    ++fPos;
    std::u16string text;
    while (true) {
      const char16_t c = Peek();
      if (fPos >= fSrc.size() || c == u'\r' || c == u'\n') {
        Fail("unterminated text");
      }
      ++fPos;
      if (c == u'"') {
        break;
      }
      if (c != u'\\') {
        text += c;
        continue;
      }
      const char16_t e = Peek();
      ++fPos;
      switch (e) {
      case u'"':
      case u'\\':
        text += e;
        break;
      case u't':
        text += u'\t';
        break;
      case u'r':
        text += u'\r';
        break;
      case u'n':
        text += u'\n';
        break;
      default:
        Fail("unknown escape in text");
      }
    }
    Push(TokenKind::Text, std::move(text));
  }

  void Punctuation(char16_t c) {
    ++fPos;
    switch (c) {
    case u'(':
      Push(TokenKind::LParen);
      return;
    case u')':
      Push(TokenKind::RParen);
      return;
    case u'{':
      Push(TokenKind::LBrace);
      return;
    case u'}':
      Push(TokenKind::RBrace);
      return;
    case u';':
      Push(TokenKind::Semicolon);
      return;
    case u':':
      if (Peek() == u'=') {
        ++fPos;
        Push(TokenKind::Assign);
      } else {
        Push(TokenKind::Colon);
      }
      return;
    case u'<':
    case u'>':
      if (Peek() == u'=') {
        ++fPos;
        Push(TokenKind::Operator, std::u16string{c, u'='});
      } else {
        Push(TokenKind::Operator, std::u16string(1, c));
      }
      return;
    case u'+':
    case u'-':
    case u'*':
    case u'/':
    case u'\\':
    case u'%':
    case u'=':
    case u'#':
    case u'&':
    case u'|':
      Push(TokenKind::Operator, std::u16string(1, c));
      return;
    default:
      Fail("unexpected character '" + Utf16ToUtf8(std::u16string(1, c)) + "'");
    }
  }

  std::u16string_view fSrc;
  const std::string& fLabel;
  size_t fPos = 0;
  int fLine = 1;
  std::vector<Token> fTokens;
};

} // namespace

std::vector<Token> Tokenize(std::u16string_view source, const std::string& label) {
  return Lexer(source, label).Run();
}

} // namespace zvhost::lang
