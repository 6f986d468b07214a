// The tree the parser builds and the interpreter walks.
#pragma once

#include <stdint.h>

#include <memory>
#include <string>
#include <vector>

namespace zvhost::lang {

enum class NodeKind {
  Literal,  // number or text
  Variable, // $local, <>interprocess, or a process variable followed by {
  Name,     // a bare name: a command, a method or a process variable, decided when run
  Call,     // a name with a parenthesised parameter list
  Element,  // children: array, index
  Binary,   // children: left, right; `op`
  Negate    // children: operand
};

enum class Scope { Process, Interprocess, Local };

enum class Op {
  Add,
  Subtract,
  Multiply,
  Divide,
  IntDivide,
  Modulo,
  Equal,
  NotEqual,
  Less,
  Greater,
  LessEqual,
  GreaterEqual,
  And,
  Or
};

struct Node {
  NodeKind kind = NodeKind::Literal;
  int line = 0;
  // Literal: kind 9 (long), 1 (real) or 33 (text)
  uint8_t literalKind = 0;
  int32_t longValue = 0;
  double realValue = 0;
  std::u16string text; // literal text, or the name as written
  // Names
  Scope scope = Scope::Process;
  std::u16string key; // the name in lower case
  // Operators
  Op op = Op::Add;
  std::vector<std::unique_ptr<Node>> children;
};

using NodePtr = std::unique_ptr<Node>;

enum class StatementKind { Expression, Assign, If, Case, For, While, Repeat };

struct Statement;
using Block = std::vector<std::unique_ptr<Statement>>;

struct Statement {
  StatementKind kind = StatementKind::Expression;
  int line = 0;
  NodePtr target;                  // Assign, For: the variable
  NodePtr value;                   // Expression, Assign; For: start
  NodePtr limit;                   // For: end
  NodePtr step;                    // For: optional step
  std::vector<NodePtr> conditions; // If: 1; Case: one per branch; While, Repeat: 1
  std::vector<Block> blocks;       // If: then, else; Case: branches then else; loops: body
};

struct Program {
  std::string label; // the file in messages; empty for code without one
  Block body;
  // The single expression of a formula, when the text is one (for evaluation as a function).
  const Node* Formula() const;
};

} // namespace zvhost::lang
