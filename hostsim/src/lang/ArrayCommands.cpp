// Arrays: ARRAY TEXT and its kin (a second size makes a two-dimensional array), APPEND TO
// ARRAY, INSERT IN ARRAY, DELETE FROM ARRAY, Size of array.
#include <algorithm>
#include <cstring>
#include <vector>

#include "../ArrayElements.h"
#include "Commands.h"

namespace zvhost::lang {

namespace {

// ARRAY XXX(array; size{; size2}): an existing one-dimensional array of that kind keeps its
// elements and is resized; anything else is made afresh.
Value MakeArray(CommandContext& c, uint8_t kind) {
  c.ExpectCount(2, 3);
  Variable& variable = c.VariableArg(0);
  const int32_t size = c.LongArg(1);
  const int32_t rows = c.Count() == 3 ? c.LongArg(2) : -1;
  if (size < 0 || (c.Count() == 3 && rows < 0)) {
    c.Fail("a size cannot be negative");
  }
  if (rows < 0 && variable.value.Kind() == kind) {
    if (int err = ArrayView(variable.value.ArrayBlock()).Resize(size)) {
      c.Fail("cannot resize the array (error " + std::to_string(err) + ")");
    }
    variable.typed = true;
    return Value();
  }
  Value array;
  const int err = rows < 0 ? Value::NewArray(kind, size, &array)
                           : Value::NewArray(kFDArrayOfArrays, size, &array, kind, rows);
  if (err != kFDErrNone) {
    c.Fail("cannot make the array (error " + std::to_string(err) + ")");
  }
  variable.value.Replace(std::move(array));
  variable.typed = true;
  return Value();
}

void Store(CommandContext& c, ArrayView& view, int32_t index, const Value& value) {
  std::string error;
  if (!StoreElement(view, index, value, &error)) {
    c.Fail(error);
  }
}

// Moves elements [from, count] up by n, leaving n cleared elements at `from`.
void Insert(CommandContext& c, ArrayView& view, int32_t from, int32_t n) {
  const int32_t count = view.Count();
  if (int err = view.Resize(count + n)) {
    c.Fail("cannot resize the array (error " + std::to_string(err) + ")");
  }
  const int32_t size = ElementSize(view.Kind());
  // The cleared tail elements own nothing of value except nested arrays, which rotate along.
  std::vector<unsigned char> tail(static_cast<size_t>(n) * size);
  std::memcpy(tail.data(), view.Element(count + 1), tail.size());
  if (from <= count) {
    std::memmove(view.Element(from + n), view.Element(from),
                 static_cast<size_t>(count + 1 - from) * size);
  }
  std::memcpy(view.Element(from), tail.data(), tail.size());
}

void Delete(CommandContext& c, ArrayView& view, int32_t from, int32_t n) {
  const int32_t count = view.Count();
  n = std::min(n, count + 1 - from);
  const int32_t size = ElementSize(view.Kind());
  // The deleted elements move to the tail, where shrinking releases them.
  std::vector<unsigned char> doomed(static_cast<size_t>(n) * size);
  std::memcpy(doomed.data(), view.Element(from), doomed.size());
  if (from + n <= count) {
    std::memmove(view.Element(from), view.Element(from + n),
                 static_cast<size_t>(count + 1 - from - n) * size);
  }
  std::memcpy(view.Element(count + 1 - n), doomed.data(), doomed.size());
  if (int err = view.Resize(count - n)) {
    c.Fail("cannot resize the array (error " + std::to_string(err) + ")");
  }
}

struct ArrayKind {
  const char16_t* name;
  uint8_t kind;
};

constexpr ArrayKind kArrayKinds[] = {
    {u"ARRAY TEXT", kFDArrayText},       {u"ARRAY LONGINT", kFDArrayLongint},
    {u"ARRAY PICTURE", kFDArrayPicture}, {u"ARRAY REAL", kFDArrayReal},
    {u"ARRAY INTEGER", kFDArrayInteger}, {u"ARRAY BOOLEAN", kFDArrayBoolean},
    {u"ARRAY DATE", kFDArrayDate},
};

// Position of an insertion or deletion: 1..count+1 (insert) or 1..count (delete).
int32_t Where(CommandContext& c, int32_t last) {
  const int32_t where = c.LongArg(1);
  if (where < 1 || where > last) {
    c.Fail("position " + std::to_string(where) + " outside 1 to " + std::to_string(last));
  }
  return where;
}

} // namespace

void RegisterArrayCommands() {
  for (const ArrayKind& entry : kArrayKinds) {
    const uint8_t kind = entry.kind;
    RegisterCommand(entry.name, [kind](CommandContext& c) { return MakeArray(c, kind); });
  }
  RegisterCommand(u"Size of array", [](CommandContext& c) {
    c.ExpectCount(1, 1);
    return Value::Long(ArrayView(c.ArrayArg(0)).Count());
  });
  RegisterCommand(u"APPEND TO ARRAY", [](CommandContext& c) {
    c.ExpectCount(2, 2);
    ArrayView view(c.ArrayArg(0));
    const Value value = c.Arg(1);
    Insert(c, view, view.Count() + 1, 1);
    Store(c, view, view.Count(), value);
    return Value();
  });
  RegisterCommand(u"INSERT IN ARRAY", [](CommandContext& c) {
    c.ExpectCount(2, 3);
    ArrayView view(c.ArrayArg(0));
    const int32_t where = Where(c, view.Count() + 1);
    const int32_t n = c.Count() == 3 ? c.LongArg(2) : 1;
    if (n > 0) {
      Insert(c, view, where, n);
    }
    return Value();
  });
  RegisterCommand(u"DELETE FROM ARRAY", [](CommandContext& c) {
    c.ExpectCount(2, 3);
    ArrayView view(c.ArrayArg(0));
    const int32_t where = Where(c, view.Count());
    const int32_t n = c.Count() == 3 ? c.LongArg(2) : 1;
    if (n > 0) {
      Delete(c, view, where, n);
    }
    return Value();
  });
}

} // namespace zvhost::lang
