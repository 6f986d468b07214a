// An area for clipping: everything, nothing, or the overlap of rectangles and paths. Kept as
// geometry so it can be applied to any graphics in that graphics' current user space.
#pragma once

#include <vector>

#include "gfx/GraphicsPath.h"

namespace gfx {

class Region {
public:
  Region(); // infinite
  explicit Region(const RectF& rect);
  explicit Region(const GraphicsPath* path);

  // Shape
  void MakeInfinite();
  void MakeEmpty();
  Status Intersect(const RectF& rect);
  Status Intersect(const GraphicsPath* path);
  Status Intersect(const Region* region);
  bool IsInfinite() const { return fKind == Kind::Infinite; }
  bool IsEmpty() const;

  // Queries, in the region's own coordinates. An infinite region has empty bounds.
  Status GetBounds(RectF* bounds) const;
  bool IsVisible(float x, float y) const;

  // The shapes whose overlap the region is; null for an infinite or empty region.
  const std::vector<GraphicsPath>* GetShapes() const {
    return fKind == Kind::Shapes ? &fShapes : nullptr;
  }
  Status GetLastStatus() const { return fStatus; }

private:
  enum class Kind { Infinite, Empty, Shapes };

  Kind fKind = Kind::Infinite;
  std::vector<GraphicsPath> fShapes; // their overlap
  Status fStatus = Status::Ok;
};

} // namespace gfx
