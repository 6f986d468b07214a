// What fills and text are painted with. Only solid colours are needed; the base class keeps the
// native source that graphics sets before painting.
#pragma once

#include <memory>

#include "gfx/GfxHandles.h"
#include "gfx/GfxStatus.h"
#include "gfx/GfxTypes.h"

namespace gfx {

class Brush {
public:
  virtual ~Brush() = default;
  Brush(const Brush&) = delete;
  Brush& operator=(const Brush&) = delete;

  virtual std::unique_ptr<Brush> Clone() const = 0;
  Status GetLastStatus() const { return fStatus; }

  // The native source; null when the brush failed to build.
  cairo_pattern_t* Native() const { return fPattern.get(); }

protected:
  Brush() = default;
  void SetNative(cairo_pattern_t* pattern);

private:
  PatternPtr fPattern;
  Status fStatus = Status::WrongState;
};

class SolidBrush : public Brush {
public:
  explicit SolidBrush(const Color& color);

  std::unique_ptr<Brush> Clone() const override;
  Color GetColor() const { return fColor; }
  Status SetColor(const Color& color);

private:
  Color fColor;
};

} // namespace gfx
