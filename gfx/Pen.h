// A stroke: a colour or brush, a width in user units, and whether the stroke is centred on the
// outline or lies wholly inside it.
#pragma once

#include <memory>

#include "gfx/Brush.h"
#include "gfx/GfxEnums.h"

namespace gfx {

class Pen {
public:
  explicit Pen(const Color& color, float width = 1.0f);
  explicit Pen(const Brush* brush, float width = 1.0f);
  Pen(const Pen&) = delete;
  Pen& operator=(const Pen&) = delete;
  ~Pen();

  float GetWidth() const { return fWidth; }
  Status SetWidth(float width);
  PenAlignment GetAlignment() const { return fAlignment; }
  Status SetAlignment(PenAlignment alignment);
  Status SetColor(const Color& color);

  Status GetLastStatus() const { return fStatus; }
  // The platform's paint; null when the pen failed to build.
  NativePen* Native() const { return fNative.get(); }

private:
  void Adopt(std::unique_ptr<NativePen> native);

  std::unique_ptr<NativePen> fNative;
  float fWidth;
  PenAlignment fAlignment = PenAlignmentCenter;
  Status fStatus = Status::Ok;
};

} // namespace gfx
