// A command's parameter block built by hand from its descriptor record: one cell of storage per
// parameter, laid out as the host passes it, and a pointer-sized result cell.
#pragma once

#include <string.h>

#include <string>
#include <vector>

#include "host/FourD.h"
#include "plugin/Entry.h"
#include "plugin/PlugInfo.h"
#include "sdk/FourDPluginAPI.h"

class ParamBlock {
public:
  static constexpr int32_t kLongSentinel = 77;
  static constexpr intptr_t kResultSentinel = 0x5EED;

  // Longs hold kLongSentinel, texts "old" (host-made), pictures none, arrays are empty arrays.
  explicit ParamBlock(int selector) : fSelector(selector) {
    const CommandInfo& command = gZorvi_GlueTable[selector - 1];
    fCells.resize(command.fParamCount);
    for (uint32_t i = 0; i < command.fParamCount; ++i) {
      Cell& cell = fCells[i];
      cell.fKind = command.fParamTypes[i] & kFDTypeKindMask;
      memset(cell.fBytes, 0, sizeof cell.fBytes);
      if (cell.fKind == kFDLongint) {
        SetLong(i, kLongSentinel);
      } else if (cell.fKind == kFDText) {
        SetText(i, u"old");
      } else if (cell.fKind == kFDArrayLongint || cell.fKind == kFDArrayText) {
        cell.fBytes[kFDArrayKindOffset] = static_cast<unsigned char>(cell.fKind);
      }
    }
    for (Cell& cell : fCells) {
      fPointers.push_back(cell.fBytes);
    }
  }

  ~ParamBlock() {
    for (Cell& cell : fCells) {
      if (cell.fKind == kFDText && Text(cell).fString != nullptr) {
        FourD::DisposeFDStringBlock(&Text(cell));
      }
      if (cell.fKind == kFDPicture && Picture(cell) != nullptr) {
        FourD::DisposeFDPicture(Picture(cell));
      }
    }
  }

  ParamBlock(const ParamBlock&) = delete;
  ParamBlock& operator=(const ParamBlock&) = delete;

  intptr_t Run() {
    fResult = kResultSentinel;
    FourDPackex(fSelector, fPointers.data(), nullptr, &fResult);
    return fResult;
  }

  void SetLong(size_t i, int32_t value) { memcpy(fCells[i].fBytes, &value, sizeof value); }
  int32_t Long(size_t i) const {
    int32_t value;
    memcpy(&value, fCells[i].fBytes, sizeof value);
    return value;
  }

  // A null text leaves the block without characters, as a fresh variable has it.
  void SetText(size_t i, const char16_t* text) {
    FDStringBlock& block = Text(fCells[i]);
    if (block.fString != nullptr) {
      FourD::DisposeFDStringBlock(&block);
    }
    if (text == nullptr) {
      return;
    }
    FourD::CreateFDString(&block);
    const auto* units = reinterpret_cast<const PA_Unichar*>(text);
    FourD::SetFDString(&block, units,
                       static_cast<int32_t>(std::char_traits<char16_t>::length(text)));
  }
  FDStringBlock& TextBlock(size_t i) { return Text(fCells[i]); }
  std::u16string TextAt(size_t i) {
    const FDStringBlock& block = Text(fCells[i]);
    if (block.fString == nullptr) {
      return {};
    }
    return std::u16string(reinterpret_cast<const char16_t*>(block.fString), block.fLength);
  }

  FDPicture& PictureAt(size_t i) { return Picture(fCells[i]); }
  const unsigned char* Bytes(size_t i) const { return fCells[i].fBytes; }
  size_t Count() const { return fCells.size(); }
  int KindAt(size_t i) const { return fCells[i].fKind; }
  void** Pointers() { return fPointers.data(); }

private:
  struct Cell {
    int fKind;
    alignas(8) unsigned char fBytes[32];
  };

  static FDStringBlock& Text(Cell& cell) { return *reinterpret_cast<FDStringBlock*>(cell.fBytes); }
  static FDPicture& Picture(Cell& cell) { return *reinterpret_cast<FDPicture*>(cell.fBytes); }

  int fSelector;
  std::vector<Cell> fCells;
  std::vector<void*> fPointers;
  intptr_t fResult = 0;
};

// A 1 x 1 PNG, for pictures the host can make.
inline FDPicture MakeHostPicture() {
  static const unsigned char kPng[] = {
      0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48,
      0x44, 0x52, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x01, 0x08, 0x06, 0x00, 0x00,
      0x00, 0x1F, 0x15, 0xC4, 0x89, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x44, 0x41, 0x54, 0x78,
      0x9C, 0x63, 0xF8, 0xCF, 0xC0, 0xF0, 0x1F, 0x00, 0x05, 0x00, 0x01, 0xFF, 0x89, 0x99,
      0x3D, 0x1D, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};
  FDPicture picture = nullptr;
  if (FourD::CreateFDPicture(kPng, sizeof kPng, &picture) != 0) {
    return nullptr;
  }
  return picture;
}
