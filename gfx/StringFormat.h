// How text is placed in its layout rectangle: horizontal and vertical alignment, wrapping, and
// what happens to text that does not fit (trimming).
#pragma once

#include <memory>

#include "gfx/GfxEnums.h"
#include "gfx/GfxStatus.h"

namespace gfx {

class StringFormat {
public:
  explicit StringFormat(int flags = 0);

  // Shared read-only formats: the default one trims by character and clips to the layout
  // rectangle; the typographic one neither trims nor clips and shows whole lines only.
  static const StringFormat* GenericDefault();
  static const StringFormat* GenericTypographic();
  std::unique_ptr<StringFormat> Clone() const;

  // Placement
  StringAlignment GetAlignment() const { return fAlignment; }
  Status SetAlignment(StringAlignment alignment);
  StringAlignment GetLineAlignment() const { return fLineAlignment; }
  Status SetLineAlignment(StringAlignment alignment);

  // Fitting
  int GetFormatFlags() const { return fFlags; }
  Status SetFormatFlags(int flags);
  StringTrimming GetTrimming() const { return fTrimming; }
  Status SetTrimming(StringTrimming trimming);
  bool Wraps() const { return !(fFlags & StringFormatFlagsNoWrap); }
  bool LimitsLines() const { return fFlags & StringFormatFlagsLineLimit; }
  bool Clips() const { return !(fFlags & StringFormatFlagsNoClip); }

private:
  int fFlags;
  StringAlignment fAlignment = StringAlignmentNear;
  StringAlignment fLineAlignment = StringAlignmentNear;
  StringTrimming fTrimming = StringTrimmingCharacter;
};

} // namespace gfx
