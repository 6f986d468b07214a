#include "Operators.h"

#include <cmath>

#include "../TextBlocks.h"
#include "Interpreter.h"

namespace zvhost::lang {

namespace {

// A long result when it fits, otherwise a real.
Value Integral(int64_t v) {
  if (v >= INT32_MIN && v <= INT32_MAX) {
    return Value::Long(static_cast<int32_t>(v));
  }
  return Value::Real(static_cast<double>(v));
}

Value Arithmetic(Op op, const Value& a, const Value& b, std::string* error) {
  const bool longs = a.Kind() == kFDLongint && b.Kind() == kFDLongint;
  const double x = a.RealValue();
  const double y = b.RealValue();
  switch (op) {
  case Op::Add:
    return longs ? Integral(int64_t{a.LongValue()} + b.LongValue()) : Value::Real(x + y);
  case Op::Subtract:
    return longs ? Integral(int64_t{a.LongValue()} - b.LongValue()) : Value::Real(x - y);
  case Op::Multiply:
    return longs ? Integral(int64_t{a.LongValue()} * b.LongValue()) : Value::Real(x * y);
  case Op::Divide:
    if (y == 0) {
      *error = "division by zero";
      return Value();
    }
    return Value::Real(x / y);
  case Op::IntDivide:
  case Op::Modulo: {
    const int64_t i = RealToLong(std::trunc(x));
    const int64_t j = RealToLong(std::trunc(y));
    if (j == 0) {
      *error = "division by zero";
      return Value();
    }
    return Integral(op == Op::IntDivide ? i / j : i % j);
  }
  default:
    return Value();
  }
}

// -1, 0, 1; false when the kinds do not compare.
bool Compare(const Value& a, const Value& b, int* order) {
  if (a.IsNumber() && b.IsNumber()) {
    const double x = a.RealValue();
    const double y = b.RealValue();
    *order = x < y ? -1 : (x > y ? 1 : 0);
    return true;
  }
  if (a.Kind() != b.Kind()) {
    return false;
  }
  switch (a.Kind()) {
  case kFDText:
    // Text comparison ignores case and diacritics, as in the host.
    *order = CompareTexts(a.TextValue(), b.TextValue(), 0);
    return true;
  case kFDBoolean:
    *order = a.BooleanValue() == b.BooleanValue() ? 0 : (a.BooleanValue() ? 1 : -1);
    return true;
  case kFDTime:
    *order = a.LongValue() < b.LongValue() ? -1 : (a.LongValue() > b.LongValue() ? 1 : 0);
    return true;
  case kFDDate: {
    const DateBlock x = a.DateValue();
    const DateBlock y = b.DateValue();
    const int64_t dx = x.fYear * 10000 + x.fMonth * 100 + x.fDay;
    const int64_t dy = y.fYear * 10000 + y.fMonth * 100 + y.fDay;
    *order = dx < dy ? -1 : (dx > dy ? 1 : 0);
    return true;
  }
  default:
    return false;
  }
}

Value Comparison(Op op, const Value& a, const Value& b, std::string* error) {
  int order = 0;
  if (!Compare(a, b, &order)) {
    *error = "cannot compare " + KindName(a.Kind()) + " with " + KindName(b.Kind());
    return Value();
  }
  const bool orderedKind = a.Kind() != kFDBoolean;
  if (!orderedKind && op != Op::Equal && op != Op::NotEqual) {
    *error = "booleans have no order";
    return Value();
  }
  switch (op) {
  case Op::Equal:
    return Value::Boolean(order == 0);
  case Op::NotEqual:
    return Value::Boolean(order != 0);
  case Op::Less:
    return Value::Boolean(order < 0);
  case Op::Greater:
    return Value::Boolean(order > 0);
  case Op::LessEqual:
    return Value::Boolean(order <= 0);
  case Op::GreaterEqual:
    return Value::Boolean(order >= 0);
  default:
    return Value();
  }
}

bool IsWhole(const Value& v) {
  return v.Kind() == kFDLongint ||
         (v.Kind() == kFDReal && std::trunc(v.RealValue()) == v.RealValue() &&
          std::fabs(v.RealValue()) <= 4294967295.0);
}

int32_t Bits(const Value& v) {
  if (v.Kind() == kFDLongint) {
    return v.LongValue();
  }
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(v.RealValue())));
}

} // namespace

Value ApplyOperator(Op op, const Value& a, const Value& b, std::string* error) {
  switch (op) {
  case Op::Add:
    if (a.Kind() == kFDText && b.Kind() == kFDText) {
      std::u16string joined(a.TextValue());
      joined += b.TextValue();
      return Value::Text(joined);
    }
    [[fallthrough]];
  case Op::Subtract:
  case Op::Divide:
  case Op::IntDivide:
  case Op::Modulo:
    if (a.IsNumber() && b.IsNumber()) {
      return Arithmetic(op, a, b, error);
    }
    break;
  case Op::Multiply:
    if (a.IsNumber() && b.IsNumber()) {
      return Arithmetic(op, a, b, error);
    }
    if (a.Kind() == kFDText && b.IsNumber()) {
      std::u16string repeated;
      for (int32_t i = 0; i < RealToLong(b.RealValue()) && repeated.size() < (1u << 24); ++i) {
        repeated += a.TextValue();
      }
      return Value::Text(repeated);
    }
    break;
  case Op::Equal:
  case Op::NotEqual:
  case Op::Less:
  case Op::Greater:
  case Op::LessEqual:
  case Op::GreaterEqual:
    return Comparison(op, a, b, error);
  case Op::And:
  case Op::Or:
    if (a.Kind() == kFDBoolean && b.Kind() == kFDBoolean) {
      return Value::Boolean(op == Op::And ? a.BooleanValue() && b.BooleanValue()
                                          : a.BooleanValue() || b.BooleanValue());
    }
    if (IsWhole(a) && IsWhole(b)) {
      return Value::Long(op == Op::And ? Bits(a) & Bits(b) : Bits(a) | Bits(b));
    }
    break;
  }
  *error = "wrong kinds of operands: " + KindName(a.Kind()) + " and " + KindName(b.Kind());
  return Value();
}

} // namespace zvhost::lang
