#include "Formatter.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "ArrayBlock.h"
#include "Pictures.h"
#include "Utf.h"

namespace zvhost {

namespace {

std::vector<std::u16string_view> Sections(std::u16string_view format) {
  std::vector<std::u16string_view> sections;
  size_t start = 0;
  for (size_t i = 0; i <= format.size(); ++i) {
    if (i == format.size() || format[i] == u';') {
      sections.push_back(format.substr(start, i - start));
      start = i + 1;
    }
  }
  return sections;
}

bool IsPlaceholder(char16_t c) {
  return c == u'#' || c == u'0';
}

std::u16string Group(const std::u16string& digits) {
  std::u16string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) {
      out += u',';
    }
    out += digits[i];
  }
  return out;
}

// One section applied to a non-negative value.
std::u16string ApplySection(double value, std::u16string_view section) {
  size_t first = std::u16string_view::npos;
  size_t last = 0;
  for (size_t i = 0; i < section.size(); ++i) {
    if (IsPlaceholder(section[i])) {
      first = std::min(first, i);
      last = i;
    }
  }
  if (first == std::u16string_view::npos) {
    return std::u16string(section);
  }
  const std::u16string_view prefix = section.substr(0, first);
  const std::u16string_view suffix = section.substr(last + 1);
  const std::u16string_view mask = section.substr(first, last + 1 - first);
  const size_t point = mask.find(u'.');
  const std::u16string_view integerMask = mask.substr(0, point);
  const std::u16string_view fractionMask =
      point == std::u16string_view::npos ? std::u16string_view() : mask.substr(point + 1);

  int decimals = 0;
  for (char16_t c : fractionMask) {
    decimals += IsPlaceholder(c) ? 1 : 0;
  }
  size_t minDigits = 0;
  for (char16_t c : integerMask) {
    minDigits += c == u'0' ? 1 : 0;
  }
  char buffer[400];
  std::snprintf(buffer, sizeof(buffer), "%.*f", decimals, value);
  const std::string fixed = buffer;
  const size_t dot = fixed.find('.');
  std::u16string integer = Utf8ToUtf16(fixed.substr(0, dot));
  std::u16string fraction = dot == std::string::npos ? u"" : Utf8ToUtf16(fixed.substr(dot + 1));

  if (integer == u"0" && minDigits == 0) {
    integer.clear();
  }
  while (integer.size() < minDigits) {
    integer.insert(integer.begin(), u'0');
  }
  if (integerMask.find(u',') != std::u16string_view::npos) {
    integer = Group(integer);
  }
  // '#' places of the fraction drop trailing zeros; '0' places keep them.
  std::u16string fractionPlaces;
  for (char16_t c : fractionMask) {
    if (IsPlaceholder(c)) {
      fractionPlaces += c;
    }
  }
  while (!fraction.empty() && fraction.back() == u'0' &&
         fractionPlaces[fraction.size() - 1] == u'#') {
    fraction.pop_back();
  }
  std::u16string out(prefix);
  out += integer;
  if (!fraction.empty()) {
    out += u'.';
    out += fraction;
  }
  out += suffix;
  return out;
}

const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};

std::string Printf(const char* format, int a, int b, int c) {
  char buffer[64];
  std::snprintf(buffer, sizeof(buffer), format, a, b, c);
  return buffer;
}

} // namespace

std::u16string PlainNumber(double value) {
  if (std::isnan(value)) {
    return u"NaN";
  }
  char buffer[64];
  if (value == std::trunc(value) && std::fabs(value) < 1e15) {
    std::snprintf(buffer, sizeof(buffer), "%.0f", value == 0 ? 0.0 : value);
  } else {
    std::snprintf(buffer, sizeof(buffer), "%.15g", value);
  }
  return Utf8ToUtf16(buffer);
}

