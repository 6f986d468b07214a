#include "Parser.h"

#include <cctype>

#include "../Utf.h"
#include "Commands.h"
#include "Lexer.h"
#include "ScriptError.h"

namespace zvhost::lang {

const Node* Program::Formula() const {
  if (body.size() != 1 || body[0]->kind != StatementKind::Expression) {
    return nullptr;
  }
  return body[0]->value.get();
}

namespace {

// Deeper nesting than this is refused rather than risking the stack.
constexpr int kMaxDepth = 200;

struct OpSpelling {
  const char16_t* text;
  Op op;
};

constexpr OpSpelling kOps[] = {
    {u"+", Op::Add},        {u"-", Op::Subtract}, {u"*", Op::Multiply},   {u"/", Op::Divide},
    {u"\\", Op::IntDivide}, {u"%", Op::Modulo},   {u"=", Op::Equal},      {u"#", Op::NotEqual},
    {u"<", Op::Less},       {u">", Op::Greater},  {u"<=", Op::LessEqual}, {u">=", Op::GreaterEqual},
    {u"&", Op::And},        {u"|", Op::Or},
};

class Parser {
public:
  Parser(std::vector<Token> tokens, const std::string& label)
      : fTokens(std::move(tokens)), fLabel(label) {}

  std::shared_ptr<Program> Run() {
    auto program = std::make_shared<Program>();
    program->label = fLabel;
    program->body = ParseBlock({});
    if (Peek().kind != TokenKind::End) {
      Fail("unexpected " + Describe(Peek()));
    }
    return program;
  }

private:
  const Token& Peek(size_t ahead = 0) const {
    const size_t i = fPos + ahead;
    return i < fTokens.size() ? fTokens[i] : fTokens.back();
  }
  const Token& Take() { return fTokens[fPos < fTokens.size() - 1 ? fPos++ : fPos]; }
  bool At(TokenKind kind) const { return Peek().kind == kind; }

  bool AtKeyword(std::u16string_view keyword) const {
    return At(TokenKind::Name) && AsciiLower(Peek().text) == keyword;
  }

  [[noreturn]] void Fail(const std::string& message) const {
    ThrowSyntax(fLabel, Peek().line, message);
  }

  // Built by appending: concatenating onto a literal trips a false alarm of the optimiser.
  static std::string Quoted(const char* prefix, const std::u16string& text, char mark = '\'') {
    std::string quoted(1, mark);
    quoted += prefix;
    quoted += Utf16ToUtf8(text);
    quoted += mark;
    return quoted;
  }

  static std::string Describe(const Token& token) {
    switch (token.kind) {
    case TokenKind::Newline:
      return "end of line";
    case TokenKind::End:
      return "end of text";
    case TokenKind::Text: {
      std::string described = "text ";
      described += Quoted("", token.text, '"');
      return described;
    }
    case TokenKind::Number:
      return "number";
    case TokenKind::LParen:
      return "'('";
    case TokenKind::RParen:
      return "')'";
    case TokenKind::LBrace:
      return "'{'";
    case TokenKind::RBrace:
      return "'}'";
    case TokenKind::Semicolon:
      return "';'";
    case TokenKind::Colon:
      return "':'";
    case TokenKind::Assign:
      return "':='";
    case TokenKind::Local:
      return Quoted("$", token.text);
    case TokenKind::Interprocess:
      return Quoted("<>", token.text);
    case TokenKind::Name:
    case TokenKind::Operator:
      return Quoted("", token.text);
    }
    return "token";
  }

  void Expect(TokenKind kind, const char* what) {
    if (!At(kind)) {
      Fail(std::string("expected ") + what + ", found " + Describe(Peek()));
    }
    Take();
  }

  void EndOfStatement() {
    if (!At(TokenKind::Newline)) {
      Fail("expected end of line, found " + Describe(Peek()));
    }
    while (At(TokenKind::Newline)) {
      Take();
    }
  }

  // Statements up to one of the closing keywords (not consumed) or the end. A missing closer is
  // reported at the line that opened the block.
  Block ParseBlock(std::initializer_list<std::u16string_view> closers, int openLine = 0) {
    Block block;
    while (true) {
      while (At(TokenKind::Newline)) {
        Take();
      }
      if (At(TokenKind::End)) {
        if (closers.size() != 0) {
          std::string closer = Utf16ToUtf8(std::u16string(*(closers.end() - 1)));
          closer[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(closer[0])));
          ThrowSyntax(fLabel, openLine, "missing '" + closer + "'");
        }
        return block;
      }
      for (std::u16string_view closer : closers) {
        if (AtKeyword(closer) || (closer == u":" && At(TokenKind::Colon))) {
          return block;
        }
      }
      block.push_back(ParseStatement());
    }
  }

