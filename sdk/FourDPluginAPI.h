// The plug-in interface between a 4D-style host and a plug-in: the entry point, the records the
// host passes, and the callback entry through which the plug-in reaches every host service.
//
// The real host's record layouts are not available on this platform, so this header defines the
// layout both sides agree on. It is shared, unchanged, by the plug-in and the host emulator.
#pragma once

#include <stddef.h>
#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef uint16_t PA_Unichar;            // one UTF-16 code unit
typedef char** FDHandle;                // movable host memory: *h is the data, owned by the host
typedef struct FDPictureRec* FDPicture; // opaque host picture; null means no picture

// ---------------------------------------------------------------------------------------------
// Geometry and events (QuickDraw-style host records)

typedef struct Point {
  int16_t v;
  int16_t h;
} Point;

typedef struct Rect {
  int16_t top;
  int16_t left;
  int16_t bottom;
  int16_t right;
} Rect;

// `message` and `when` can carry pointers, so they are pointer-sized in a 64-bit build.
typedef struct EventRecord {
  uint16_t what;
  intptr_t message;
  intptr_t when;
  Point where;
  uint16_t modifiers;
} EventRecord;

enum {
  kFDCommandKeyMask = 0x100,
  kFDShiftKeyMask = 0x200,
  kFDAlphaLockMask = 0x400,
  kFDOptionKeyMask = 0x800,
  kFDControlKeyMask = 0x1000
};

typedef struct RGBColor {
  uint16_t red;
  uint16_t green;
  uint16_t blue;
} RGBColor;

typedef struct DateBlock {
  int16_t fDay;
  int16_t fMonth;
  int16_t fYear;
} DateBlock;

// ---------------------------------------------------------------------------------------------
// Text blocks: created, set and disposed of only through the host.

typedef struct FDStringBlock {
  int32_t fLength;     // UTF-16 units, terminator not counted
  PA_Unichar* fString; // null: the block holds no text yet
  intptr_t fHostWord1; // the host's
  intptr_t fHostWord2; // the host's
} FDStringBlock;

// ---------------------------------------------------------------------------------------------
// Value blocks: a kind byte, a filler byte, the value from offset 2 (unaligned: use memcpy).

enum { kValueBlockSize = 260, kValueBlockValueOffset = 2 };

typedef struct ValueBlock {
  unsigned char fBytes[kValueBlockSize];
} ValueBlock;

enum FDValueKind {
  kFDReal = 1,
  kFDDate = 4,
  kFDUndefined = 5,
  kFDBoolean = 6,
  kFDLongint = 9,
  kFDPicture = 10,
  kFDTime = 11,
  kFDArrayOfArrays = 13,
  kFDArrayReal = 14,
  kFDArrayInteger = 15,
  kFDArrayLongint = 16,
  kFDArrayDate = 17,
  kFDArrayPicture = 19,
  kFDArrayBoolean = 22,
  kFDPointer = 23,
  kFDBlob = 30,
  kFDText = 33,
  kFDArrayText = 34
};

// Host array block, the storage a CArray views: kind byte, filler byte, element count (signed 32),
// data handle, current element index (signed 16). The data handle holds count + 1 elements.
enum {
  kFDArrayKindOffset = 0,
  kFDArrayCountOffset = 2,
  kFDArrayHandleOffset = 6,
  kFDArrayCurrentOffset = 6 + (int)sizeof(FDHandle),
  kFDArrayBlockSize = 8 + (int)sizeof(FDHandle)
};

// ---------------------------------------------------------------------------------------------
// Type codes of the command descriptor table: a kind in the low 6 bits, a direction on top.

enum {
  kFDTypeKindMask = 0x3F,
  kFDTypeInput = 0x80,
  kFDTypeOutput = 0x40,
  kFDTypeLongIn = 0x89,
  kFDTypeLongOut = 0x49,
  kFDTypePictureIn = 0x8A,
  kFDTypePictureOut = 0x4A,
  kFDTypeLongArrayIn = 0x90,
  kFDTypeLongArrayOut = 0x50,
  kFDTypeTextIn = 0xA1,
  kFDTypeTextOut = 0x61,
  kFDTypeTextArrayIn = 0xA2,
  kFDTypeTextArrayOut = 0x62
};

