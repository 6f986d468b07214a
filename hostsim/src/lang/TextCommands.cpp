// Texts and conversions: String, Num, Length, Substring, Char, Character code, Uppercase,
// Lowercase, Position.
#include <cstdlib>

#include "../Formatter.h"
#include "../TextBlocks.h"
#include "../Utf.h"
#include "Commands.h"

namespace zvhost::lang {

namespace {

Value StringOf(CommandContext& c) {
  c.ExpectCount(1, 2);
  const Value value = c.Arg(0);
  if (c.Count() == 1) {
    return Value::Text(PlainText(value));
  }
  switch (value.Kind()) {
  case kFDLongint:
  case kFDReal:
    return Value::Text(FormatNumber(value.RealValue(), c.TextArg(1)));
  case kFDBoolean:
    return Value::Text(FormatBoolean(value.BooleanValue(), c.TextArg(1)));
  case kFDDate:
    return Value::Text(FormatDate(value.DateValue(), c.LongArg(1)));
  case kFDTime:
    return Value::Text(FormatTime(value.LongValue(), c.LongArg(1)));
  case kFDText:
    return Value::Text(value.TextValue());
  default:
    c.Fail("cannot format a " + KindName(value.Kind()));
  }
}

// The number in a text, ignoring what is not part of one, as the host does.
Value NumOf(CommandContext& c) {
  c.ExpectCount(1, 1);
  const Value value = c.Arg(0);
  if (value.IsNumber()) {
    return Value::Real(value.RealValue());
  }
  if (value.Kind() == kFDBoolean) {
    return Value::Real(value.BooleanValue() ? 1 : 0);
  }
  if (value.Kind() != kFDText) {
    c.Fail("parameter 1 must be a text, not " + KindName(value.Kind()));
  }
  std::string number;
  bool seenDigit = false;
  bool seenPoint = false;
  for (char16_t ch : value.TextValue()) {
    if (ch >= u'0' && ch <= u'9') {
      number += static_cast<char>(ch);
      seenDigit = true;
    } else if (ch == u'.' && !seenPoint) {
      number += '.';
      seenPoint = true;
    } else if (ch == u'-' && !seenDigit && number.empty()) {
      number += '-';
    }
  }
  return Value::Real(seenDigit ? std::strtod(number.c_str(), nullptr) : 0.0);
}

Value SubstringOf(CommandContext& c) {
  c.ExpectCount(2, 3);
  const std::u16string text = c.TextArg(0);
  int64_t start = c.LongArg(1);
  int64_t length = c.Count() == 3 ? c.LongArg(2) : static_cast<int64_t>(text.size());
  if (start < 1) {
    start = 1;
  }
  if (length <= 0 || start > static_cast<int64_t>(text.size())) {
    return Value::Text(u"");
  }
  return Value::Text(std::u16string_view(text).substr(static_cast<size_t>(start - 1),
                                                      static_cast<size_t>(length)));
}

Value PositionOf(CommandContext& c) {
  c.ExpectCount(2, 2);
  const std::u16string find = c.TextArg(0);
  const std::u16string text = c.TextArg(1);
  if (find.empty() || find.size() > text.size()) {
    return Value::Long(0);
  }
  for (size_t i = 0; i + find.size() <= text.size(); ++i) {
    if (CompareTexts(std::u16string_view(text).substr(i, find.size()), find, 0) == 0) {
      return Value::Long(static_cast<int32_t>(i + 1));
    }
  }
  return Value::Long(0);
}

Value ChangeCase(CommandContext& c, bool upper) {
  c.ExpectCount(1, 1);
  std::u16string text = c.TextArg(0);
  for (char16_t& ch : text) {
    if (upper && ch >= u'a' && ch <= u'z') {
      ch = static_cast<char16_t>(ch - u'a' + u'A');
    } else if (!upper && ch >= u'A' && ch <= u'Z') {
      ch = static_cast<char16_t>(ch - u'A' + u'a');
    }
  }
  return Value::Text(text);
}

} // namespace

void RegisterTextCommands() {
  RegisterCommand(u"String", StringOf);
  RegisterCommand(u"Num", NumOf);
  RegisterCommand(u"Substring", SubstringOf);
  RegisterCommand(u"Position", PositionOf);
  RegisterCommand(u"Length", [](CommandContext& c) {
    c.ExpectCount(1, 1);
    return Value::Long(static_cast<int32_t>(c.TextArg(0).size()));
  });
  RegisterCommand(u"Char", [](CommandContext& c) {
    c.ExpectCount(1, 1);
    const int32_t code = c.LongArg(0);
    if (code < 0 || code > 0xFFFF) {
      c.Fail("character code " + std::to_string(code) + " out of range");
    }
    return Value::Text(std::u16string(1, static_cast<char16_t>(code)));
  });
  RegisterCommand(u"Character code", [](CommandContext& c) {
    c.ExpectCount(1, 1);
    const std::u16string text = c.TextArg(0);
    return Value::Long(text.empty() ? 0 : text[0]);
  });
  RegisterCommand(u"Uppercase", [](CommandContext& c) { return ChangeCase(c, true); });
  RegisterCommand(u"Lowercase", [](CommandContext& c) { return ChangeCase(c, false); });
}

} // namespace zvhost::lang
