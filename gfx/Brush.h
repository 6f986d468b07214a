// What fills and text are painted with. Only solid colours are needed; the base class keeps the
// native source that graphics sets before painting.
#pragma once

#include <memory>

#include "gfx/GfxNatives.h"
#include "gfx/GfxStatus.h"
#include "gfx/GfxTypes.h"

namespace gfx {

class Brush {
public:
  virtual ~Brush();
  Brush(const Brush&) = delete;
  Brush& operator=(const Brush&) = delete;

  virtual std::unique_ptr<Brush> Clone() const = 0;
  Status GetLastStatus() const { return fStatus; }

  // The platform's paint; null when the brush failed to build.
  NativeBrush* Native() const { return fNative.get(); }

protected:
  Brush();
  void SetColorNative(const Color& color);

private:
  std::unique_ptr<NativeBrush> fNative;
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