// ---------------------------------------------------------------------------------------------
// Native images: what CreateNativeImageForScreen hands out, owned by the caller until
// DisposeNativeImage. Pixels are 32-bit premultiplied ARGB in native byte order, rows top down.

typedef struct FDNativeImage {
  int32_t fWidth;
  int32_t fHeight;
  int32_t fRowBytes;
  uint32_t* fPixels;
} FDNativeImage;

// A device context. On Windows it is the window system's own: an FDDeviceContext* is an HDC.
// Elsewhere it is a host-owned pixel surface that drawing goes to, in the same pixel format.
#ifdef _WIN32
typedef struct HDC__ FDDeviceContext;
#else
typedef struct FDDeviceContext {
  int32_t fWidth;
  int32_t fHeight;
  int32_t fRowBytes;
  uint32_t* fPixels;
} FDDeviceContext;
#endif

// ---------------------------------------------------------------------------------------------
// The callback entry and its parameter record.

enum { kFDMaxStringUnits = 256 };

// The caller zeroes the block, fills the inputs of the selector, calls, and reads the outputs and
// fError. Which fields a selector reads and writes is listed with the selectors below.
typedef struct FDEngineBlock {
  int16_t fError;  // out: host error, 0 for success
  int32_t fParam1; // integers in and out
  int32_t fParam2;
  int32_t fParam3;
  int32_t fParam4;
  double fReal;
  void* fPtr1; // pointers in and out
  void* fPtr2;
  void* fPtr3;
  FDHandle fHandle;                       // memory handle or token handle in and out
  const PA_Unichar* fUName;               // in: zero-terminated UTF-16 name or text
  PA_Unichar fUString[kFDMaxStringUnits]; // out: zero-terminated UTF-16 text
  ValueBlock fValue;                      // value in and out
} FDEngineBlock;

typedef void (*FDCallBack)(int16_t selector, FDEngineBlock* block);

// Host errors used across the interface.
enum {
  kFDErrNone = 0,
  kFDErrBadParameter = -50,
  kFDErrNoMemory = -108,
  kFDErrNilHandle = -109,
  kFDErrNotFound = -43,
  kFDErrSyntax = -10508,  // text that does not tokenize
  kFDErrRuntime = -10509, // an error while running tokenized code or a method
  kFDErrUnknownCommand = -10510,
  kFDErrNotAvailable = -10511 // no such object (window, area, table) in this host
};

