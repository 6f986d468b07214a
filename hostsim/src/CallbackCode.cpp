// Code run for the plug-in: tokenized formulas, methods by id, host commands by number, and
// the formatters. A script error is the block's error code, and is reported to the person; a
// failed ASSERT is kept instead, so that the run ends once control is back in the interpreter.
#include <algorithm>
#include <cstring>
#include <utility>

#include "Callback.h"
#include "Formatter.h"
#include "Forms.h"
#include "HostDrag.h"
#include "HostState.h"
#include "ObjectStore.h"
#include "Pictures.h"
#include "Utf.h"
#include "lang/Abort.h"
#include "lang/Interpreter.h"
#include "lang/MethodErrors.h"
#include "lang/Methods.h"
#include "lang/Parser.h"

namespace zvhost::callback {

namespace {

template <typename Body>
void GuardedAs(FDEngineBlock& b, bool report, Body&& body) {
  try {
    body();
  } catch (const lang::ScriptError& error) {
    if (error.code == kHostAssertionFailed) {
      lang::SetPendingAbort(error);
    } else if (report) {
      lang::ReportMethodError(error);
    }
    b.fError = static_cast<int16_t>(error.code == kFDErrSyntax ? kFDErrSyntax : kFDErrRuntime);
  }
}

// Code run for the plug-in: its errors are the person's to hear of.
template <typename Body>
void Guarded(FDEngineBlock& b, Body&& body) {
  GuardedAs(b, true, std::forward<Body>(body));
}

// Tokenizing: a syntax error is the caller's to report (as a command's result).
template <typename Body>
void GuardedQuietly(FDEngineBlock& b, Body&& body) {
  GuardedAs(b, false, std::forward<Body>(body));
}

// A formula has no file: its messages name it by its text, cut short.
std::string FormulaLabel(std::u16string_view text) {
  constexpr size_t kShown = 40;
  std::string shown = Utf16ToUtf8(text.substr(0, kShown));
  std::replace(shown.begin(), shown.end(), '\n', ' ');
  std::replace(shown.begin(), shown.end(), '\r', ' ');
  return "formula \"" + shown + (text.size() > kShown ? "...\"" : "\"");
}

// The program a token handle carries; null (with the error set) for anything else.
std::shared_ptr<lang::Program> TokensOf(FDEngineBlock& b) {
  if (b.fHandle == nullptr) {
    b.fError = kFDErrNilHandle;
    return nullptr;
  }
  auto program = std::static_pointer_cast<lang::Program>(Objects().Attachment(b.fHandle));
  if (!program) {
    b.fError = kFDErrBadParameter;
  }
  return program;
}

template <typename T>
T Load(const ValueBlock& block, size_t offset = kValueBlockValueOffset) {
  T v;
  std::memcpy(&v, block.fBytes + offset, sizeof(T));
  return v;
}

void PutLong(ValueBlock& block, int32_t v) {
  std::memset(&block, 0, sizeof(block));
  block.fBytes[0] = kFDLongint;
  std::memcpy(block.fBytes + kValueBlockValueOffset, &v, sizeof(v));
}

} // namespace

void Tokenize(FDEngineBlock& b) {
  b.fHandle = nullptr;
  if (b.fParam1 < 0 || (b.fParam1 > 0 && b.fPtr1 == nullptr)) {
    b.fError = kFDErrBadParameter;
    return;
  }
  const std::u16string_view text = UnitsView(static_cast<const PA_Unichar*>(b.fPtr1), b.fParam1);
  GuardedQuietly(b, [&] {
    std::shared_ptr<lang::Program> program = lang::Parse(text, FormulaLabel(text));
    FDHandle handle = nullptr;
    // The handle keeps the text it was made from; the tree hangs on it.
    const auto bytes = static_cast<int32_t>(text.size() * sizeof(char16_t));
    if (int err = Objects().NewHandle(bytes, &handle)) {
      b.fError = static_cast<int16_t>(err);
      return;
    }
    if (bytes > 0) {
      std::memcpy(*handle, text.data(), static_cast<size_t>(bytes));
    }
    Objects().Attach(handle, program);
    b.fHandle = handle;
  });
}

void ExecTokenizedProc(FDEngineBlock& b) {
  const std::shared_ptr<lang::Program> program = TokensOf(b);
  if (!program) {
    return;
  }
  Guarded(b, [&] {
    lang::Frame frame;
    lang::CallDepth depth(frame, 0);
    lang::Execute(*program, frame);
  });
}

void ExecTokenizedFunc(FDEngineBlock& b) {
  const std::shared_ptr<lang::Program> program = TokensOf(b);
  if (!program) {
    return;
  }
  Guarded(b, [&] {
    lang::Frame frame;
    frame.program = program.get();
    lang::CallDepth depth(frame, 0);
    const lang::Node* formula = program->Formula();
    if (formula == nullptr) {
      // Statements, not a formula: they run and give no value.
      lang::Execute(*program, frame);
      return;
    }
    const Value result = lang::Evaluate(*formula, frame);
    if (result.IsArray()) {
      b.fError = kFDErrBadParameter; // an array is not a function result
      return;
    }
    b.fError = static_cast<int16_t>(result.ToBlock(&b.fValue));
  });
}

void DisposeTokens(FDEngineBlock& b) {
  if (b.fHandle == nullptr) {
    b.fError = kFDErrNilHandle;
    return;
  }
  HandleRec* rec = Objects().FindHandle(b.fHandle);
  if (rec == nullptr) {
    b.fError = kFDErrBadParameter;
    return;
  }
  Objects().DisposeHandle(rec);
  b.fHandle = nullptr;
}

void GetMethodID(FDEngineBlock& b) {
  const lang::Method* method = lang::Methods().Find(TerminatedView(b.fUName));
  b.fParam1 = method != nullptr ? method->id : 0;
}

void CallMethodID(FDEngineBlock& b) {
  lang::Method* method = lang::Methods().FindById(b.fParam1);
  const int32_t count = b.fParam2;
  auto* blocks = static_cast<ValueBlock*>(b.fPtr1);
  if (method == nullptr || count < 0 || (count > 0 && blocks == nullptr)) {
    b.fError = kFDErrBadParameter;
    return;
  }
  std::vector<Value> params(static_cast<size_t>(count));
  for (int32_t i = 0; i < count; ++i) {
    if (int err = Value::FromBlock(blocks[i + 1], &params[static_cast<size_t>(i)])) {
      b.fError = static_cast<int16_t>(err);
      return;
    }
  }
  Guarded(b, [&] {
    const lang::Frame caller;
    const Value result = lang::CallMethod(method->name, std::move(params), 0, caller);
    if (blocks != nullptr && !result.IsArray()) {
      b.fError = static_cast<int16_t>(result.ToBlock(&blocks[0]));
    }
  });
}

namespace {

// Only an object whose options a method set has any; the others answer "not available", so
// that the caller falls back on what the form gave it.
void ObjectDragAndDropOptions(ValueBlock* params, int32_t count, FDEngineBlock& b) {
  Value name;
  if (count < 5 || params[0].fBytes[0] != kFDText || Value::FromBlock(params[0], &name) != 0) {
    b.fError = kFDErrBadParameter;
    return;
  }
  const std::shared_ptr<PluginArea> area = Windows().FindAreaByObjectName(name.TextValue());
  if (!area || !area->hasDragOptions) {
    b.fError = kFDErrNotAvailable;
    return;
  }
  for (int i = 0; i < 4; ++i) {
    ValueBlock& option = params[i + 1];
    std::memset(&option, 0, sizeof(option));
    option.fBytes[0] = kFDBoolean;
    option.fBytes[kValueBlockValueOffset] = area->dragOptions[i] ? 1 : 0;
  }
}

} // namespace

void ExecuteCommandByID(FDEngineBlock& b) {
  auto* params = static_cast<ValueBlock*>(b.fPtr1);
  const int32_t count = params != nullptr ? b.fParam2 : 0;
  auto picture = [&]() -> FDPicture {
    return count >= 1 && params[0].fBytes[0] == kFDPicture ? Load<FDPicture>(params[0]) : nullptr;
  };
  switch (b.fParam1) {
  case 356: // Picture size
    if (count < 1 || (picture() != nullptr && !IsPicture(picture()))) {
      b.fError = kFDErrBadParameter;
      return;
    }
    PutLong(b.fValue, PictureByteSize(picture()));
    return;
  case 457: { // PICTURE PROPERTIES: width and height into parameters 2 and 3
    int32_t width = 0;
    int32_t height = 0;
    if (count < 3 || (picture() != nullptr && !IsPicture(picture()))) {
      b.fError = kFDErrBadParameter;
      return;
    }
    PictureDimensions(picture(), &width, &height);
    PutLong(params[1], width);
    PutLong(params[2], height);
    return;
  }
  case 388: { // Form event: the area event being delivered, else the object method's
    const EventRecord* event = CurrentDelivery().event;
    PutLong(b.fValue, event != nullptr ? event->what : RunningFormEvent());
    return;
  }
  case 1184: // OBJECT GET DRAG AND DROP OPTIONS(object name; four booleans)
    ObjectDragAndDropOptions(params, count, b);
    return;
  default:
    b.fError = kFDErrUnknownCommand;
    return;
  }
}

void FormatValue(FDEngineBlock& b) {
  const std::u16string_view format = TerminatedView(b.fUName);
  std::u16string text;
  switch (b.fValue.fBytes[0]) {
  case kFDReal:
    text = FormatNumber(Load<double>(b.fValue), format);
    break;
  case kFDLongint:
    text = FormatNumber(Load<int32_t>(b.fValue), format);
    break;
  case kFDBoolean:
    text = FormatBoolean(b.fValue.fBytes[kValueBlockValueOffset] != 0, format);
    break;
  case kFDDate:
    text = FormatDate(Load<DateBlock>(b.fValue), b.fParam1);
    break;
  case kFDTime:
    text = FormatTime(Load<int32_t>(b.fValue), b.fParam1);
    break;
  default:
    b.fUString[0] = 0;
    b.fError = kFDErrBadParameter;
    return;
  }
  CopyTerminated(text, b.fUString, kFDMaxStringUnits);
}

} // namespace zvhost::callback
