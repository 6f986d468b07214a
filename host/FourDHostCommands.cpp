#include "host/FourD.h"
#include "host/HostText.h"
#include "host/ValueBlock.h"

namespace FourD {

namespace {

// Host command numbers for ExecuteCommandByID.
enum : int32_t {
  kCommandPictureSize = 356,
  kCommandFormEvent = 388,
  kCommandPictureProperties = 457,
  kCommandObjectGetDragAndDropOptions = 1184
};

int16_t LongResult(int32_t command, ValueBlock* params, int32_t count, int32_t* out) {
  ValueBlock result;
  ClearValueBlock(&result, kFDLongint);
  int16_t error = ExecuteCommandByID(command, params, count, &result);
  if (error == kFDErrNone && Value2Long(&result, out) != 0) {
    error = kFDErrBadParameter;
  }
  FreeValueBlock(&result);
  return error;
}

} // namespace

int16_t GetPictureSizeByCommand(FDPicture picture, int32_t* byteSize) {
  if (byteSize == nullptr) {
    return kFDErrBadParameter;
  }
  *byteSize = 0;
  ValueBlock param;
  ClearValueBlock(&param, kFDPicture);
  SetValuePicture(&param, picture);
  return LongResult(kCommandPictureSize, &param, 1, byteSize);
}

int16_t GetPictureDimensions(FDPicture picture, int32_t* width, int32_t* height) {
  if (width == nullptr || height == nullptr) {
    return kFDErrBadParameter;
  }
  *width = 0;
  *height = 0;
  ValueBlock params[3];
  ClearValueBlock(&params[0], kFDPicture);
  SetValuePicture(&params[0], picture);
  ClearValueBlock(&params[1], kFDLongint);
  ClearValueBlock(&params[2], kFDLongint);
  int16_t error = ExecuteCommandByID(kCommandPictureProperties, params, 3, nullptr);
  if (error == kFDErrNone) {
    Value2Long(&params[1], width);
    Value2Long(&params[2], height);
  }
  return error;
}

int16_t CurrentFormEvent(int32_t* event) {
  if (event == nullptr) {
    return kFDErrBadParameter;
  }
  *event = 0;
  return LongResult(kCommandFormEvent, nullptr, 0, event);
}

// Parameters: the object's name as text, then the four options as booleans written back.
int16_t ObjectGetDragAndDropOptions(const PA_Unichar* objectName, bool* draggable,
                                    bool* automaticDrag, bool* droppable, bool* automaticDrop) {
  bool* outputs[4] = {draggable, automaticDrag, droppable, automaticDrop};
  for (bool* output : outputs) {
    if (output == nullptr) {
      return kFDErrBadParameter;
    }
    *output = false;
  }
  FDStringBlock name{};
  int16_t error = CreateFDString(&name);
  if (error == kFDErrNone) {
    error = SetFDString(&name, objectName, static_cast<int32_t>(UniLength(objectName)));
  }
  if (error == kFDErrNone) {
    ValueBlock params[5];
    ClearValueBlock(&params[0], kFDText);
    SetValueText(&params[0], name);
    for (int i = 1; i < 5; ++i) {
      ClearValueBlock(&params[i], kFDBoolean);
    }
    error = ExecuteCommandByID(kCommandObjectGetDragAndDropOptions, params, 5, nullptr);
    for (int i = 0; error == kFDErrNone && i < 4; ++i) {
      *outputs[i] = GetValueBoolean(&params[i + 1]);
    }
  }
  if (name.fString != nullptr) {
    DisposeFDStringBlock(&name);
  }
  return error;
}

} // namespace FourD