// Selectors of the callback entry. In / out name the FDEngineBlock fields used.
enum FDSelector {
  // Environment
  kFDGetResourceID = -23,   // out fParam1: the plug-in's resource id
  kFDGetProgramFlags = -56, // in fParam1: 0x46415354 on hosts 12 or later; out fParam1: flags
  // Processes, records
  kFDCurrentProcess = -91,   // out fParam1: current process number
  kFDGetWindowProcess = -90, // in fPtr1: host window; out fParam1: its process (0: none)
  kFDGetCommandName = -507,  // in fParam1: host command number; out fUString: its name
  kFDRecordNumber = -73,     // in fParam1: table; out fParam1: current record (-1: none)
  kFDGetFileName = -1001,    // in fParam1: table; out fUString: table name
  kFDGetFieldType = -1002,   // in fParam1: table, fParam2: field; out fParam1: field kind
  // Variables: a process or interprocess variable by zero-terminated UTF-16 name.
  // Get: out fValue, a copy the caller owns (text and picture copied; for an array, the host's
  // own array block, which the caller must not release). An unknown variable gives kind 5.
  // Set: in fValue, copied by the host (the caller keeps what its block owns); fParam1 non-zero
  // asks the host to release the variable's old contents, which this host always does.
  kFDGetVariable = -19,
  kFDSetVariable = -20,
  kFDGetVariableIP = -125,
  kFDSetVariableIP = -126,
  // Code
  kFDTokenizeProc = -82,        // in fPtr1: UTF-16 text, fParam1: length; out fHandle: tokens
  kFDExecTokenizedProc = -83,   // in fHandle: tokens
  kFDExecTokenizedFunc = -84,   // in fHandle: tokens, fValue: block preset by the caller;
                                // out fValue: the result, owned by the caller
  kFDDisposeTokens = -1003,     // in fHandle: tokens
  kFDGetMethodID = -117,        // in fUName: method name; out fParam1: id (0: no such method)
  kFDCallMethodID = -118,       // in fParam1: id, fParam2: count, fPtr1: ValueBlock[count+1],
                                // block 0 receives the method's result, 1..count its parameters
  kFDExecuteCommandByID = -636, // in fParam1: command, fParam2: count, fPtr1: ValueBlock[count]
                                // parameters (outputs written back); out fValue: result
  // Formatting: in fValue: the value (kind real, long, date, time or boolean), fUName: the format
  // (null or empty: plain rendering), fParam1: numeric format for dates and times;
  // out fUString: the text
  kFDFormatValue = -47,
  // Text blocks
  kFDCompareUniStrings = -611, // in fPtr1/fParam1: text a and length, fPtr2/fParam2: b,
                               // fParam3: options (kFDCompare...); out fParam4: -1, 0 or 1
  kFDCreateFDString = -612,    // in fPtr1: FDStringBlock*, made a fresh empty text
  kFDSetFDString = -613,       // in fPtr1: FDStringBlock*, fPtr2: UTF-16 units, fParam1: count
  kFDDisposeFDString = -614,   // in fPtr1: FDStringBlock*, released and its words zeroed
  kFDSetEmptyFDString = -615,  // in fPtr1: FDStringBlock*, set to the empty text
  // Pictures
  kFDCreateFDPicture = -617,     // in fPtr1: encoded bytes (PNG, TIFF), fParam1: byte count;
                                 // out fPtr2: picture
  kFDCreateNativeImage = -618,   // in fPtr1: picture; out fPtr2: FDNativeImage*
  kFDDisposeFDPicture = -620,    // in fPtr1: picture
  kFDDuplicateFDPicture = -654,  // in fPtr1: picture; out fPtr2: a copy
  kFDGetPictureByteSize = -1004, // in fPtr1: picture; out fParam1: byte size (0: none)
  kFDDisposeNativeImage = -1005, // in fPtr1: FDNativeImage*
  // in fPtr1: picture, fParam1/fParam2: the largest width and height wanted (each at least 1);
  // out fPtr2: FDNativeImage* of the picture reduced on each axis to at most that size, never
  // enlarged. Hosts before 0x1400 answer kFDErrUnknownCommand.
  kFDCreateNativeImageForSize = -1015,
  // in fPtr1: picture, fPtr2: room for its encoded bytes or null, fParam1: that room in bytes;
  // out fParam1: the encoded byte count, the bytes copied into fPtr2 when they fit (else nothing
  // is copied). Lets a plug-in decode on threads of its own, which may not call the host. Hosts
  // before 0x1400 answer kFDErrUnknownCommand.
  kFDGetPictureBytes = -1016,
  // Memory: in fParam1: the operation, fHandle, fParam2: size or state; out fHandle, fParam2
  kFDMemory = -434,
  // Areas, windows
  kFDGetNextEvent = -361,        // in fParam1: event mask; out fPtr1 (EventRecord*) filled,
                                 // fParam1: 1 when an event was taken
  kFDSetAreaClipMode = -597,     // in fPtr1: area reference cell, fParam1: mode
  kFDInvalidateAreaRect = -714,  // in fParam1: area reference, fPtr1: Rect* (null: whole area),
                                 // fParam2: immediately
  kFDGetAreaKeyEventInfo = -616, // out fParam1: key code, fParam2: character code
  kFDGetUpdateHDC = -161,        // out fPtr1: FDDeviceContext* of the current update
  kFDGetDialogFromWindow = -261, // in fPtr1: host window; out fParam1: dialog reference
  kFDCreateTip = -305,           // in fPtr1: host window, fPtr2: Rect*, fUName: text
  kFDUpdateEditMenu = -307,      // in fParam1: enabled items
  kFDStartDrag = -180,           // in fParam1: x, fParam2: y, fParam3: options
  kFDHWNDToMacWindow = -1006,    // in fPtr1: native window; out fPtr2: host window
  kFDMacWindowToHWND = -1007,    // in fPtr1: host window; out fPtr2: native window
  // Colours
  kFDGetRGBColor = -1008,         // in fParam1: host colour; out fParam1..3: red, green, blue
  kFDGetARGBFrom4DColor = -1009,  // in fParam1: host colour; out fParam1: 0xAARRGGBB
  kFDGetARGBFromRGBColor = -1010, // in fParam1..3: red, green, blue; out fParam1: 0xAARRGGBB
  kFDGetPlatformColor = -164,     // in fParam1: platform colour index; out fParam1: host colour
  // Server channel, client side: in fParam1: call id, fParam2: selector, fHandle: data;
  // Read answers a new handle in fHandle (null when the server had no reply)
  kFDWriteOnServer = -1011,
  kFDReadOnServer = -1012,
  // Cooperative processes: let the host's other processes run once
  kFDYield = -1013,
  // The window of an area: in fPtr1: the area's private-word cell; out fPtr2: host window,
  // fPtr3: native window
  kFDGetAreaWindow = -1014
};

