// The host's answers to the callback entry, one function per selector, grouped by service.
// Each reads the inputs of its selector from the block and writes outputs and fError.
#pragma once

#include "sdk/FourDPluginAPI.h"

namespace zvhost::callback {

// Environment, processes, records
void GetResourceID(FDEngineBlock& b);
void GetProgramFlags(FDEngineBlock& b);
void CurrentProcessNumber(FDEngineBlock& b);
void GetWindowProcess(FDEngineBlock& b);
void GetCommandName(FDEngineBlock& b);
void RecordNumber(FDEngineBlock& b);
void GetFileName(FDEngineBlock& b);
void GetFieldType(FDEngineBlock& b);
void Yield(FDEngineBlock& b);

// Variables
void GetVariable(FDEngineBlock& b, bool interprocess);
void SetVariable(FDEngineBlock& b, bool interprocess);

// Code
void Tokenize(FDEngineBlock& b);
void ExecTokenizedProc(FDEngineBlock& b);
void ExecTokenizedFunc(FDEngineBlock& b);
void DisposeTokens(FDEngineBlock& b);
void GetMethodID(FDEngineBlock& b);
void CallMethodID(FDEngineBlock& b);
void ExecuteCommandByID(FDEngineBlock& b);
void FormatValue(FDEngineBlock& b);

// Text blocks
void CompareUniStrings(FDEngineBlock& b);
void CreateFDString(FDEngineBlock& b);
void SetFDString(FDEngineBlock& b);
void DisposeFDString(FDEngineBlock& b);
void SetEmptyFDString(FDEngineBlock& b);

// Pictures
void CreateFDPicture(FDEngineBlock& b);
void CreateNativeImage(FDEngineBlock& b);
void CreateNativeImageForSize(FDEngineBlock& b);
void DisposeFDPicture(FDEngineBlock& b);
void DuplicateFDPicture(FDEngineBlock& b);
void GetPictureByteSize(FDEngineBlock& b);
void GetPictureBytes(FDEngineBlock& b);
void DisposeNativeImage(FDEngineBlock& b);

// Memory
void Memory(FDEngineBlock& b);

// Areas and windows
void WindowService(int16_t selector, FDEngineBlock& b);

// Colours
void GetRGBColor(FDEngineBlock& b);
void GetARGBFrom4DColor(FDEngineBlock& b);
void GetARGBFromRGBColor(FDEngineBlock& b);
void GetPlatformColor(FDEngineBlock& b);

// Server channel, client side
void WriteOnServer(FDEngineBlock& b);
void ReadOnServer(FDEngineBlock& b);

} // namespace zvhost::callback