  std::unique_ptr<Statement> NewStatement(StatementKind kind) {
    auto s = std::make_unique<Statement>();
    s->kind = kind;
    s->line = Peek().line;
    return s;
  }

  std::unique_ptr<Statement> ParseStatement() {
    if (++fDepth > kMaxDepth) {
      Fail("blocks nested too deeply");
    }
    std::unique_ptr<Statement> s;
    if (AtKeyword(u"if")) {
      s = ParseIf();
    } else if (AtKeyword(u"case of")) {
      s = ParseCase();
    } else if (AtKeyword(u"for")) {
      s = ParseFor();
    } else if (AtKeyword(u"while")) {
      s = ParseWhile();
    } else if (AtKeyword(u"repeat")) {
      s = ParseRepeat();
    } else {
      for (const char16_t* stray :
           {u"else", u"end if", u"end for", u"end while", u"end case", u"until"}) {
        if (AtKeyword(stray)) {
          Fail("'" + Utf16ToUtf8(Peek().text) + "' without its opening statement");
        }
      }
      s = ParseSimple();
    }
    --fDepth;
    return s;
  }

  std::unique_ptr<Statement> ParseSimple() {
    auto s = NewStatement(StatementKind::Expression);
    NodePtr first = ParseExpression();
    if (At(TokenKind::Assign)) {
      Take();
      if (first->kind != NodeKind::Variable && first->kind != NodeKind::Name &&
          first->kind != NodeKind::Element) {
        ThrowSyntax(fLabel, s->line, "only a variable or an array element can be assigned");
      }
      first->kind = first->kind == NodeKind::Name ? NodeKind::Variable : first->kind;
      s->kind = StatementKind::Assign;
      s->target = std::move(first);
      s->value = ParseExpression();
    } else {
      s->value = std::move(first);
    }
    EndOfStatement();
    return s;
  }

  NodePtr ParseCondition() {
    // Parentheses are customary but the condition is any expression.
    return ParseExpression();
  }

  std::unique_ptr<Statement> ParseIf() {
    auto s = NewStatement(StatementKind::If);
    Take();
    s->conditions.push_back(ParseCondition());
    EndOfStatement();
    s->blocks.push_back(ParseBlock({u"else", u"end if"}, s->line));
    if (AtKeyword(u"else")) {
      Take();
      EndOfStatement();
      s->blocks.push_back(ParseBlock({u"end if"}, s->line));
    }
    Take();
    EndOfStatement();
    return s;
  }

  std::unique_ptr<Statement> ParseCase() {
    auto s = NewStatement(StatementKind::Case);
    Take();
    EndOfStatement();
    bool hasElse = false;
    while (true) {
      while (At(TokenKind::Newline)) {
        Take();
      }
      if (At(TokenKind::Colon)) {
        if (hasElse) {
          Fail("a branch after 'Else'");
        }
        Take();
        s->conditions.push_back(ParseCondition());
        EndOfStatement();
        s->blocks.push_back(ParseBlock({u":", u"else", u"end case"}, s->line));
      } else if (AtKeyword(u"else") && !hasElse) {
        Take();
        EndOfStatement();
        hasElse = true;
        s->blocks.push_back(ParseBlock({u"end case"}, s->line));
      } else if (AtKeyword(u"end case")) {
        Take();
        EndOfStatement();
        return s;
      } else {
        Fail("expected ':', 'Else' or 'End case', found " + Describe(Peek()));
      }
    }
  }

  std::unique_ptr<Statement> ParseFor() {
    auto s = NewStatement(StatementKind::For);
    Take();
    Expect(TokenKind::LParen, "'('");
    s->target = ParsePrimary();
    if (s->target->kind == NodeKind::Name) {
      s->target->kind = NodeKind::Variable;
    }
    if (s->target->kind != NodeKind::Variable) {
      Fail("the counter of a For loop must be a variable");
    }
    Expect(TokenKind::Semicolon, "';'");
    s->value = ParseExpression();
    Expect(TokenKind::Semicolon, "';'");
    s->limit = ParseExpression();
    if (At(TokenKind::Semicolon)) {
      Take();
      s->step = ParseExpression();
    }
    Expect(TokenKind::RParen, "')'");
    EndOfStatement();
    s->blocks.push_back(ParseBlock({u"end for"}, s->line));
    Take();
    EndOfStatement();
    return s;
  }

  std::unique_ptr<Statement> ParseWhile() {
    auto s = NewStatement(StatementKind::While);
    Take();
    s->conditions.push_back(ParseCondition());
    EndOfStatement();
    s->blocks.push_back(ParseBlock({u"end while"}, s->line));
    Take();
    EndOfStatement();
    return s;
  }

