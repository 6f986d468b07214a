// A path of figures made of lines and arcs, kept as its own point list so that it outlives any
// drawing surface and can be replayed into whichever graphics fills, strokes or clips with it.
// Adding a line or an arc to an open figure joins it to the figure's last point.
#pragma once

#include <vector>

#include "gfx/GfxEnums.h"
#include "gfx/GfxStatus.h"
#include "gfx/GfxTypes.h"

namespace gfx {

class GraphicsPath {
public:
  explicit GraphicsPath(FillMode fillMode = FillModeAlternate);

  // Figures
  Status AddLine(float x1, float y1, float x2, float y2);
  Status AddLines(const PointF* points, int count);
  // An elliptical arc of the ellipse inscribed in (x, y, width, height); angles in degrees,
  // clockwise from the x axis (y points down).
  Status AddArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
  Status AddArc(const RectF& box, float startAngle, float sweepAngle);
  Status AddRectangle(const RectF& rect);
  Status AddEllipse(const RectF& box);
  Status AddPolygon(const PointF* points, int count);
  // One closed figure with corner arcs of the given radii.
  Status AddRoundedRectangle(const RectF& rect, float radiusX, float radiusY);
  void StartFigure();
  void CloseFigure();
  void Reset();

  // State
  FillMode GetFillMode() const { return fFillMode; }
  void SetFillMode(FillMode mode) { fFillMode = mode; }
  int GetPointCount() const;
  bool IsEmpty() const { return fSegments.empty(); }
  // Spans every point of the path, curve control points included (a curve stays inside them).
  Status GetBounds(RectF* bounds) const;
  // Where the next joined line or arc would start from; WrongState for an empty path.
  Status GetLastPoint(PointF* point) const;

  // The figures as the drawing side replays them: moves, lines, cubic curves (two control points
  // and the end) and closes.
  enum class SegmentKind { Move, Line, Curve, Close };
  struct Segment {
    SegmentKind fKind;
    PointF fPoints[3];
  };
  const std::vector<Segment>& GetSegments() const { return fSegments; }

private:
  void JoinTo(PointF point);
  void CurveTo(PointF c1, PointF c2, PointF end);

  std::vector<Segment> fSegments;
  FillMode fFillMode;
  bool fFigureOpen = false;
  PointF fLastPoint;
};

} // namespace gfx
