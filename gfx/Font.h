// A text face: family, size and style. A family that is not installed falls back to the closest
// installed face (the text engine's font look-up decides), so it still builds; whether the family
// itself was found can be asked. Building fails only for a missing name, an unusable size, or when
// no face at all can be found.
#pragma once

#include <stdint.h>

#include <memory>
#include <string>

#include "gfx/GfxEnums.h"
#include "gfx/GfxNatives.h"
#include "gfx/GfxStatus.h"

namespace gfx {

class Font {
public:
  // `style` is a combination of FontStyle bits; `unit` UnitPoint (1/72 inch at 96 pixels per
  // inch) or UnitPixel.
  Font(const uint16_t* family, float emSize, int style = FontStyleRegular, Unit unit = UnitPoint);
  Font(const char16_t* family, float emSize, int style = FontStyleRegular, Unit unit = UnitPoint);
  Font(const char* familyUtf8, float emSize, int style = FontStyleRegular, Unit unit = UnitPoint);
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  ~Font();

  std::unique_ptr<Font> Clone() const;
  Status GetLastStatus() const { return fStatus; }

  // What was asked for
  const std::string& GetFamilyName() const { return fFamily; }
  float GetSize() const { return fSize; }
  Unit GetUnit() const { return fUnit; }
  int GetStyle() const { return fStyle; }

  // What it resolved to
  const std::string& GetResolvedFamilyName() const { return fResolvedFamily; }
  bool IsFamilyAvailable() const { return fFamilyAvailable; }
  float GetPixelSize() const { return fPixelSize; }
  bool IsUnderline() const { return fStyle & FontStyleUnderline; }
  bool IsStrikeout() const { return fStyle & FontStyleStrikeout; }

  // The platform's face; null when the font failed to build.
  NativeFont* Native() const { return fNative.get(); }

private:
  void Build();
  Status Resolve();

  std::unique_ptr<NativeFont> fNative;
  std::string fFamily;
  std::string fResolvedFamily;
  float fSize;
  float fPixelSize = 0;
  Unit fUnit;
  int fStyle;
  bool fFamilyAvailable = false;
  Status fStatus = Status::WrongState;
};

} // namespace gfx
