// Declarations, booleans, numbers, processes and the clock.
#include <cmath>
#include <string>

#include "../HostState.h"
#include "../Utf.h"
#include "Commands.h"

namespace zvhost::lang {

namespace {

// C_LONGINT(x; y; ...): each variable becomes typed; one of another kind is converted when
// the kinds are numeric, otherwise made afresh.
Value Declare(CommandContext& c, uint8_t kind) {
  c.ExpectCount(1, SIZE_MAX);
  for (size_t i = 0; i < c.Count(); ++i) {
    Variable& variable = c.VariableArg(i);
    Value& value = variable.value;
    if (value.Kind() != kind) {
      if (value.IsNumber() && (kind == kFDLongint || kind == kFDReal)) {
        value.Replace(kind == kFDLongint ? Value::Long(RealToLong(value.RealValue()))
                                         : Value::Real(value.RealValue()));
      } else {
        value.Replace(Value::Empty(kind));
      }
    }
    variable.typed = true;
  }
  return Value();
}

Value Numeric(CommandContext& c, double (*fn)(double)) {
  c.ExpectCount(1, 1);
  const Value value = c.Arg(0);
  if (!value.IsNumber()) {
    c.Fail("parameter 1 must be a number, not " + KindName(value.Kind()));
  }
  const double result = fn(value.RealValue());
  if (value.Kind() == kFDLongint && result <= INT32_MAX) {
    return Value::Long(static_cast<int32_t>(result));
  }
  return Value::Real(result);
}

struct Declaration {
  const char16_t* name;
  uint8_t kind;
};

constexpr Declaration kDeclarations[] = {
    {u"C_LONGINT", kFDLongint}, {u"C_TEXT", kFDText},       {u"C_REAL", kFDReal},
    {u"C_PICTURE", kFDPicture}, {u"C_POINTER", kFDPointer}, {u"C_BOOLEAN", kFDBoolean},
    {u"C_TIME", kFDTime},       {u"C_DATE", kFDDate},       {u"C_BLOB", kFDBlob},
};

} // namespace

void RegisterLanguageCommands() {
  for (const Declaration& declaration : kDeclarations) {
    const uint8_t kind = declaration.kind;
    RegisterCommand(declaration.name, [kind](CommandContext& c) { return Declare(c, kind); });
  }
  // The parameters the running method was given: $1 to $n.
  RegisterCommand(u"Count parameters", [](CommandContext& c) {
    c.ExpectCount(0, 0);
    int32_t count = 0;
    while (c.GetFrame().locals.Find(Utf8ToUtf16(std::to_string(count + 1))) != nullptr) {
      ++count;
    }
    return Value::Long(count);
  });
  RegisterCommand(u"True", [](CommandContext& c) {
    c.ExpectCount(0, 0);
    return Value::Boolean(true);
  });
  RegisterCommand(u"False", [](CommandContext& c) {
    c.ExpectCount(0, 0);
    return Value::Boolean(false);
  });
  RegisterCommand(u"Not", [](CommandContext& c) {
    c.ExpectCount(1, 1);
    return Value::Boolean(!c.BooleanArg(0));
  });
  RegisterCommand(u"Abs", [](CommandContext& c) { return Numeric(c, std::fabs); });
  RegisterCommand(u"Int", [](CommandContext& c) { return Numeric(c, std::floor); });
  RegisterCommand(u"Round", [](CommandContext& c) {
    c.ExpectCount(2, 2);
    const double value = c.RealArg(0);
    const double scale = std::pow(10.0, c.LongArg(1));
    return Value::Real(std::round(value * scale) / scale);
  });
  RegisterCommand(u"Current process", [](CommandContext& c) {
    c.ExpectCount(0, 0);
    return Value::Long(State().fCurrentProcess);
  });
  RegisterCommand(u"Tickcount", [](CommandContext& c) {
    c.ExpectCount(0, 0);
    return Value::Long(static_cast<int32_t>(State().fTicks));
  });
}

} // namespace zvhost::lang