std::u16string FormatNumber(double value, std::u16string_view format) {
  if (format.empty()) {
    return PlainNumber(value);
  }
  const std::vector<std::u16string_view> sections = Sections(format);
  if (value == 0 && sections.size() >= 3) {
    return ApplySection(0, sections[2]);
  }
  if (value < 0 && sections.size() >= 2) {
    return ApplySection(-value, sections[1]);
  }
  std::u16string text = ApplySection(std::fabs(value), sections[0]);
  // A value that rounds to zero shows no sign.
  if (value < 0 && text.find_first_of(u"123456789") != std::u16string::npos) {
    text.insert(text.begin(), u'-');
  }
  return text;
}

std::u16string FormatBoolean(bool value, std::u16string_view format) {
  if (format.empty()) {
    return value ? u"True" : u"False";
  }
  const std::vector<std::u16string_view> sections = Sections(format);
  if (value) {
    return std::u16string(sections[0]);
  }
  return sections.size() > 1 ? std::u16string(sections[1]) : std::u16string();
}

std::u16string FormatDate(const DateBlock& date, int32_t format) {
  const int day = date.fDay;
  const int month = date.fMonth;
  const int year = date.fYear;
  const char* monthName = month >= 1 && month <= 12 ? kMonths[month - 1] : "";
  switch (format) {
  case 2:
  case 6:
    return Utf8ToUtf16(std::string(monthName).substr(0, 3) + Printf(" %d, %d", day, year, 0));
  case 3:
  case 5:
    return Utf8ToUtf16(monthName + Printf(" %d, %d", day, year, 0));
  case 4:
    return Utf8ToUtf16(Printf("%02d/%02d/%02d", month, day, year % 100));
  case 8:
    return Utf8ToUtf16(Printf("%04d-%02d-%02dT00:00:00", year, month, day));
  case 9:
    return Utf8ToUtf16(Printf("%04d-%02d-%02d", year, month, day));
  default:
    return Utf8ToUtf16(Printf("%02d/%02d/%04d", month, day, year));
  }
}

std::u16string FormatTime(int32_t seconds, int32_t format) {
  const bool negative = seconds < 0;
  const int64_t total = negative ? -int64_t{seconds} : seconds;
  const int h = static_cast<int>(total / 3600);
  const int m = static_cast<int>(total / 60 % 60);
  const int s = static_cast<int>(total % 60);
  std::string text;
  switch (format) {
  case 2:
    text = Printf("%02d:%02d", h, m, 0);
    break;
  case 3:
    text = Printf("%d hours %d minutes %d seconds", h, m, s);
    break;
  case 5:
    text = Printf("%d:%02d", h % 12 == 0 ? 12 : h % 12, m, 0) + (h % 24 < 12 ? " AM" : " PM");
    break;
  case 6:
    text = Printf("%d:%02d:%02d", h % 12 == 0 ? 12 : h % 12, m, s) + (h % 24 < 12 ? " AM" : " PM");
    break;
  default:
    text = Printf("%02d:%02d:%02d", h, m, s);
    break;
  }
  return Utf8ToUtf16(negative ? "-" + text : text);
}

std::u16string PlainText(const Value& value) {
  switch (value.Kind()) {
  case kFDLongint:
  case kFDReal:
    return PlainNumber(value.RealValue());
  case kFDBoolean:
    return FormatBoolean(value.BooleanValue(), u"");
  case kFDText:
    return std::u16string(value.TextValue());
  case kFDDate:
    return FormatDate(value.DateValue(), 0);
  case kFDTime:
    return FormatTime(value.LongValue(), 0);
  case kFDPicture: {
    int32_t width = 0;
    int32_t height = 0;
    if (!PictureDimensions(value.PictureValue(), &width, &height)) {
      return u"[no picture]";
    }
    return Utf8ToUtf16("[picture " + std::to_string(width) + "x" + std::to_string(height) + "]");
  }
  case kFDUndefined:
    return u"";
  default:
    if (value.IsArray()) {
      return Utf8ToUtf16("[array of " + std::to_string(ArrayView(value.ArrayBlock()).Count()) +
                         "]");
    }
    std::string kind = "[";
    kind += std::to_string(value.Kind());
    kind += "]";
    return Utf8ToUtf16(kind);
  }
}

} // namespace zvhost
