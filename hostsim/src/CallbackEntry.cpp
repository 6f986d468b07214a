// The callback entry: one switch from selector to service. Nothing thrown inside the host
// crosses back into the plug-in.
#include <new>

#include "Callback.h"
#include "zvhost/Host.h"

namespace zvhost {

namespace {

void Dispatch(int16_t selector, FDEngineBlock& b) {
  using namespace callback;
  switch (selector) {
  case kFDGetResourceID:
    return GetResourceID(b);
  case kFDGetProgramFlags:
    return GetProgramFlags(b);
  case kFDCurrentProcess:
    return CurrentProcessNumber(b);
  case kFDGetWindowProcess:
    return GetWindowProcess(b);
  case kFDGetCommandName:
    return GetCommandName(b);
  case kFDRecordNumber:
    return RecordNumber(b);
  case kFDGetFileName:
    return GetFileName(b);
  case kFDGetFieldType:
    return GetFieldType(b);
  case kFDYield:
    return Yield(b);
  case kFDGetVariable:
    return GetVariable(b, false);
  case kFDSetVariable:
    return SetVariable(b, false);
  case kFDGetVariableIP:
    return GetVariable(b, true);
  case kFDSetVariableIP:
    return SetVariable(b, true);
  case kFDTokenizeProc:
    return Tokenize(b);
  case kFDExecTokenizedProc:
    return ExecTokenizedProc(b);
  case kFDExecTokenizedFunc:
    return ExecTokenizedFunc(b);
  case kFDDisposeTokens:
    return DisposeTokens(b);
  case kFDGetMethodID:
    return GetMethodID(b);
  case kFDCallMethodID:
    return CallMethodID(b);
  case kFDExecuteCommandByID:
    return ExecuteCommandByID(b);
  case kFDFormatValue:
    return FormatValue(b);
  case kFDCompareUniStrings:
    return CompareUniStrings(b);
  case kFDCreateFDString:
    return CreateFDString(b);
  case kFDSetFDString:
    return SetFDString(b);
  case kFDDisposeFDString:
    return DisposeFDString(b);
  case kFDSetEmptyFDString:
    return SetEmptyFDString(b);
  case kFDCreateFDPicture:
    return CreateFDPicture(b);
  case kFDCreateNativeImage:
    return CreateNativeImage(b);
  case kFDCreateNativeImageForSize:
    return CreateNativeImageForSize(b);
  case kFDDisposeFDPicture:
    return DisposeFDPicture(b);
  case kFDDuplicateFDPicture:
    return DuplicateFDPicture(b);
  case kFDGetPictureByteSize:
    return GetPictureByteSize(b);
  case kFDGetPictureBytes:
    return GetPictureBytes(b);
  case kFDDisposeNativeImage:
    return DisposeNativeImage(b);
  case kFDMemory:
    return Memory(b);
  case kFDGetNextEvent:
  case kFDSetAreaClipMode:
  case kFDInvalidateAreaRect:
  case kFDGetAreaKeyEventInfo:
  case kFDGetUpdateHDC:
  case kFDGetDialogFromWindow:
  case kFDCreateTip:
  case kFDUpdateEditMenu:
  case kFDStartDrag:
  case kFDHWNDToMacWindow:
  case kFDMacWindowToHWND:
  case kFDGetAreaWindow:
    return WindowService(selector, b);
  case kFDGetRGBColor:
    return GetRGBColor(b);
  case kFDGetARGBFrom4DColor:
    return GetARGBFrom4DColor(b);
  case kFDGetARGBFromRGBColor:
    return GetARGBFromRGBColor(b);
  case kFDGetPlatformColor:
    return GetPlatformColor(b);
  case kFDWriteOnServer:
    return WriteOnServer(b);
  case kFDReadOnServer:
    return ReadOnServer(b);
  default:
    b.fError = kFDErrUnknownCommand;
    return;
  }
}

void Entry(int16_t selector, FDEngineBlock* block) {
  if (block == nullptr) {
    return;
  }
  try {
    block->fError = kFDErrNone;
    Dispatch(selector, *block);
  } catch (const std::bad_alloc&) {
    block->fError = kFDErrNoMemory;
  } catch (...) {
    block->fError = kFDErrRuntime;
  }
}

} // namespace

FDCallBack CallBackEntry() {
  return &Entry;
}

} // namespace zvhost
