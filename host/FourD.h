// Wrappers of the host callback entry: one function per host operation. Each zeroes an
// FDEngineBlock, fills the inputs, calls the entry kept by Init and returns the host's error.
// Before Init nothing is called: error results are kFDErrNotAvailable, others zero or null.
#pragma once

#include <stdint.h>

#include <vector>

#include "sdk/FourDPluginAPI.h"
#include "util/ZVPageBuffer.h"

namespace FourD {

// Host-interface state, kept for the life of the process.
// Set at library load.
extern void* fPluginInstance;      // module handle of the plug-in library
extern void* fProcessHandle;       // handle of the host executable
extern char fPluginFilePath[260];  // the plug-in library's path
extern char fPluginDir[260];       // its folder, with the trailing separator
extern char fProcessFilePath[260]; // the host executable's path
extern void* fProcessWindow;       // the host's main window; unset where none is found
extern void* fAppInstance;
// Set by Init.
extern uint32_t fVersion;             // low 16 bits of the host version (BCD, 0x1130 is 11.3)
extern FDCallBack fCallBack11Address; // null until Init
extern int16_t fProcResId;
extern uint32_t fProgramInfo;
extern int32_t fStartupProcess;
extern void* fBuggyStandardWindowCompat;

// Lifecycle
void Init(FDPackInitBlock* initBlock);
void Deinit();
bool IsInitialized();

// Environment
[[nodiscard]] int16_t GetPluginResourceID(int16_t* resID);
[[nodiscard]] int16_t GetProgramFlags(uint32_t* flags);
bool Is4DClient();
bool Is4DServer();
bool IsCompiled();

// Processes, records
int32_t CurrentProcess();
int32_t GetWindowProcess(void* window);
[[nodiscard]] int16_t GetCommandName(int32_t command, char* name,
                                     size_t capacity); // narrow, zero-terminated
int32_t RecordNumber(int32_t table);
[[nodiscard]] int16_t GetFileName(int32_t table, PA_Unichar* name, size_t capacity);
[[nodiscard]] int16_t GetFieldType(int32_t table, int32_t field, int32_t* type);

// Variables, by zero-terminated UTF-16 name
[[nodiscard]] int16_t GetVariable(const PA_Unichar* name, ValueBlock* value);
int16_t SetVariable(const PA_Unichar* name, const ValueBlock* value, unsigned char clearOld);
[[nodiscard]] int16_t GetVariableIP(const PA_Unichar* name, ValueBlock* value);
int16_t SetVariableIP(const PA_Unichar* name, const ValueBlock* value, unsigned char clearOld);

// Code
[[nodiscard]] int16_t TokenizeProcV12(const PA_Unichar* text, int32_t length, FDHandle* tokens);
int16_t ExecTokenizedProcV12(FDHandle tokens);
[[nodiscard]] int16_t ExecTokenizedFuncV12(FDHandle tokens, ValueBlock* result);
void DisposeHandleV11(FDHandle tokens);
int32_t GetMethodID(const PA_Unichar* name);
[[nodiscard]] int16_t CallMethodID(int32_t methodID, int32_t count,
                                   ValueBlock* blocks); // blocks[0]: result
[[nodiscard]] int16_t ExecuteCommandByID(int32_t command, ValueBlock* params, int32_t count,
                                         ValueBlock* result);
[[nodiscard]] int16_t GetPictureSizeByCommand(FDPicture picture, int32_t* byteSize); // 356
[[nodiscard]] int16_t GetPictureDimensions(FDPicture picture, int32_t* width,
                                           int32_t* height); // 457
[[nodiscard]] int16_t CurrentFormEvent(int32_t* event);      // 388
// 1184 with the object's name as a text parameter and four booleans written back
[[nodiscard]] int16_t ObjectGetDragAndDropOptions(const PA_Unichar* objectName, bool* draggable,
                                                  bool* automaticDrag, bool* droppable,
                                                  bool* automaticDrop);

// Formatting into a buffer of `capacity` UTF-16 units, zero-terminated; empty on an error
int16_t FormatReal(double value, const PA_Unichar* format, PA_Unichar* out, size_t capacity);
int16_t FormatLong(int32_t value, const PA_Unichar* format, PA_Unichar* out, size_t capacity);
int16_t FormatDate(const DateBlock* value, int32_t format, PA_Unichar* out, size_t capacity);
int16_t FormatTime(int32_t seconds, int32_t format, PA_Unichar* out, size_t capacity);
int16_t FormatBoolean(bool value, const PA_Unichar* format, PA_Unichar* out, size_t capacity);

// Text blocks
int16_t CreateFDString(FDStringBlock* block);
int16_t SetFDString(FDStringBlock* block, const PA_Unichar* text, int32_t length);
int16_t SetEmptyFDString(FDStringBlock* block);
int16_t DisposeFDStringBlock(FDStringBlock* block);
// -1, 0 or 1; `options` is a mask of kFDCompareCaseSensitive and kFDCompareDiacriticSensitive
int32_t CompareUniStrings(const PA_Unichar* a, int32_t lengthA, const PA_Unichar* b,
                          int32_t lengthB, int32_t options);

// Pictures
[[nodiscard]] int16_t CreateFDPicture(const void* bytes, int32_t byteCount, FDPicture* picture);
[[nodiscard]] int16_t DuplicateFDPicture(FDPicture picture, FDPicture* copy);
int16_t DisposeFDPicture(FDPicture picture);
int32_t GetPictureByteSize(FDPicture picture); // 0 for none
[[nodiscard]] int16_t CreateNativeImageForScreen(FDPicture picture, FDNativeImage** image);
// At most `width` x `height`, decoded no larger than that needs; kFDErrUnknownCommand from hosts
// that lack it.
[[nodiscard]] int16_t CreateNativeImageForSize(FDPicture picture, int32_t width, int32_t height,
                                               FDNativeImage** image);
void DisposeNativeImage(FDNativeImage* image);
// The picture's encoded bytes, copied into storage of their own (not cleared first: the host
// writes them all); kFDErrUnknownCommand from hosts that lack the operation.
[[nodiscard]] int16_t GetPictureBytes(FDPicture picture, ZVPageBuffer* bytes);

// Memory handles
FDHandle NewHandle(int32_t size);
int16_t DisposeHandle(FDHandle handle);
int16_t SetHandleSize(FDHandle handle, int32_t size);
int32_t GetHandleSize(FDHandle handle);
int16_t HLock(FDHandle handle);
int16_t HUnlock(FDHandle handle);
signed char HGetState(FDHandle handle);
int16_t HSetState(FDHandle handle, signed char state);
int16_t MemoryOperation(int32_t op, FDHandle* handle, int32_t* value); // the raw form
int16_t LastMemoryError();

// Areas, windows
bool GetNextEvent(int32_t mask, EventRecord* event);
int16_t SetAreaClipModeV13(int32_t* areaRef, int32_t mode);
int16_t InvalidateAreaRect14(int32_t areaRef, const Rect* rect, bool immediately);
[[nodiscard]] int16_t GetAreaKeyEventInfo(int32_t* keyCode, int32_t* charCode);
void* GetUpdateHDC();
int32_t GetFourDDialogFromWindow(void* window);
int16_t CreateTip(void* window, const Rect* rect, const PA_Unichar* text);
void UpdateEditMenu(int32_t items);
int16_t StartHostDrag(int32_t x, int32_t y, int32_t options);
void* HWNDToMacWindow(void* hwnd);
void* MacWindowToHWND(void* window);
// The host and native windows of the area whose private word is `areaRefCell`; both null and
// an error when the host does not know it.
[[nodiscard]] int16_t GetAreaWindow(int32_t* areaRefCell, void** window, void** hwnd);

// Colours
[[nodiscard]] int16_t GetRGBColor(int32_t color, RGBColor* rgb);
uint32_t GetARGBColorFrom4DColor(int32_t color);
uint32_t GetARGBColorFromRGBColor(const RGBColor* rgb);
int32_t GetPlatformColor(int32_t index);

// Server channel, client side
int16_t WriteOnServer(int32_t callID, int16_t selector, FDHandle data);
[[nodiscard]] int16_t ReadOnServer(int32_t callID, int16_t selector, FDHandle* reply);
void Yield();

} // namespace FourD