enum FDMemoryOp {
  kFDMemNew = 1,
  kFDMemDispose = 2,
  kFDMemSetSize = 3,
  kFDMemGetSize = 4,
  kFDMemLock = 5,
  kFDMemUnlock = 6,
  kFDMemGetState = 7,
  kFDMemSetState = 8
};

enum { kFDMemLockedState = 0x80 }; // the bit of a handle's state that says it is locked

enum FDCompareOptions { kFDCompareCaseSensitive = 1, kFDCompareDiacriticSensitive = 2 };

enum FDProgramFlags {
  kFDProgramClient = 0x4000000,
  kFDProgramServer = 0x2000000,
  kFDProgramCompiled = 0x8800000
};

enum { kFDProgramFlagsRequest = 0x46415354 };

// ---------------------------------------------------------------------------------------------
// The entry point and the records of the lifecycle selectors.

enum FDEntrySelector {
  kFDInitPlugin = -1,
  kFDDeinitPlugin = -2,
  kFDProcessStart = -3,
  kFDProcessEnd = -4,
  kFDServerInitPlugin = -200,
  kFDClientConnect = -201,
  kFDClientDisconnect = -202,
  kFDServerRead = -205,
  kFDServerWrite = -206,
  kFDServerCleanup = -207,
  kFDServerDeinitPlugin = -220,
  kFDAreaCommand = 1
};

#pragma pack(push, 2)
// Given with selectors -1 and -200.
typedef struct FDPackInitBlock {
  uint32_t fHostVersion; // low 16 bits: binary-coded decimal version (0x1130 is 11.3)
  uint32_t fReserved[3];
  uint32_t fPluginReply; // written by the plug-in
  FDCallBack fCallBack;  // the host callback entry
} FDPackInitBlock;

// Given with the server-side selectors -201 to -207.
typedef struct ReadWriteBlock {
  int32_t fCallID; // 0 frame message, > 0 procedure, < 0 (bit 31) function
  int16_t fSelector;
  int32_t* fDataSize;     // read for incoming data, written for outgoing data
  int32_t fCookie;        // identifies the connected client
  int32_t fProcessNumber; // client connect only
} ReadWriteBlock;
#pragma pack(pop)

// The entry point's calling convention and export: the 32-bit Windows host calls it as stdcall
// (its decorated export is FourDPackex@16); the plug-in's exports on Windows are named in its
// module definition.
#ifdef _WIN32
#define FD_ENTRY_CALL __stdcall
#define FD_ENTRY_EXPORT
#else
#define FD_ENTRY_CALL
#define FD_ENTRY_EXPORT __attribute__((visibility("default")))
#endif

// FourDPackex(selector, parameter block, host data, result)
typedef void(FD_ENTRY_CALL* FourDPackexProc)(int32_t selector, void* params, void* hostData,
                                             void* result);

#ifdef __cplusplus
}
#endif