  std::unique_ptr<Statement> ParseRepeat() {
    auto s = NewStatement(StatementKind::Repeat);
    Take();
    EndOfStatement();
    s->blocks.push_back(ParseBlock({u"until"}, s->line));
    Take();
    s->conditions.push_back(ParseCondition());
    EndOfStatement();
    return s;
  }

  NodePtr NewNode(NodeKind kind, int line) {
    auto n = std::make_unique<Node>();
    n->kind = kind;
    n->line = line;
    return n;
  }

  // 4D evaluates operators strictly from left to right; only parentheses group.
  NodePtr ParseExpression() {
    if (++fDepth > kMaxDepth) {
      Fail("expression nested too deeply");
    }
    NodePtr left = ParseOperand();
    while (At(TokenKind::Operator)) {
      const Token& token = Take();
      NodePtr binary = NewNode(NodeKind::Binary, token.line);
      for (const OpSpelling& spelling : kOps) {
        if (token.text == spelling.text) {
          binary->op = spelling.op;
        }
      }
      binary->children.push_back(std::move(left));
      binary->children.push_back(ParseOperand());
      left = std::move(binary);
    }
    --fDepth;
    return left;
  }

  NodePtr ParseOperand() {
    if (At(TokenKind::Operator) && (Peek().text == u"-" || Peek().text == u"+")) {
      const Token& sign = Take();
      if (++fDepth > kMaxDepth) {
        Fail("expression nested too deeply");
      }
      NodePtr operand = ParseOperand();
      --fDepth;
      if (sign.text == u"+") {
        return operand;
      }
      NodePtr negate = NewNode(NodeKind::Negate, sign.line);
      negate->children.push_back(std::move(operand));
      return negate;
    }
    return ParsePrimary();
  }

  NodePtr ParsePrimary() {
    const Token& token = Peek();
    NodePtr node;
    switch (token.kind) {
    case TokenKind::Number:
      node = NewNode(NodeKind::Literal, token.line);
      node->literalKind = token.isInteger ? 9 : 1;
      node->longValue = token.integer;
      node->realValue = token.real;
      Take();
      return node;
    case TokenKind::Text:
      node = NewNode(NodeKind::Literal, token.line);
      node->literalKind = 33;
      node->text = token.text;
      Take();
      return node;
    case TokenKind::LParen:
      Take();
      node = ParseExpression();
      Expect(TokenKind::RParen, "')'");
      return node;
    case TokenKind::Local:
    case TokenKind::Interprocess:
      node = NamedNode(NodeKind::Variable,
                       token.kind == TokenKind::Local ? Scope::Local : Scope::Interprocess);
      return Elements(std::move(node));
    case TokenKind::Name:
      return ParseName();
    default:
      Fail("expected a value, found " + Describe(token));
    }
  }

  NodePtr NamedNode(NodeKind kind, Scope scope) {
    const Token& token = Take();
    NodePtr node = NewNode(kind, token.line);
    node->scope = scope;
    node->text = token.text;
    node->key = AsciiLower(token.text);
    return node;
  }

  NodePtr ParseName() {
    NodePtr node = NamedNode(NodeKind::Name, Scope::Process);
    if (At(TokenKind::LParen)) {
      node->kind = NodeKind::Call;
      Take();
      if (!At(TokenKind::RParen)) {
        node->children.push_back(ParseExpression());
        while (At(TokenKind::Semicolon)) {
          Take();
          node->children.push_back(ParseExpression());
        }
      }
      Expect(TokenKind::RParen, "')' or ';'");
      return node;
    }
    if (At(TokenKind::LBrace)) {
      node->kind = NodeKind::Variable;
      return Elements(std::move(node));
    }
    return node;
  }

  NodePtr Elements(NodePtr base) {
    while (At(TokenKind::LBrace)) {
      const int line = Take().line;
      NodePtr element = NewNode(NodeKind::Element, line);
      element->children.push_back(std::move(base));
      element->children.push_back(ParseExpression());
      Expect(TokenKind::RBrace, "'}'");
      base = std::move(element);
    }
    return base;
  }

  std::vector<Token> fTokens;
  const std::string& fLabel;
  size_t fPos = 0;
  int fDepth = 0;
};

} // namespace

std::shared_ptr<Program> Parse(std::u16string_view source, const std::string& label) {
  // Command names of several words must be known before the text is split.
  EnsureCommandsRegistered();
  return Parser(Tokenize(source, label), label).Run();
}

} // namespace zvhost::lang
